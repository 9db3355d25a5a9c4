#include "core/game/Game.h"
#include "core/platform/Texts.h"

#include "core/game/PlayerStore.h"
#include "core/game/SavedGameFile.h"

#include "core/grid/CompSearchThread.h"
#include "core/grid/Grid.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/Debug.h"
#include "core/platform/Dialogs.h"
#include "core/platform/FileUtil.h"
#include "core/platform/GameView.h"
#include "core/platform/Random.h"
#include "core/platform/Sounds.h"
#include "core/platform/TextLabel.h"
#include "core/words/Dictionary.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <tuple>

namespace lettrava {

namespace {

constexpr std::int32_t kPointsByLength[16] = {1, 2, 3, 5, 7, 10, 13, 16, 19, 22, 26, 30, 35, 42, 65, 100};
constexpr std::int32_t kUniqueBonusByLength[16] = {1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9};

// Logs entry and exit of one of the game's main steps.
class StepLog {
public:
    explicit StepLog(const char* step) : step_(step) { debugLog(std::string("enter ") + step_); }
    ~StepLog() { debugLog(std::string("exit ") + step_); }

private:
    const char* step_;
};

int clampSize(int v) { return std::clamp(v, 3, 12); }

} // namespace

Game::Game(GameView& view) : view_(view), playerStore_(playerStoreForNewGames()), wordEntry_(*this) {}

Game::~Game()
{
    if (gameTimer_)
        gameTimer_->setEnabled(false);
    if (hostWaitTimer_)
        hostWaitTimer_->setEnabled(false);
    round_.reset();
    // The player store's records outlive the game: they must not keep
    // pointing at it or at the window's labels it lent them.
    for (Player* p : players) {
        if (p && p->game == this) {
            p->game = nullptr;
            p->scoreLabel = nullptr;
            p->nameLabel = nullptr;
        }
    }
}

// ------------------------------------------------------------------ creation

std::unique_ptr<Game> Game::createNew(GameView& view, bool allowNetworkChoice)
{
    auto game = std::make_unique<Game>(view);
    game->versionText = kVersionText;
    game->dictionaryVersion = Dictionary::instance().dictionaryVersion();
    game->inProgress = game->setupFromDialog(true, allowNetworkChoice);
    if (!game->inProgress) {
        game->playerCount = 0;
        return game;
    }
    game->createTimer();
    return game;
}

std::unique_ptr<Game> Game::createFromSetup(GameView& view, const GameSetup& setup)
{
    auto game = std::make_unique<Game>(view);
    game->versionText = kVersionText;
    game->dictionaryVersion = Dictionary::instance().dictionaryVersion();
    game->applySetup(setup, true);
    game->inProgress = true;
    game->createTimer();
    return game;
}

std::unique_ptr<Game> Game::createFromFile(GameView& view, const std::filesystem::path& file)
{
    auto game = std::make_unique<Game>(view);
    game->versionText = kVersionText;
    game->dictionaryVersion = Dictionary::instance().dictionaryVersion();
    game->ready = game->loadFromFile(file);
    if (game->ready) {
        game->inProgress = true;
        game->createTimer();
    }
    return game;
}

std::unique_ptr<Game> Game::createClient(GameView& view)
{
    auto game = std::make_unique<Game>(view);
    game->networkMode = NetworkMode::Client;
    game->hasKeyboardPlayer = true;
    game->hasMousePlayer = true;
    game->currentRound = 1;
    game->inProgress = true;
    return game;
}

void Game::createTimer()
{
    gameTimer_ = timers().createTimer(kTimerInterval, [this] { tick(); });
    gameTimer_->setEnabled(false);
}

bool Game::setupFromDialog(bool isNew, bool allowNetworkChoice)
{
    GameSetup setup = isNew ? GameSetup{} : currentSetup();
    if (!view_.runSetupDialog(setup, isNew, allowNetworkChoice))
        return false;
    applySetup(setup, isNew);
    return true;
}

GameSetup Game::currentSetup() const
{
    GameSetup s;
    const GridOptions& o = gridOptions();
    s.playerCount = playerCount;
    for (int i = 0; i < kMaxPlayers; ++i) {
        if (const Player* p = playerAt(i)) {
            s.players[static_cast<std::size_t>(i)].inputMethod = p->inputMethod;
            s.players[static_cast<std::size_t>(i)].name = p->name;
            s.players[static_cast<std::size_t>(i)].computerLevel = p->computerLevel;
        }
    }
    if (networkMode != NetworkMode::Local) {
        GameInfo info;
        toSettingsRecord(info);
        s.showPlayerKinds = true;
        for (std::size_t i = 0; i < 4; ++i) {
            s.players[i].name = info.names[i];
            s.playerKinds[i] = info.kinds[i];
        }
    }
    s.roundsPerGame = roundsPerGame;
    s.gridSizeOrder = gridSizeOrder;
    s.gridFiles = gridFiles;
    s.automaticDuration = automaticDuration;
    s.minutesText = std::to_string(roundMinutes);
    s.secondsText = (roundSeconds < 10 ? "0" : "") + std::to_string(roundSeconds);
    s.bonusWordEnabled = bonusWordEnabled;
    s.allowLetterReuse = o.allowLetterReuse;
    s.minWordLength = o.minWordLength;
    s.maxWordLength = o.maxWordLength;
    s.gridPorosity = o.gridPorosity;
    s.listenForNetworkPlayers = networkMode == NetworkMode::Host;
    s.portText = std::to_string(hostPort);
    s.hostVersion = versionText;
    s.hostDictionaryVersion = dictionaryVersion;
    return s;
}

void Game::applySetup(const GameSetup& setup, bool isNew)
{
    GridOptions& o = gridOptions();
    bonusWordEnabled = setup.bonusWordEnabled;
    o.allowLetterReuse = setup.allowLetterReuse;
    o.gridPorosity = std::clamp(setup.gridPorosity, 0, 60);
    o.minWordLength = std::clamp(setup.minWordLength, 3, 18);
    o.maxWordLength = std::clamp(setup.maxWordLength, o.minWordLength, 18);
    automaticDuration = setup.automaticDuration;

    roundMinutes = parseDurationField(setup.minutesText);
    roundSeconds = parseDurationField(setup.secondsText);
    if (roundMinutes == 0 && roundSeconds == 0)
        roundSeconds = 15;

    if (isNew) {
        playerCount = std::clamp(setup.playerCount, 1, kMaxPlayers);
        roundsPerGame = std::clamp(setup.roundsPerGame, 1, kMaxRounds);
        planGridSizes(setup);
        hasKeyboardPlayer = false;
        hasMousePlayer = false;
        for (int i = 0; i < playerCount; ++i) {
            const std::int32_t method = setup.players[static_cast<std::size_t>(i)].inputMethod;
            hasKeyboardPlayer = hasKeyboardPlayer || method == 0 || method == 1;
            hasMousePlayer = hasMousePlayer || method == 0 || method == 2;
        }
        for (int i = 0; i < playerCount; ++i) {
            const PlayerChoice& c = setup.players[static_cast<std::size_t>(i)];
            std::int32_t level = 0;
            if (c.inputMethod == InputMethod::Computer)
                level = c.computerLevel > 0 ? std::clamp(c.computerLevel, 1, 8) : computerLevelForName(c.name);
            Player* p = playerStore_->registerForGame(this, c.inputMethod, c.name, level,
                                                                      &view_.scoreLabel(i));
            p->nameLabel = &view_.nameLabel(i);
            p->resetForGame();
            players[static_cast<std::size_t>(i)] = p;
        }
        manualGridSize = setup.gridSizeOrder == 2;
    }

    if (setup.listenForNetworkPlayers) {
        networkMode = NetworkMode::Host;
        int port = 0;
        const auto& t = setup.portText;
        auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), port);
        hostPort = (ec == std::errc() && ptr == t.data() + t.size() && port > 0 && port < 65536) ? port : 9789;
    } else {
        networkMode = NetworkMode::Local;
    }
}

