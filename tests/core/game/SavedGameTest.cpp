#include "GameFixture.h"

#include "core/game/SavedGameFile.h"
#include "core/platform/Bytes.h"
#include "core/platform/FileUtil.h"

using namespace lettrava;
using namespace lettrava::test;

namespace {

class SavedGames : public GameFixture {
protected:
    SavedGames() { gridPath = gridFile({"CATS", "OPOT", "ATSX"}); }

    std::unique_ptr<Game> load(const std::filesystem::path& file)
    {
        loadView = std::make_unique<RecordingGameView>();
        return Game::createFromFile(*loadView, file);
    }

    // A valid two-player, three-round file, then changed by `edit`.
    std::string validFile()
    {
        newGame({human("Ann"), computer("Patsy")}, gridPath, 3);
        game->saveToFile(home_ / "valid.LTG");
        return readFile(home_ / "valid.LTG");
    }

    std::string gridPath;
    std::unique_ptr<RecordingGameView> loadView;
};

void put32(std::string& bytes, std::size_t at, std::int32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
}

} // namespace

TEST_F(SavedGames, SavedAfterRoundOneAndContinued)
{
    newGame({human("Ann"), computer("Patsy")}, gridPath, 3, "1:05");
    gridOptions().gridPorosity = 0;
    startRound();
    ASSERT_GT(type("COATS"), 0);
    runToRoundEnd();
    ASSERT_TRUE(game->unsavedChanges);
    const auto file = home_ / "game.LTG";
    ASSERT_TRUE(game->saveToFile(file));
    EXPECT_FALSE(game->unsavedChanges);
    EXPECT_EQ(std::filesystem::file_size(file), 178u);
    const Player ann = *game->playerAt(0);
    const Player patsy = *game->playerAt(1);

    gridOptions() = GridOptions{};
    auto loaded = load(file);
    ASSERT_TRUE(loaded->isReady());
    EXPECT_TRUE(loaded->inProgress);
    EXPECT_FALSE(loaded->unsavedChanges);
    EXPECT_EQ(loaded->currentRound, 1);
    EXPECT_EQ(loaded->roundsPerGame, 3);
    EXPECT_EQ(loaded->gridSizeOrder, 3);
    EXPECT_TRUE(loaded->gridFiles.empty()) << "grid files are not saved: random grids of the planned sizes";
    EXPECT_EQ(loaded->roundMinutes, 1);
    EXPECT_EQ(loaded->roundSeconds, 5);
    EXPECT_EQ(loaded->playerAt(0)->name, "Ann");
    EXPECT_EQ(loaded->playerAt(0)->gameScore, ann.gameScore);
    EXPECT_EQ(loaded->playerAt(0)->longestThisGame, ann.longestThisGame);
    EXPECT_EQ(loaded->playerAt(0)->longestWord, ann.longestThisGame);
    EXPECT_EQ(loaded->playerAt(0)->wordsThisGame, ann.wordsThisGame);
    EXPECT_EQ(loaded->playerAt(1)->computerLevel, 8);
    EXPECT_EQ(loaded->playerAt(1)->gameScore, patsy.gameScore);
    EXPECT_EQ(loaded->playerAt(0)->roundsPlayed, 0) << "no lifetime statistics in a saved game";
    EXPECT_TRUE(loaded->hasMousePlayer);
    EXPECT_EQ(PlayerFileManager::instance().findByName("Ann")->gameScore, ann.gameScore)
        << "the loaded players are not the store's records";
    EXPECT_NE(loaded->playerAt(0), PlayerFileManager::instance().findByName("Ann"));

    // Playing on: round 2 on a random grid of the planned size.
    game.reset();
    game = std::move(loaded);
    startRound();
    EXPECT_EQ(game->currentRound, 2);
    EXPECT_EQ(gridOptions().gridColumns, game->columnsByRound[1]);
    runToRoundEnd();
}

TEST_F(SavedGames, FinishedGameLoadsAsFinished)
{
    newGame({human("Ann")}, gridPath, 1, "0:20");
    startRound();
    runToRoundEnd();
    ASSERT_FALSE(game->inProgress);
    game->saveToFile(home_ / "done.LTG");
    auto loaded = load(home_ / "done.LTG");
    ASSERT_TRUE(loaded->isReady());
    EXPECT_EQ(loaded->currentRound, loaded->roundsPerGame);
}

