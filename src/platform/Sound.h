#pragma once

#include <QString>
#include <chrono>

// Short sound effects from wave files. A missing file or a machine without audio output plays
// nothing and never blocks.
namespace Sound {

enum Mode {
    NoWait, // starts the sound and returns at once
    Wait, // returns when the sound has ended; no user input gets through meanwhile
};

void play(const QString &path, Mode mode);

// The playing length of a PCM wave file from its header, or zero when it is no such file.
std::chrono::milliseconds waveLength(const QString &path);

// Where play() sends its sounds; tests swap in one that records them.
class Backend
{
public:
    virtual ~Backend() = default;
    virtual void play(const QString &path, Mode mode) = 0;
};

// nullptr restores the audio output.
void setBackend(Backend *backend);

}