void Game::planGridSizes(const GameSetup& setup)
{
    gridSizeOrder = std::clamp(setup.gridSizeOrder, 0, 3);
    for (int slot = 0; slot < roundsPerGame; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        switch (gridSizeOrder) {
        case 0:
            rowsByRound[s] = columnsByRound[s] = slot % 10 + 3;
            break;
        case 1:
        case 3:
            rowsByRound[s] = Random::instance().between(3, 12);
            columnsByRound[s] = Random::instance().between(3, 12);
            break;
        default:
            break;
        }
    }
    if (gridSizeOrder == 3)
        gridFiles = setup.gridFiles;
}

// ------------------------------------------------------------------ queries

std::int32_t Game::pointsFor(int length)
{
    return (length < 3 || length > 18) ? 0 : kPointsByLength[length - 3];
}

std::int32_t Game::uniqueBonusFor(int length)
{
    return (length < 3 || length > 18) ? 0 : kUniqueBonusByLength[length - 3];
}

Player* Game::playerAt(int index) const
{
    if (index < 0 || index >= playerCount || index >= kMaxPlayers)
        return nullptr;
    return players[static_cast<std::size_t>(index)];
}

Player* Game::findPlayerByName(const std::string& name) const
{
    for (int i = 0; i < playerCount; ++i)
        if (Player* p = playerAt(i); p && p->name == name)
            return p;
    return nullptr;
}

