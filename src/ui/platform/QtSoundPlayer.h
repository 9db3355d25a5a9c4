#pragma once

#include "core/platform/Sounds.h"
#include "ui/platform/SoundOutput.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

namespace lettrava {

// The user's sound choices: a file and an enable box per event, and the box
// that silences everything.
struct SoundSettings {
    std::array<QString, kSoundEventCount> files;
    std::array<bool, kSoundEventCount> enabled{};
    bool disableAll = false;

    static SoundSettings defaults();
    // Reads all sound values from the settings store / writes them there.
    static SoundSettings load();
    void save() const;
};

// Captions, hints and names of the sound events, in event order.
struct SoundEventInfo {
    const char* caption;     // "Good Word"
    const char* description; // "a valid word is entered", completing the hints
    const char* control;     // "GoodWord": edtGoodWord, chkGoodWord, ...
};
const SoundEventInfo& soundEventInfo(int event);
// The event's caption in the player's language.
QString soundCaption(int event);
QString soundCaptionHint(int event); // "Click here to browse for a file to play when ..."
QString soundFileHint(int event);    // "This file will play when ... (if the box at the left is checked)"

// The file a sound field names: a relative path is taken inside the program
// folder (for an installed program, the installed data folder when the
// program folder lacks it); an absolute one is used as it is. Backslashes count as folder
// separators, so the stored default "Sounds\GoodWord.wav" works everywhere.
QString resolveSoundPath(const QString& fieldText);

// The resource of offensive-word sound n (1 to 5).
QString offensiveSoundResource(int n);

// The program's sound player: plays the event sounds as the user set them up.
//
// One channel: a new sound replaces the one playing, except that a looping
// request ("Ten Seconds Left", asked at every clock tick) never interrupts a
// sound that is playing; it starts again at the next tick after that sound
// has ended. A missing file plays nothing and leaves the channel alone.
class QtSoundPlayer final : public SoundPlayer {
public:
    using SettingsSource = std::function<SoundSettings()>;

    QtSoundPlayer(std::unique_ptr<SoundOutput> output, SettingsSource settings);

    void playSound(SoundEvent event, bool looping = false) override;
    void stopSounds() override;
    void playOffensiveWordSound() override;

    SoundOutput& output() { return *output_; }

private:
    std::unique_ptr<SoundOutput> output_;
    SettingsSource settings_;
};

} // namespace lettrava
