#pragma once

#include "core/game/GameSetup.h"
#include "core/game/Player.h"
#include "core/game/Round.h"
#include "core/game/Verdict.h"
#include "core/platform/Texts.h"
#include "core/game/WordEntry.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lettrava {

class GameView;
class PlayerStore;
class Grid;
class Timer;

namespace NetworkMode {
inline constexpr std::uint8_t Local = 0;
inline constexpr std::uint8_t Host = 1;
inline constexpr std::uint8_t Client = 2;
} // namespace NetworkMode

// Where a word comes from when a person or a computer submits it.
namespace WordSource {
inline constexpr int Keyboard = 0;
inline constexpr int Mouse = 1;
inline constexpr int Computer = 3;
} // namespace WordSource

// The network settings record's game part (the network layer adds its frame).
struct GameInfo {
    std::int32_t minWordLength = 3;
    std::int32_t maxWordLength = 18;
    std::int32_t gridPorosity = 0;
    bool bonusWordEnabled = true;
    bool allowLetterReuse = true;
    std::int32_t gridSizeOrder = 0;
    std::int32_t playerCount = 0;
    std::int32_t roundsPerGame = 0;
    std::int32_t currentRound = 0;
    bool automaticDuration = true;
    std::int32_t roundMinutes = 2;
    std::int32_t roundSeconds = 0;
    std::string versionText;
    std::string dictionaryVersion;
    std::array<std::string, 4> names;
    std::array<std::uint8_t, 4> kinds{};
};

// What a host sends to its clients as the game goes on. Installed by the
// network side of a hosting game; a local game has none. Every call comes on
// the user-interface thread.
class HostLink {
public:
    virtual ~HostLink() = default;
    // The players' images (at the first round's start and after each round).
    virtual void sendPlayers() = 0;
    // The settings record (each round's start).
    virtual void sendSettings() = 0;
    // The new round's grid, as soon as it exists.
    virtual void sendGrid(const Grid& grid) = 0;
    // The scores, every 20 ticks of a running round.
    virtual void sendScores() = 0;
    // The bonus hint as shown (the whole word when revealed) and its points.
    virtual void sendBonusHint(const std::string& shown, int points) = 0;
    // The host ended the round early (counting or not), or its end-of-round
    // wait ran out and the clients that have not finished must do so now.
    virtual void sendRoundEnd(bool counts) = 0;
    // The round is credited: players, then, when it counts, the word lists
    // and the results notice.
    virtual void sendRoundResults(bool counts) = 0;
    // The game is over: the winner's name or "It was a tie!".
    virtual void sendWinner(const std::string& text) = 0;
    // The host moved its clock: every member's clock follows to this many
    // seconds left.
    virtual void sendTimeLeft(int seconds) { (void)seconds; }
};

// Where a client game's words go: typed or clicked words are sent to the
// host, which judges them; the verdict comes back through showRemoteVerdict.
class ClientLink {
public:
    virtual ~ClientLink() = default;
    virtual void sendWord(const std::string& text) = 0;
};

// One match of one to twenty timed rounds between one to four players.
//
// The game and everything it owns is touched on the user-interface thread
// only, driven by its 300 ms timer. A host's connection threads hand remote
// words, finished marks and the like to that thread (see TaskSeam) instead of
// calling the game themselves.
class Game {
public:
    static constexpr int kMaxPlayers = 4;
    static constexpr int kMaxRounds = 20;
    static constexpr std::uint32_t kTimerInterval = 300;
    static constexpr const char* kVersionText = " 1.0";

    // An empty game: no players, no round, ready; the scoring tables filled.
    explicit Game(GameView& view);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // --- creating a game
    // A new local or hosting game from the setup dialog. Not ready (or with no
    // players) when the user cancels.
    static std::unique_ptr<Game> createNew(GameView& view, bool allowNetworkChoice);
    // A new game from choices made elsewhere (the setup dialog already closed).
    static std::unique_ptr<Game> createFromSetup(GameView& view, const GameSetup& setup);
    // A game continued from a saved-game file; not ready when it cannot be read.
    static std::unique_ptr<Game> createFromFile(GameView& view, const std::filesystem::path& file);
    // A client game that mirrors a host's.
    static std::unique_ptr<Game> createClient(GameView& view);