Player* Game::findRemotePlayer(const std::string& name) const
{
    for (int i = 0; i < playerCount; ++i)
        if (Player* p = playerAt(i); p && p->isRemote() && p->name == name)
            return p;
    return nullptr;
}

int Game::secondsLeftInRunningRound() const
{
    if (!roundRunning || !round_)
        return 0;
    return std::max(0, round_->secondsLeftNow());
}

bool Game::hostWaiting() const
{
    return networkMode == NetworkMode::Host && hostWaitTimer_ && hostWaitTimer_->isEnabled();
}

Player* Game::keyboardPlayer() const
{
    for (int i = 0; i < playerCount; ++i)
        if (Player* p = playerAt(i); p && (p->inputMethod == 0 || p->inputMethod == 1))
            return p;
    return nullptr;
}

Player* Game::mousePlayer() const
{
    for (int i = 0; i < playerCount; ++i)
        if (Player* p = playerAt(i); p && (p->inputMethod == 0 || p->inputMethod == 2))
            return p;
    return nullptr;
}

Player* Game::computerPlayer() const
{
    for (int i = 0; i < playerCount; ++i)
        if (Player* p = playerAt(i); p && p->inputMethod == InputMethod::Computer)
            return p;
    return nullptr;
}

bool Game::isUniqueWord(const std::string& text, const Player* exceptPlayer) const
{
    for (int i = 0; i < playerCount; ++i) {
        const Player* p = playerAt(i);
        if (p && p != exceptPlayer && p->hasWord(text))
            return false;
    }
    return true;
}

std::string roundLabel(int round)
{
    return fillIn(translate("Game", "Round %1"), {std::to_string(round == 0 ? 1 : round)});
}

std::string Game::winnerText() const { return winner ? winner->name : kTieText; }

// ------------------------------------------------------------------ rounds

void Game::startRoundCommand()
{
    StepLog log("startRoundCommand");
    WaitCursor wait;
    view_.setStatusText(translate("Game", "Please stand by . . ."));
    view_.roundStarting();
    if (networkMode == NetworkMode::Host && currentRound == 0 && hostLink_)
        hostLink_->sendPlayers();

    startRound();

    round_->updateClock();
    if (networkMode == NetworkMode::Host && hostLink_)
        hostLink_->sendGrid(round_->grid());

    sounds().playSound(SoundEvent::BuildingGrid);
    view_.buildBoard(round_->grid());
    round_->startClock();

    wordEntry_.reset();
    view_.placeWordEntryPanel(hasKeyboardPlayer);
    view_.refreshLetterCells();
    view_.setStatusText(translate("Game", "You may submit words now"));

    round_->startSolver();
    if (networkMode != NetworkMode::Client && gameTimer_)
        gameTimer_->setEnabled(true);
}

void Game::startRound()
{
    StepLog log("startRound");
    endRequested = false;
    roundCounts = true;
    round_.reset();

    GridOptions& o = gridOptions();
    std::filesystem::path file;
    if (networkMode != NetworkMode::Client) {
        ++currentRound;
        if (manualGridSize) {
            int columns = o.gridColumns, rows = o.gridRows;
            view_.manualGridSize(columns, rows);
            o.gridColumns = clampSize(columns);
            o.gridRows = clampSize(rows);
        } else {
            const auto slot = static_cast<std::size_t>(std::clamp(currentRound - 1, 0, kMaxRounds - 1));
            o.gridColumns = clampSize(columnsByRound[slot]);
            o.gridRows = clampSize(rowsByRound[slot]);
        }
        hostTickCount = 0;
        if (currentRound >= 1 && gridFiles.size() >= static_cast<std::size_t>(currentRound)
            && !gridFiles[static_cast<std::size_t>(currentRound - 1)].empty())
            file = gridFiles[static_cast<std::size_t>(currentRound - 1)];
    }

    round_ = std::make_unique<Round>(*this, file, std::move(receivedGrid_), automaticDuration ? 0 : roundMinutes,
                                     automaticDuration ? 0 : roundSeconds);

    view_.enterRoundMode(*this);
    if (networkMode == NetworkMode::Host && hostLink_)
        hostLink_->sendSettings();

    if (networkMode != NetworkMode::Client)
        for (int i = 0; i < playerCount; ++i)
            if (Player* p = playerAt(i))
                p->resetForRound(bonusWordEnabled);

    roundRunning = true;
    unsavedChanges = true;
}

