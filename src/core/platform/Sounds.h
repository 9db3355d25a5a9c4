#pragma once

#include <array>
#include <string>
#include <vector>

namespace lettrava {

// The game's sound events, in the index order used by the settings and the
// preferences page.
enum class SoundEvent {
    GoodWord = 0,
    WordNotInDict = 1,
    WordNotInGrid = 2,
    InvalidPenalty = 3,
    LostAllValidBonus = 4,
    TenSecondsLeft = 5,
    RoundOver = 6,
    WonGame = 7,
    GameEnd = 8,
    BuildingGrid = 9,
    LetterClick = 10,
};
inline constexpr int kSoundEventCount = 11;

// Fire-and-forget sound playback. The desktop program plays through Qt
// Multimedia, honouring the user's sound preferences; tests record requests.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays the event's sound. A looping request (only "Ten Seconds Left")
    // does not interrupt a sound that is already playing.
    virtual void playSound(SoundEvent event, bool looping = false) = 0;
    virtual void stopSounds() = 0;
    // One of the five built-in offensive-word sounds, chosen at random.
    virtual void playOffensiveWordSound() = 0;
};

// The installed player; silence until one is installed.
SoundPlayer& sounds();
void setSounds(SoundPlayer* player);

// Installs a player for the lifetime of this object.
class ScopedSounds {
public:
    explicit ScopedSounds(SoundPlayer& p) : previous_(&sounds()) { setSounds(&p); }
    ~ScopedSounds() { setSounds(previous_); }
    ScopedSounds(const ScopedSounds&) = delete;
    ScopedSounds& operator=(const ScopedSounds&) = delete;

private:
    SoundPlayer* previous_;
};

} // namespace lettrava