    bool setupFromDialog(bool isNew, bool allowNetworkChoice);
    // Takes over accepted setup choices.
    void applySetup(const GameSetup& setup, bool isNew);
    void planGridSizes(const GameSetup& setup);
    // The game's current values in the form the setup dialog shows them.
    GameSetup currentSetup() const;

    // --- queries
    static std::int32_t pointsFor(int length);
    static std::int32_t uniqueBonusFor(int length);
    Player* playerAt(int index) const;
    Player* findPlayerByName(const std::string& name) const;
    // The first remote player (input method -1) with exactly that name.
    Player* findRemotePlayer(const std::string& name) const;
    // Whole seconds left in the running round; 0 when no round runs (an ended
    // or aborted round has no time left, whatever its clock said).
    int secondsLeftInRunningRound() const;
    // Whether the host is waiting for its remote players to finish the round.
    bool hostWaiting() const;
    Player* keyboardPlayer() const;
    Player* mousePlayer() const;
    Player* computerPlayer() const;
    bool isUniqueWord(const std::string& text, const Player* exceptPlayer) const;
    // The winner's name or the tie text, in English: it is also sent to the
    // members of a network game.
    std::string winnerText() const;
    static constexpr const char* kTieText = QT_TRANSLATE_NOOP("Game", "It was a tie!");
    GameView& view() const { return view_; }
    Round* round() const { return round_.get(); }
    WordEntry& wordEntry() { return wordEntry_; }
    bool isReady() const { return ready && playerCount > 0; }

    // --- rounds
    // The "Start Round" command: a new round is set up, the board built, the
    // clock, the solver and the timer started.
    void startRoundCommand();
    void startRound();
    // The 300 ms timer's handler.
    void tick();
    // Ends the running round at the next tick; it counts or not. A paused
    // round is resumed for it.
    void requestRoundEnd(bool counts);
    // The "Show Results" command: the last round's results window, or the
    // box saying that there are none.
    void showResultsCommand();
    void endRound();
    void creditRound();
    void showRoundResults();
    void prepareNextRound();
    bool allPlayersFinished() const;
    void markLocalPlayersFinished();
    // The "Pause" command (local games).
    void pauseCommand();
    // A click on the clock label: one minute less.
    void clockClicked();
    // A click on the round-time picture between rounds: left adds 15 seconds,
    // right takes 15 away; the hint is rewritten.
    void roundTimeClicked(bool increase);
    std::string roundTimeHint() const;
    // Closing the window during a round: the round is taken back and stopped
    // as a round that does not count, at once.
    void abortRoundForClose();
    // Shows the bonus hint: some letters, or the whole word when revealing.
    void showBonusHint(const std::string& word, bool reveal);

    // --- words
    VerdictCode submitWord(const std::string& text, int source);
    // A word that a remote player sent to the host. Nothing (no verdict at
    // all) while no round runs and the host is not waiting for the round's
    // end: such a word would be judged against no grid, or change scores that
    // were already sent out. A name that is not a remote player's gives -9.
    std::optional<VerdictCode> submitRemoteWord(const std::string& playerName, const std::string& text);
    // Whether remote words are judged now: a round runs, or the host waits for
    // its remote players to finish it.
    bool acceptsRemoteWords() const;
    // A client game's word (typed or clicked) leaves for the host.
    void sendWordToHost(const std::string& text);
    // A client shows the host's verdict on a word it sent, with its sound.
    void showRemoteVerdict(VerdictCode verdict, const std::string& text);
    VerdictCode applyLengthRules(const std::string& text) const;
    // Shows the verdict's status message, when it cannot belong to the wrong person.
    void showVerdict(VerdictCode verdict, const std::string& text);
    bool verdictMessagesShown() const;

    // --- the end of a game
    void decideWinner();
    void finishGame();
    void refreshScores();