void Game::tick()
{
    if (!round_)
        return;
    round_->updateClock();
    if (endRequested || round_->timeLeft < 0) {
        if (networkMode != NetworkMode::Client)
            markLocalPlayersFinished();
        endRound();
        return;
    }
    if (networkMode != NetworkMode::Client) {
        if (bonusWordEnabled && round_->bonusWord.empty())
            round_->chooseBonusWord();
        const int elapsed = round_->duration - round_->timeLeft;
        for (int i = 0; i < playerCount; ++i)
            if (Player* p = playerAt(i); p && p->isComputer())
                p->computerMove(elapsed);
        if (networkMode == NetworkMode::Host && ++hostTickCount >= 20) {
            hostTickCount = 0;
            if (hostLink_)
                hostLink_->sendScores();
        }
    }
    if (round_->timeLeft < 10) {
        view_.setClockFlashing(true);
        sounds().playSound(SoundEvent::TenSecondsLeft, true);
    }
}

void Game::requestRoundEnd(bool counts)
{
    // A host's own abort reaches its clients before its round ends.
    if (networkMode == NetworkMode::Host && roundRunning && !endRequested && hostLink_)
        hostLink_->sendRoundEnd(counts);
    endRequested = true;
    roundCounts = counts;
    // A paused round has no running timer: it is resumed, so that it ends at
    // the next tick instead of waiting for the user to resume it.
    if (round_ && round_->paused && roundRunning && networkMode == NetworkMode::Local)
        pauseCommand();
}

void Game::showResultsCommand()
{
    if (round_) {
        round_->showResults();
        return;
    }
    dialogs().showMessage(translate("Game", Round::kNoResultsText), translate("Game", "Error"), MessageButtons::Ok,
                          MessageIcon::Error);
}

void Game::markLocalPlayersFinished()
{
    for (int i = 0; i < playerCount; ++i)
        if (Player* p = playerAt(i); p && !p->isRemote())
            p->finished = true;
}

bool Game::allPlayersFinished() const
{
    for (int i = 0; i < playerCount; ++i)
        if (const Player* p = playerAt(i); p && p->active && !p->finished)
            return false;
    return true;
}

void Game::endRound()
{
    StepLog log("endRound");
    sounds().stopSounds();
    if (!endRequested)
        sounds().playSound(SoundEvent::RoundOver);
    if (networkMode != NetworkMode::Client && gameTimer_)
        gameTimer_->setEnabled(false);

    wordEntry_.clearMouseWord();
    if (networkMode == NetworkMode::Host) {
        hostWaitStart_ = clock().tickCount();
        if (!hostWaitTimer_)
            hostWaitTimer_ = timers().createTimer(kTimerInterval, [this] { hostWaitTick(); });
        hostWaitTimer_->setEnabled(true);
        view_.setStatusText(translate("Game", "Waiting for all players to finish.  Please stand by..."));
    } else if (networkMode == NetworkMode::Local) {
        if (round_ && !round_->bonusWord.empty())
            showBonusHint(round_->bonusWord, true);
        view_.setShowResultsEnabled(true);
    }
    view_.leaveRoundMode(*this, roundCounts);
    view_.setClockFlashing(false);
    view_.setClockText(roundCounts ? translate("Game", "OVER") : translate("Game", "ABORTED"));

    if (networkMode != NetworkMode::Client)
        clock().sleep(1000);
    roundRunning = false;

    if (networkMode == NetworkMode::Client) {
        if (round_)
            round_->stopSolver();
    } else if (networkMode == NetworkMode::Local) {
        creditRound();
        if (roundCounts)
            showRoundResults();
    }
    // A round that does not count is played again under the same number.
    if (!roundCounts) {
        currentRound = std::max(0, currentRound - 1);
        if (networkMode == NetworkMode::Local)
            prepareNextRound();
    }
}

void Game::hostWaitTick()
{
    const std::uint32_t waited = clock().tickCount() - hostWaitStart_;
    const bool allFinished = allPlayersFinished();
    if (waited <= 15000 && !allFinished)
        return;
    hostWaitTimer_->setEnabled(false);
    finishHostWait(allFinished);
}

