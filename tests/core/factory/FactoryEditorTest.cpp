// The grid designer's rules: typing through the cursor, its wrapping, the
// changed and solution flags, the solution's orders, the length rule.

#include "core/factory/FactoryEditor.h"
#include "core/grid/CompSearchThread.h"
#include "core/grid/GridOptions.h"
#include "core/views/ResultsRules.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace lettrava;
using lettrava::test::ScopedDictionary;

namespace {

class Factory : public ::testing::Test {
protected:
    ~Factory() override { gridOptions() = GridOptions{}; }
    std::string row(int r) const
    {
        std::string s;
        for (int c = 1; c <= editor.cursor().columns; ++c)
            s += editor.grid()->letterAt(c, r + 1);
        return s;
    }
    FactoryEditor editor;
};

} // namespace

TEST_F(Factory, TypingFillsRowByRowAndBackspaceBlanksThePreviousCell)
{
    editor.newGrid(3, 3);
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(editor.typeKey('c'), (SimpleGridCell{0, 0}));
    editor.typeKey('A');
    editor.typeKey('T');
    EXPECT_EQ(row(0), "CAT");
    EXPECT_EQ(editor.cursor(), GridCell(0, 1, 3, 3)) << "the first cell of the second row";
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.backspaceKey(), (SimpleGridCell{2, 0}));
    EXPECT_EQ(row(0), "CA ");
    EXPECT_EQ(editor.cursor(), GridCell(2, 0, 3, 3));
    EXPECT_TRUE(editor.typeKey('7').empty()) << "only letters and Space write";
    EXPECT_EQ(editor.cursor(), GridCell(2, 0, 3, 3));
    editor.typeKey(' ');
    EXPECT_EQ(editor.cursor(), GridCell(0, 1, 3, 3));
    editor.deleteKey();
    EXPECT_EQ(editor.cursor(), GridCell(0, 1, 3, 3)) << "Delete leaves the cursor where it is";

    // From the last cell to the first.
    editor.pressCell(2, 2);
    editor.typeKey('S');
    EXPECT_EQ(editor.cursor(), GridCell(0, 0, 3, 3));
    editor.pressCell(5, 0);
    EXPECT_EQ(editor.cursor(), GridCell(0, 0, 3, 3)) << "outside the grid";
}

TEST_F(Factory, ArrowsWrapWithinTheRowOrColumnOfTheGridsOwnSize)
{
    // A 5 x 4 grid from a file: the cursor wraps within the file's size.
    gridOptions().gridColumns = 5;
    gridOptions().gridRows = 4;
    editor.takeGrid(Grid(false), 5, 4);
    editor.pressCell(4, 1);
    editor.move(FactoryEditor::Move::Right);
    EXPECT_EQ(editor.cursor(), GridCell(0, 1, 5, 4)) << "to the first column of the same row";
    editor.pressCell(2, 3);
    editor.move(FactoryEditor::Move::Down);
    EXPECT_EQ(editor.cursor(), GridCell(2, 0, 5, 4)) << "to the first row";
    editor.move(FactoryEditor::Move::Up);
    editor.move(FactoryEditor::Move::Left);
    EXPECT_EQ(editor.cursor(), GridCell(1, 3, 5, 4));
}

TEST_F(Factory, SolvingOnceMakesTheListCurrentUntilTheGridOrASettingChanges)
{
    ScopedDictionary words({"CAT", "CATS", "ACT", "SAT", "TACO", "COAT", "COATS", "OATS", "TOP"});
    editor.newGrid(4, 4);
    for (char c : std::string("CATSOPOTATSXXXXX"))
        editor.typeKey(c);
    EXPECT_TRUE(editor.modified());
    EXPECT_FALSE(editor.solutionCurrent());

    CompSearchThread solver(editor.grid());
    solver.start();
    solver.waitFor();
    editor.setSortOrder(2);
    editor.solved(ResultsRules::solutionWords(&solver));
    EXPECT_TRUE(editor.solutionCurrent());
    EXPECT_FALSE(editor.modified()) << "a solve counts as a save of the changes";
    const auto& list = editor.solution();
    ASSERT_GE(list.size(), 4u);
    for (std::size_t i = 1; i < list.size(); ++i)
        EXPECT_LE(list[i - 1].text.size(), list[i].text.size()) << "every shorter word first";
    editor.setSortOrder(3);
    EXPECT_EQ(editor.solution().front().text.size(), 5u);
    editor.setSortOrder(1);
    EXPECT_TRUE(std::is_sorted(editor.solution().begin(), editor.solution().end(),
                               [](const LVWord& a, const LVWord& b) { return a.text < b.text; }));

    editor.settingsChanged();
    EXPECT_FALSE(editor.solutionCurrent());
    editor.solved({});
    editor.typeKey('Q');
    EXPECT_FALSE(editor.solutionCurrent()) << "typing makes the list stale";
    editor.saved();
    EXPECT_FALSE(editor.modified());
    editor.randomFilled();
    EXPECT_FALSE(editor.solutionCurrent());
    editor.close();
    EXPECT_FALSE(editor.hasGrid());
    EXPECT_TRUE(editor.typeKey('A').empty());
}

TEST(FactoryLengths, AMaximumBelowTheMinimumIsCorrectedWithABeep)
{
    EXPECT_EQ(FactoryEditor::checkedMaximum(5, 4), std::make_pair(5, true));
    EXPECT_EQ(FactoryEditor::checkedMaximum(5, 5), std::make_pair(5, false));
    EXPECT_EQ(FactoryEditor::checkedMaximum(3, 18), std::make_pair(18, false));
}

TEST_F(Factory, AccentedLettersAreWrittenAsCapitalsAndSignsAreNot)
{
    editor.newGrid(3, 3);
    editor.typeKey('\xE9');
    editor.typeKey('\xDF');
    editor.typeKey('\xD6');
    EXPECT_EQ(row(0), "\xC9\xDF\xD6") << "sharp s has no capital and stays";
    EXPECT_TRUE(editor.typeKey('\xF7').empty());
    EXPECT_TRUE(editor.typeKey('\xA9').empty());
}
