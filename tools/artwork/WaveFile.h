#pragma once

#include <QByteArray>
#include <vector>

// 16-bit mono PCM wave files.
namespace WaveFile {

// Samples in -1 .. 1; values outside are clipped.
QByteArray encode(const std::vector<double> &samples, int sampleRate);

}