void Game::finishHostWait(bool allFinished)
{
    if (allFinished) {
        view_.setStatusText(translate("Game", "All players finished."));
    } else {
        view_.setStatusText(translate("Game", "Wait time limit exceeded. Forcing round completion."));
        if (hostLink_)
            hostLink_->sendRoundEnd(true);
    }
    if (round_ && !round_->bonusWord.empty())
        showBonusHint(round_->bonusWord, true);
    creditRound();
    if (hostLink_)
        hostLink_->sendRoundResults(roundCounts);
    if (roundCounts)
        view_.setShowResultsEnabled(true);
    showRoundResults();
}

void Game::creditRound()
{
    if (!round_)
        return;
    const int bonus = round_->bonusPoints();
    for (int i = 0; i < playerCount; ++i) {
        Player* p = playerAt(i);
        if (!p)
            continue;
        if (roundCounts)
            p->creditRound(bonus);
        else
            p->undoRound();
    }
}

void Game::showRoundResults()
{
    StepLog log("showRoundResults");
    if (!round_)
        return;
    if (networkMode == NetworkMode::Client) {
        view_.setStatusText("");
        view_.setMainWindowVisible(false);
        view_.setShowResultsEnabled(true);
        round_->setResultsWindow(view_.createResultsWindow(*this, *round_));
        if (ResultsWindow* w = round_->resultsWindow())
            w->showModeless();
        if (!round_->bonusWord.empty())
            showBonusHint(round_->bonusWord, true);
        return;
    }

    round_->stopSolver();
    const bool gameEnded = currentRound == roundsPerGame;
    if (gameEnded)
        finishGame();
    if (roundCounts) {
        playerStore_->saveAll();
        round_->setResultsWindow(view_.createResultsWindow(*this, *round_));
    }
    ResultsWindow* results = round_->resultsWindow();
    if (gameEnded && playerCount > 1) {
        sounds().playSound(SoundEvent::GameEnd);
        if (networkMode == NetworkMode::Host && hostLink_)
            hostLink_->sendWinner(winnerText());
        const bool humanWinner = winner && winner->inputMethod < InputMethod::Computer;
        view_.setMainWindowVisible(false);
        view_.showCongratulations(winner ? winner->name : translate("Game", kTieText), humanWinner);
        if (!results)
            view_.setMainWindowVisible(true);
    }
    if (results) {
        view_.setMainWindowVisible(false);
        results->showModal();
        view_.setMainWindowVisible(true);
    }
    if (!gameEnded)
        prepareNextRound();
}

void Game::prepareNextRound()
{
    if (roundsPerGame - currentRound == 1)
        view_.setStatusText(translate("Game", "Click GO or press Enter to start the LAST round"));
    else
        view_.setStatusText(fillIn(translate("Game", "Click GO or press Enter to start round %1"),
                                   {std::to_string(currentRound + 1)}));
    view_.setRoundTimeHint(roundTimeHint());
    view_.prepareNextRound(*this);
    view_.setRoundLabel(roundLabel(currentRound));
}

void Game::pauseCommand()
{
    if (!round_ || !roundRunning || networkMode != NetworkMode::Local)
        return;
    if (gameTimer_)
        gameTimer_->setEnabled(round_->paused);
    round_->togglePause();
}

void Game::clockClicked()
{
    // The host owns a network game's clock: a client's click does nothing,
    // and the host's clock takes the members' clocks along.
    if (!round_ || networkMode == NetworkMode::Client)
        return;
    round_->startTick -= 60000;
    if (networkMode == NetworkMode::Host && hostLink_ && roundRunning)
        hostLink_->sendTimeLeft(secondsLeftInRunningRound());
}

std::string Game::roundTimeHint() const
{
    const std::string time = Round::clockText(roundMinutes * 60 + roundSeconds);
    if (networkMode == NetworkMode::Client)
        return fillIn(translate("Game", "Round time: %1"), {time});
    return fillIn(translate("Game", "Round time: %1 - Left (right) click to increase (decrease)"), {time});
}

void Game::roundTimeClicked(bool increase)
{
    int total = roundMinutes * 60 + roundSeconds;
    total = increase ? std::min(total + 15, 5999) : std::max(total - 15, 15);
    roundMinutes = total / 60;
    roundSeconds = total % 60;
    view_.setRoundTimeHint(roundTimeHint());
}

void Game::abortRoundForClose()
{
    if (!roundRunning || networkMode == NetworkMode::Client)
        return;
    for (int i = 0; i < playerCount; ++i)
        if (Player* p = playerAt(i))
            p->undoRound();
    --currentRound;
    roundCounts = false;
    endRequested = true;
    sounds().stopSounds();
    if (gameTimer_)
        gameTimer_->setEnabled(false);
    wordEntry_.clearMouseWord();
    view_.leaveRoundMode(*this, false);
    view_.setClockFlashing(false);
    view_.setClockText(translate("Game", "ABORTED"));
    roundRunning = false;
    if (round_)
        round_->stopSolver();
}

