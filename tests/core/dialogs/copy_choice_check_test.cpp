#include "core/dialogs/copy_choice_check.h"

#include <gtest/gtest.h>

#include <string>

namespace tabloom {
namespace {

const std::string kNothingTicked =
    "At least one of font, content, colors,\r\nalignment and width must be checked.";
const std::string kToItself = "Cell is being copied to itself.";
std::string Outside(int row, int col) {
    return "The cell at row " + std::to_string(row) + " column " + std::to_string(col) +
           " lies outside the table, which has 6 rows and 5 columns.";
}

enum Group { kFont = 1, kContent = 2, kColors = 4, kAlignment = 8, kWidth = 16, kHeight = 32 };

CopyChoice Choice(int groups, CopyTarget target, int toRow = 0, int toCol = 0) {
    CopyChoice choice;
    choice.target = target;
    choice.toRow = toRow;
    choice.toCol = toCol;
    choice.font = (groups & kFont) != 0;
    choice.content = (groups & kContent) != 0;
    choice.colors = (groups & kColors) != 0;
    choice.alignment = (groups & kAlignment) != 0;
    choice.width = (groups & kWidth) != 0;
    choice.height = (groups & kHeight) != 0;
    return choice;
}

// The source is the cell at row 3, column 4 of a table of 6 rows and 5 columns.
TEST(CopyChoiceCheckTest, RefusesEmptyGroupsTheSourceItselfAndCellsOutside) {
    const struct {
        const char* what;
        CopyChoice choice;
        std::string message;
    } cases[] = {
        {"nothing ticked", Choice(0, CopyTarget::Row), kNothingTicked},
        {"height alone", Choice(kHeight, CopyTarget::OneCell, 1, 1), kNothingTicked},
        {"font", Choice(kFont, CopyTarget::OneCell, 1, 1), ""},
        {"width", Choice(kWidth, CopyTarget::OneCell, 1, 1), ""},
        {"content", Choice(kContent, CopyTarget::OneCell, 1, 1), ""},
        {"colors", Choice(kColors, CopyTarget::OneCell, 1, 1), ""},
        {"alignment", Choice(kAlignment, CopyTarget::OneCell, 1, 1), ""},
        {"height with width", Choice(kHeight | kWidth, CopyTarget::OneCell, 1, 1), ""},
        {"to itself", Choice(kFont, CopyTarget::OneCell, 3, 4), kToItself},
        // The group check comes first.
        {"to itself, nothing ticked", Choice(0, CopyTarget::OneCell, 3, 4), kNothingTicked},
        {"same row, other column", Choice(kFont, CopyTarget::OneCell, 3, 5), ""},
        {"same column, other row", Choice(kFont, CopyTarget::OneCell, 4, 4), ""},
        {"swapped row and column", Choice(kFont, CopyTarget::OneCell, 4, 3), ""},
        {"last cell", Choice(kFont, CopyTarget::OneCell, 6, 5), ""},
        {"row past the table", Choice(kFont, CopyTarget::OneCell, 7, 1), Outside(7, 1)},
        {"column past the table", Choice(kFont, CopyTarget::OneCell, 1, 6), Outside(1, 6)},
        {"lists left aside for a row", Choice(kFont, CopyTarget::Row, 9, 9), ""},
        // The source's own row, column and table include it and are allowed.
        {"own row", Choice(kFont, CopyTarget::Row, 3, 4), ""},
        {"whole table", Choice(kColors, CopyTarget::Table, 3, 4), ""}};
    for (const auto& c : cases)
        EXPECT_EQ(CheckCopyChoice(c.choice, 3, 4, 6, 5), c.message) << c.what;
}

TEST(CopyTargetChosenTest, SingleTargetNeedsRowAndColumn) {
    struct Case {
        CopyTarget target;
        int toRow, toCol;
        bool chosen;
    };
    const Case cases[] = {{CopyTarget::OneCell, 2, 0, false},
                          {CopyTarget::OneCell, 0, 2, false},
                          {CopyTarget::OneCell, 1, 1, true},
                          {CopyTarget::Table, 0, 0, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(CopyTargetChosen(Choice(kFont, c.target, c.toRow, c.toCol)), c.chosen)
            << static_cast<int>(c.target) << " " << c.toRow << "," << c.toCol;
    }
}

}  // namespace
}  // namespace tabloom
