#pragma once

#include <QString>

#include <memory>

namespace lettrava {

// Where sounds finally go: one channel that plays one sound at a time.
// The program plays through Qt Multimedia; where there is no audio output (or
// with --no-sound) a silent output takes its place; tests use a recording one
// to see which file would be played and when.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts `source` (a file path or a ":/" resource), replacing whatever
    // this channel is playing; looping repeats it until stopped or replaced.
    virtual void play(const QString& source, bool looping) = 0;
    virtual void stop() = 0;
    // Whether a sound is playing, or has been started and is about to play.
    virtual bool isPlaying() const = 0;
};

// Plays nothing; never playing.
class SilentOutput final : public SoundOutput {
public:
    void play(const QString&, bool) override {}
    void stop() override {}
    bool isPlaying() const override { return false; }
};

// --no-sound: no output is opened and nothing is played.
void setSoundSwitchedOff(bool off);
bool soundSwitchedOff();

// The output for the program: Qt Multimedia when sound is on and the machine
// has an audio output, a silent one otherwise.
std::unique_ptr<SoundOutput> makeSoundOutput();

} // namespace lettrava