void Game::showBonusHint(const std::string& word, bool reveal)
{
    const GridOptions& o = gridOptions();
    const std::size_t k = (o.gridColumns < 5 && o.gridRows < 5) ? 1 : 2;
    std::string shown = word;
    if (!reveal && k < word.size()) {
        std::vector<std::size_t> keep;
        while (keep.size() < k) {
            const auto at = static_cast<std::size_t>(Random::instance().below(static_cast<std::uint32_t>(word.size())));
            if (std::find(keep.begin(), keep.end(), at) == keep.end())
                keep.push_back(at);
        }
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (std::find(keep.begin(), keep.end(), i) == keep.end())
                shown[i] = '_';
    }
    const int points = round_ ? round_->bonusPoints() : 0;
    view_.showBonusHint(shown, fillIn(translate("Game", "%1 pts"), {std::to_string(points)}));
    if (networkMode == NetworkMode::Host && hostLink_)
        hostLink_->sendBonusHint(shown, points);
}

// ------------------------------------------------------------------ words

VerdictCode Game::applyLengthRules(const std::string& text) const
{
    const GridOptions& o = gridOptions();
    const int length = static_cast<int>(text.size());
    if (o.minWordLength == o.maxWordLength && length != o.minWordLength)
        return Verdict::WrongLength;
    if (length < o.minWordLength)
        return Verdict::TooShort;
    if (length > o.maxWordLength)
        return Verdict::TooLong;
    return 0;
}

VerdictCode Game::submitWord(const std::string& text, int source)
{
    const VerdictCode rule = applyLengthRules(text);
    if (rule < 0)
        return rule;
    Player* p = source == WordSource::Keyboard ? keyboardPlayer()
              : source == WordSource::Mouse    ? mousePlayer()
                                               : computerPlayer();
    if (!p)
        return Verdict::NoSuchPlayer;
    return p->judge(text);
}

bool Game::acceptsRemoteWords() const { return round_ && (roundRunning || hostWaiting()); }

std::optional<VerdictCode> Game::submitRemoteWord(const std::string& playerName, const std::string& text)
{
    if (!acceptsRemoteWords())
        return std::nullopt;
    // Only remote players' words arrive over the network: a member named like
    // a computer opponent or a person at this computer cannot play for them.
    Player* p = findRemotePlayer(playerName);
    if (!p)
        return Verdict::NoSuchPlayer;
    const VerdictCode rule = applyLengthRules(text);
    if (rule < 0)
        return rule;
    return p->judge(text);
}

void Game::sendWordToHost(const std::string& text)
{
    if (networkMode == NetworkMode::Client && roundRunning && clientLink_)
        clientLink_->sendWord(text);
}

void Game::showRemoteVerdict(VerdictCode verdict, const std::string& text)
{
    showVerdict(verdict, text);
    if (verdict >= 0)
        sounds().playSound(SoundEvent::GoodWord);
    else if (verdict == Verdict::NeedsReuse || verdict == Verdict::NotInGrid)
        sounds().playSound(SoundEvent::WordNotInGrid);
    else if (verdict == Verdict::Offensive)
        sounds().playOffensiveWordSound();
    else if (verdict == Verdict::NotInDictionary)
        sounds().playSound(SoundEvent::WordNotInDict);
}

bool Game::verdictMessagesShown() const
{
    // A client's words come from the one person at this computer.
    if (networkMode == NetworkMode::Client)
        return true;
    const Player* k = keyboardPlayer();
    const Player* m = mousePlayer();
    return !k || !m || k == m;
}

void Game::showVerdict(VerdictCode verdict, const std::string& text)
{
    if (!verdictMessagesShown())
        return;
    const GridOptions& o = gridOptions();
    view_.setStatusText(verdictMessage(verdict, text, o.minWordLength, o.maxWordLength));
}

// ------------------------------------------------------------------ the end of a game

void Game::decideWinner()
{
    Player* candidate = playerAt(0);
    bool tie = false;
    for (int i = 1; i < playerCount; ++i) {
        Player* p = playerAt(i);
        if (!p || !candidate)
            continue;
        auto key = [](const Player* q) {
            return std::make_tuple(q->gameScore, q->wordsThisGame, q->longestThisGame.size(), q->roundScore);
        };
        if (key(p) > key(candidate)) {
            candidate = p;
            tie = false;
        } else if (key(p) == key(candidate)) {
            tie = true;
        }
    }
    winner = tie ? nullptr : candidate;
}

