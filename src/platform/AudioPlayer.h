#pragma once

#include <QString>
#include <chrono>

// The part of sound playback that needs the multimedia libraries. It lives in a module of its
// own beside the program, loaded when the first sound plays, so the program starts without them.
class AudioPlayer
{
public:
    virtual ~AudioPlayer() = default;
    // Plays a wave file. With a positive wait it returns once the sound has played that long,
    // letting no user input through meanwhile. Without an audio output nothing plays or waits.
    virtual void play(const QString &path, std::chrono::milliseconds wait) = 0;
};

// The module's file name without its system prefix and suffix, and its one entry point, which
// returns the player; the player lives as long as the program.
inline constexpr char AudioModuleName[] = "kovra_audio";
inline constexpr char AudioPlayerEntryName[] = "kovraAudioPlayer";
using AudioPlayerEntry = AudioPlayer *(*)();