    // --- saved games
    // Writes the saved-game file; false when it could not be written, and
    // then the game still counts as unsaved.
    bool saveToFile(const std::filesystem::path& file);
    bool loadFromFile(const std::filesystem::path& file);

    // --- network support
    void toSettingsRecord(GameInfo& record) const;
    void fromSettingsRecord(const GameInfo& record);
    std::array<std::int32_t, 5> scoresSnapshot() const;
    void applyScores(const std::array<std::int32_t, 5>& scores);
    std::string copyPlayers() const;
    // Takes the host's player images for slots 0 to playerCount - 1. A slot
    // that already holds a player of this game keeps that object and takes
    // the image's values into it (an open results window keeps pointers to
    // the players); its word list is emptied. A short image leaves the
    // missing fields at a new player's values.
    void replacePlayers(const unsigned char* bytes, std::size_t size);
    bool addRemotePlayer(const std::string& name);
    void replaceWordList(const unsigned char* bytes, std::size_t size);
    void markPlayerFinished(const std::string& name);
    // A member renamed itself: the player named exactly oldName takes the new
    // name, on its name label too. False when no player has the old name.
    bool renamePlayer(const std::string& oldName, const std::string& newName);
    void placeEmptyPlayer(int slot);
    void setBonusWordFromHost(const std::string& text, int points);
    void showCongratulations(const std::string& text);
    void setHostLink(HostLink* link) { hostLink_ = link; }
    HostLink* hostLink() const { return hostLink_; }
    void setClientLink(ClientLink* link) { clientLink_ = link; }
    // A client's next grid, received from its host; the next round takes it.
    void setReceivedGrid(std::unique_ptr<Grid> grid);
    // Puts a player that this game owns into a slot, replacing (and freeing,
    // when owned) the one there.
    void adoptPlayer(int slot, std::unique_ptr<Player> player) { setPlayer(slot, std::move(player)); }

    // --- fields
    std::int32_t roundsPerGame = 0;
    std::int32_t currentRound = 0;
    std::int32_t roundMinutes = 0;
    std::int32_t roundSeconds = 0;
    std::int32_t hostTickCount = 0;
    std::array<std::int32_t, kMaxRounds> columnsByRound{};
    std::array<std::int32_t, kMaxRounds> rowsByRound{};
    std::int32_t gridSizeOrder = 0;
    bool inProgress = false;
    bool roundRunning = false;
    bool manualGridSize = false;
    bool hasKeyboardPlayer = false;
    bool unsavedChanges = false;
    bool endRequested = false;
    bool automaticDuration = false;
    bool roundCounts = false;
    std::uint8_t networkMode = NetworkMode::Local;
    std::vector<std::string> gridFiles;
    std::array<Player*, kMaxPlayers> players{};
    Player* winner = nullptr;
    std::array<std::string, 4> remoteNames;
    std::array<std::uint8_t, 4> remoteKinds{};
    bool hasMousePlayer = false;
    bool ready = true;
    bool bonusWordEnabled = false;
    std::int32_t playerCount = 0;
    std::int32_t hostPort = 0;
    std::string dictionaryVersion;
    std::string versionText;

private:
    void createTimer();
    void setPlayer(int slot, std::unique_ptr<Player> owned);
    void releaseOwnedPlayer(Player* p);
    bool ownsPlayer(const Player* p) const;
    void hostWaitTick();
    void finishHostWait(bool allFinished);
    void creditAndShowResults();

    GameView& view_;
    // The store of the local players' records, held while the game lives.
    std::shared_ptr<PlayerStore> playerStore_;
    std::unique_ptr<Round> round_;
    std::unique_ptr<Timer> gameTimer_;
    std::unique_ptr<Timer> hostWaitTimer_;
    std::uint32_t hostWaitStart_ = 0;
    std::unique_ptr<Grid> receivedGrid_;
    std::vector<std::unique_ptr<Player>> ownedPlayers_;
    HostLink* hostLink_ = nullptr;
    ClientLink* clientLink_ = nullptr;
    WordEntry wordEntry_;
};

// The round panel's caption, "Round N" (before the first round, round 1).
std::string roundLabel(int round);

} // namespace lettrava