void Game::finishGame()
{
    StepLog log("finishGame");
    decideWinner();
    for (int i = 0; i < playerCount; ++i)
        if (Player* p = playerAt(i))
            p->gamesCompleted += 1;
    if (winner && playerCount > 1)
        winner->gamesWon += 1;
    inProgress = false;
}

void Game::refreshScores()
{
    for (int i = 0; i < playerCount; ++i)
        if (const Player* p = playerAt(i))
            p->showScore();
}

// ------------------------------------------------------------------ network support

void Game::toSettingsRecord(GameInfo& r) const
{
    const GridOptions& o = gridOptions();
    r.minWordLength = o.minWordLength;
    r.maxWordLength = o.maxWordLength;
    r.gridPorosity = o.gridPorosity;
    r.bonusWordEnabled = bonusWordEnabled;
    r.allowLetterReuse = o.allowLetterReuse;
    r.gridSizeOrder = gridSizeOrder;
    r.playerCount = playerCount;
    r.roundsPerGame = roundsPerGame;
    r.currentRound = currentRound;
    r.automaticDuration = automaticDuration;
    r.roundMinutes = roundMinutes;
    r.roundSeconds = roundSeconds;
    r.versionText = kVersionText;
    r.dictionaryVersion = Dictionary::instance().dictionaryVersion();
    for (std::size_t i = 0; i < 4; ++i) {
        const Player* p = playerAt(static_cast<int>(i));
        if (networkMode == NetworkMode::Host && p) {
            r.names[i] = p->name;
            r.kinds[i] = i == 0 ? 0 : (p->isComputer() ? 2 : 1);
        } else {
            r.names[i] = remoteNames[i];
            r.kinds[i] = remoteKinds[i];
        }
    }
}

void Game::fromSettingsRecord(const GameInfo& r)
{
    GridOptions& o = gridOptions();
    o.minWordLength = std::clamp(r.minWordLength, 3, 18);
    o.maxWordLength = std::clamp(r.maxWordLength, o.minWordLength, 18);
    o.gridPorosity = std::clamp(r.gridPorosity, 0, 60);
    bonusWordEnabled = r.bonusWordEnabled;
    o.allowLetterReuse = r.allowLetterReuse;
    gridSizeOrder = std::clamp(r.gridSizeOrder, 0, 3);
    playerCount = std::clamp(r.playerCount, 0, kMaxPlayers);
    currentRound = std::clamp(r.currentRound, 0, kMaxRounds);
    versionText = r.versionText;
    dictionaryVersion = r.dictionaryVersion;
    remoteNames = r.names;
    remoteKinds = r.kinds;
    automaticDuration = r.automaticDuration;
    roundMinutes = std::clamp(r.roundMinutes, 0, 99);
    roundSeconds = std::clamp(r.roundSeconds, 0, 99);
}

std::array<std::int32_t, 5> Game::scoresSnapshot() const
{
    std::array<std::int32_t, 5> out{};
    for (int i = 0; i < playerCount && i < 4; ++i)
        if (const Player* p = playerAt(i))
            out[static_cast<std::size_t>(i)] = p->gameScore;
    out[4] = currentRound;
    return out;
}

void Game::applyScores(const std::array<std::int32_t, 5>& in)
{
    for (int i = 0; i < playerCount && i < 4; ++i)
        if (Player* p = playerAt(i))
            p->setGameScore(in[static_cast<std::size_t>(i)]);
    currentRound = std::clamp(in[4], 0, kMaxRounds);
}

std::string Game::copyPlayers() const
{
    std::string out;
    for (int i = 0; i < playerCount; ++i)
        if (const Player* p = playerAt(i))
            out += p->toImage();
    return out;
}

void Game::releaseOwnedPlayer(Player* p)
{
    std::erase_if(ownedPlayers_, [p](const std::unique_ptr<Player>& q) { return q.get() == p; });
}

void Game::setPlayer(int slot, std::unique_ptr<Player> owned)
{
    auto s = static_cast<std::size_t>(slot);
    if (winner == players[s])
        winner = nullptr;
    releaseOwnedPlayer(players[s]);
    players[s] = owned.get();
    if (owned)
        ownedPlayers_.push_back(std::move(owned));
}

bool Game::ownsPlayer(const Player* p) const
{
    return p && std::any_of(ownedPlayers_.begin(), ownedPlayers_.end(),
                            [p](const std::unique_ptr<Player>& q) { return q.get() == p; });
}

