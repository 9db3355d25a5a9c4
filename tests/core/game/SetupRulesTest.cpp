#include "core/game/Player.h"
#include "core/game/SetupRules.h"

#include <gtest/gtest.h>

using namespace lettrava;
using namespace lettrava::SetupRules;

TEST(SetupRules, ConflictMarksFallOnTheEarlierPlayer)
{
    // Keyboard Only then Keyboard and Mouse: slot 1 is marked.
    EXPECT_EQ(conflictMarks({1, 0, 3, 3}, 2), (std::array<bool, 4>{true, false, false, false}));
    // Mouse Only then Keyboard Only: no conflict.
    EXPECT_EQ(conflictMarks({2, 1, 3, 3}, 2), (std::array<bool, 4>{}));
    // Players 2 and 3 conflict; with two players nothing is marked any more.
    EXPECT_EQ(conflictMarks({3, 2, 0, 3}, 3), (std::array<bool, 4>{false, true, false, false}));
    EXPECT_EQ(conflictMarks({3, 2, 0, 3}, 2), (std::array<bool, 4>{}));
    EXPECT_EQ(conflictMarks({0, 0, 0, 0}, 1), (std::array<bool, 4>{}));
}

TEST(SetupRules, ReservedNamesAreAnyPartOfTheComputerNames)
{
    for (const char* name : {"Ken", "Dans", "s", "Deep Words", "A. Voc"})
        EXPECT_TRUE(isReservedName(name)) << name;
    for (const char* name : {"ken", "Bob", ""})
        EXPECT_FALSE(isReservedName(name)) << name;
    EXPECT_EQ(reservedNameMessage("Ken"),
              "The name \"Ken\" is reserved for a computer player. Please enter a different name.");
}

TEST(SetupRules, ComputerSlotsSkipTheFirstDuplicate)
{
    EXPECT_EQ(defaultComputerName(0, {"", "", "", ""}, 1), "Patsy");
    EXPECT_EQ(defaultComputerName(1, {"Ann", "", "", ""}, 2), "Patsy");
    EXPECT_EQ(defaultComputerName(3, {"Ann", "x", "y", ""}, 4), "Kent Dans");
    // Slot 3 becomes a computer while slot 2 is Pushover: Pushover is taken, so Kent Dans.
    EXPECT_EQ(defaultComputerName(2, {"Ann", "Pushover", "Bob", ""}, 3), "Kent Dans");
    // After Deep Words comes Patsy; at most three steps.
    EXPECT_EQ(defaultComputerName(2, {"Pushover", "Kent Dans", "", "Tuff Nuf"}, 4), "Ken Boogy");
}

TEST(SetupRules, AcceptanceChecksInOrderWithTheirTexts)
{
    GameSetup s;
    s.playerCount = 2;
    s.players[0] = {InputMethod::KeyboardOnly, "Ann", 0};
    s.players[1] = {InputMethod::KeyboardAndMouse, "", 0};
    auto p = acceptanceProblem(s);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->text, "Player 1 is using the Keyboard, which has been designated for use by another player also.\n\n"
                       "Please correct the input methods.");
    EXPECT_EQ(p->title, "Error");

    s.players[0].inputMethod = InputMethod::MouseOnly;
    s.players[1].inputMethod = InputMethod::MouseOnly;
    EXPECT_NE(acceptanceProblem(s)->text.find("the Mouse,"), std::string::npos);

    s.players[1].inputMethod = InputMethod::KeyboardOnly;
    p = acceptanceProblem(s);
    EXPECT_EQ(p->text, "Please enter or select a name for Player 2");
    EXPECT_EQ(p->title, "Player Name Required");

    s.playerCount = 3;
    s.players[1] = {InputMethod::Computer, "Pushover", 7};
    s.players[2] = {InputMethod::Computer, "Pushover", 7};
    p = acceptanceProblem(s);
    EXPECT_EQ(p->text, "Player 'Pushover' is listed more than once.\n\nPlease make all player names unique.");
    EXPECT_EQ(p->title, "Duplicate Player Names");

    s.players[2].name = "Patsy";
    EXPECT_FALSE(acceptanceProblem(s));

    s.listenForNetworkPlayers = true;
    s.players[1] = {InputMethod::KeyboardOnly, "Bob", 0};
    p = acceptanceProblem(s);
    EXPECT_EQ(p->text, "Only one (local) human player is allowed in a network game.  Please uncheck \" Listen for "
                       "network players\" box or remove 1 human player(s)");
}

TEST(SetupRules, AddedGridFilesFillFreeEntriesFromTheSelection)
{
    std::vector<std::string> entries;
    auto exists = [](const std::string& f) { return !f.empty() && f != "gone.grd"; };
    // Five rounds, two files added while entry 3 is selected: entries 3 and 4.
    EXPECT_EQ(placeGridFiles(entries, 2, {"a.grd", "b.grd"}, 5, exists), 2);
    EXPECT_EQ(entries, (std::vector<std::string>{"", "", "a.grd", "b.grd", ""}));
    // A file naming nothing counts as free; the last file finds no room.
    entries[4] = "gone.grd";
    EXPECT_EQ(placeGridFiles(entries, 3, {"c.grd", "d.grd"}, 5, exists), 1);
    EXPECT_EQ(entries[4], "c.grd");
}