TEST_F(SavedGames, BadFilesGiveTheirMessagesAndChangeNothing)
{
    const std::string valid = validFile();
    ASSERT_EQ(valid.size(), 178u);
    gridOptions().minWordLength = 5;
    auto tryBytes = [&](const std::string& bytes) {
        writeFile(home_ / "bad.LTG", bytes);
        dialogs_.messages.clear();
        auto g = load(home_ / "bad.LTG");
        EXPECT_FALSE(g->isReady());
        EXPECT_EQ(gridOptions().minWordLength, 5) << "a rejected file changes no option";
        return dialogs_.messages.empty() ? std::string() : dialogs_.messages.back().text;
    };
    std::string wrongMagic = valid;
    wrongMagic[0] = 'X';
    EXPECT_EQ(tryBytes(wrongMagic), SavedGameFile::kWrongMagicText);
    for (std::size_t cut : {0u, 3u, 4u, 40u, 130u, 174u, 177u})
        EXPECT_EQ(tryBytes(valid.substr(0, cut)), SavedGameFile::kCorruptText) << "cut at " << cut;

    // Values that would index tables or size grids.
    const std::size_t r = 3;
    auto edited = [&](std::size_t at, std::int32_t v) {
        std::string b = valid;
        put32(b, at, v);
        return b;
    };
    EXPECT_EQ(tryBytes(edited(4, 21)), SavedGameFile::kCorruptText);             // rounds
    EXPECT_EQ(tryBytes(edited(8, 0)), SavedGameFile::kCorruptText);              // players
    EXPECT_EQ(tryBytes(edited(12, 4)), SavedGameFile::kCorruptText);             // current round beyond the rounds
    EXPECT_EQ(tryBytes(edited(16, 13)), SavedGameFile::kCorruptText);            // a grid size
    EXPECT_EQ(tryBytes(edited(16 + 8 * r, 4)), SavedGameFile::kCorruptText);     // grid size order
    EXPECT_EQ(tryBytes(edited(33 + 8 * r, 61)), SavedGameFile::kCorruptText);    // porosity
    EXPECT_EQ(tryBytes(edited(37 + 8 * r, 2)), SavedGameFile::kCorruptText);     // minimum length
    EXPECT_EQ(tryBytes(edited(41 + 8 * r, 2)), SavedGameFile::kCorruptText);     // maximum below minimum
    EXPECT_EQ(tryBytes(edited(46 + 8 * r + 40, 7)), SavedGameFile::kCorruptText); // input method
    EXPECT_EQ(tryBytes(edited(46 + 8 * r + 52 + 48, 9)), SavedGameFile::kCorruptText); // level
    EXPECT_EQ(tryBytes(edited(22 + 8 * r, -5)), SavedGameFile::kCorruptText);    // minutes

    // Names without a terminator are cut at 16 characters; trailing bytes are ignored.
    std::string noTerminator = valid;
    for (std::size_t i = 0; i < 17; ++i)
        noTerminator[46 + 8 * r + i] = 'N';
    noTerminator += std::string(100000, 'x');
    writeFile(home_ / "long.LTG", noTerminator);
    auto g = load(home_ / "long.LTG");
    ASSERT_TRUE(g->isReady());
    EXPECT_EQ(g->playerAt(0)->name, std::string(16, 'N'));
}

TEST_F(SavedGames, ASaveThatFailsHalfwayKeepsThePreviousFile)
{
    const std::string before = validFile();
    game->playerAt(0)->gameScore = 99;
    game->unsavedChanges = true;
    setAtomicWriteHookForTests([](const std::filesystem::path&) { return false; });
    EXPECT_FALSE(game->saveToFile(home_ / "valid.LTG"));
    setAtomicWriteHookForTests(nullptr);
    EXPECT_TRUE(game->unsavedChanges) << "a failed save leaves the rounds unsaved";
    EXPECT_EQ(readFile(home_ / "valid.LTG"), before);
    std::size_t leftovers = 0;
    for (const auto& e : std::filesystem::directory_iterator(home_.path()))
        leftovers += e.path().extension() == ".tmp";
    EXPECT_EQ(leftovers, 0u);
}