void Game::replacePlayers(const unsigned char* bytes, std::size_t size)
{
    for (int i = 0; i < playerCount; ++i) {
        Player* p = players[static_cast<std::size_t>(i)];
        if (!ownsPlayer(p)) {
            auto made = std::make_unique<Player>();
            p = made.get();
            setPlayer(i, std::move(made));
        }
        const std::size_t offset = static_cast<std::size_t>(i) * Player::kImageSize;
        p->assignImage(offset < size ? bytes + offset : bytes, offset < size ? size - offset : 0);
        p->game = this;
        p->scoreLabel = &view_.scoreLabel(i);
        p->nameLabel = &view_.nameLabel(i);
        p->nameLabel->setText(p->name);
        p->words.clear();
    }
    if (winner && !ownsPlayer(winner))
        winner = nullptr;
}

bool Game::addRemotePlayer(const std::string& name)
{
    if (playerCount >= kMaxPlayers)
        return false;
    const int slot = playerCount;
    auto p = std::make_unique<Player>(name, &view_.nameLabel(slot));
    p->inputMethod = InputMethod::Remote;
    p->computerLevel = 0;
    p->scoreLabel = &view_.scoreLabel(slot);
    p->game = this;
    setPlayer(slot, std::move(p));
    ++playerCount;
    return true;
}

void Game::replaceWordList(const unsigned char* bytes, std::size_t size)
{
    if (size < 4)
        return;
    const std::int32_t slot = static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[0])
                                                        | static_cast<std::uint32_t>(bytes[1]) << 8
                                                        | static_cast<std::uint32_t>(bytes[2]) << 16
                                                        | static_cast<std::uint32_t>(bytes[3]) << 24);
    Player* p = playerAt(slot);
    if (!p)
        return;
    for (std::size_t at = 4; at + LVWord::kImageSize <= size; at += LVWord::kImageSize)
        p->addWord(LVWord::fromImage(bytes + at, LVWord::kImageSize));
}

void Game::markPlayerFinished(const std::string& name)
{
    if (Player* p = findPlayerByName(name))
        p->finished = true;
}

bool Game::renamePlayer(const std::string& oldName, const std::string& newName)
{
    Player* p = findPlayerByName(oldName);
    if (!p)
        return false;
    p->name = newName.substr(0, Player::kMaxNameLength);
    if (p->nameLabel)
        p->nameLabel->setText(p->name);
    return true;
}

void Game::placeEmptyPlayer(int slot)
{
    if (slot < 0 || slot >= kMaxPlayers)
        return;
    auto p = std::make_unique<Player>();
    p->scoreLabel = &view_.scoreLabel(slot);
    p->game = this;
    setPlayer(slot, std::move(p));
}

void Game::setBonusWordFromHost(const std::string& text, int points)
{
    view_.showBonusHint(text, fillIn(translate("Game", "%1 pts"), {std::to_string(points)}));
    if (round_)
        round_->bonusWord = text;
}

void Game::showCongratulations(const std::string& text)
{
    sounds().playSound(SoundEvent::GameEnd);
    // A tie arrives as the host's English text.
    view_.showCongratulations(text == kTieText ? translate("Game", kTieText) : text, false);
}

void Game::setReceivedGrid(std::unique_ptr<Grid> grid) { receivedGrid_ = std::move(grid); }

// ------------------------------------------------------------------ saved games

bool Game::saveToFile(const std::filesystem::path& file)
{
    const bool ok = writeFileAtomically(file, SavedGameFile::encode(*this));
    // A failed save leaves the rounds unsaved, so that closing or replacing
    // the game still offers to save them.
    if (ok)
        unsavedChanges = false;
    return ok;
}

bool Game::loadFromFile(const std::filesystem::path& file)
{
    std::string bytes;
    std::ifstream in(file, std::ios::binary);
    std::error_code ec;
    if (in && std::filesystem::is_regular_file(file, ec)) {
        // No valid file is longer; a longer one is read as far as its fields go.
        bytes.resize(SavedGameFile::kMaxSize);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    switch (SavedGameFile::decode(*this, bytes)) {
    case SavedGameFile::Result::Loaded:
        unsavedChanges = false;
        return true;
    case SavedGameFile::Result::WrongMagic:
        dialogs().showMessage(translate("Game", SavedGameFile::kWrongMagicText), translate("Game", "Error"),
                              MessageButtons::Ok, MessageIcon::Error);
        return false;
    case SavedGameFile::Result::Corrupt:
        break;
    }
    dialogs().showMessage(translate("Game", SavedGameFile::kCorruptText), translate("Game", "Error"), MessageButtons::Ok,
                          MessageIcon::Error);
    return false;
}

} // namespace lettrava
