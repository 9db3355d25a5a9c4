#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lettrava {

// The choices of the game setup dialog, as the game takes them over.
struct PlayerChoice {
    std::int32_t inputMethod = 0; // 0 keyboard and mouse, 1 keyboard, 2 mouse, 3 computer
    std::string name;
    std::int32_t computerLevel = 0; // 1 to 8 for a computer opponent, else 0
};

struct GameSetup {
    int playerCount = 2;
    std::array<PlayerChoice, 4> players{};
    int roundsPerGame = 10;
    int gridSizeOrder = 0; // 0 smallest to largest, 1 random, 2 manual, 3 from files
    std::vector<std::string> gridFiles; // order 3: one entry per round, empty for a random grid
    bool automaticDuration = true;
    std::string minutesText = "2"; // as typed; parsed when the game takes them
    std::string secondsText = "00";
    bool bonusWordEnabled = true;
    bool allowLetterReuse = true;
    int gridPorosity = 0;
    int minWordLength = 3;
    int maxWordLength = 18;
    bool listenForNetworkPlayers = false;
    std::string portText = "9789";
    // Shown in a client's read-only view of the host's settings.
    std::string hostVersion;
    std::string hostDictionaryVersion;
    // In a network game's options the slots show the players' kinds from the
    // network settings record (0 host, 1 remote, 2 computer) instead of input methods.
    bool showPlayerKinds = false;
    std::array<std::uint8_t, 4> playerKinds{};
};

// A duration field as the game reads it: a decimal number, 0 for text that is
// not one, 0 for a negative value.
int parseDurationField(const std::string& text);

} // namespace lettrava
