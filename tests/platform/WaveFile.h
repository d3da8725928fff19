#pragma once

#include <QByteArray>

// A silent PCM wave file of the given length (8 kHz, 8 bit, mono) with an extra chunk before
// its data, as editors write them.
QByteArray silentWaveFile(int milliseconds);
