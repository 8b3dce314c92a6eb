#include "core/dialogs/copy_source_summary.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/dialogs/copy_choice_check.h"
#include "table_builders.h"

namespace tabloom {
namespace {

using testing::Span;

TEST(ProposedTargetTest, ProposesTheNextFreeCell) {
    // span: a span placed first (row, column, rows, columns), if any.
    // clang-format off
    const struct { const char* what; int rows, cols, row, col; int span[4]; int toRow, toCol;
        } cases[] = {{"inside: to the right", 6, 6, 2, 3, {}, 2, 4},
                 {"last column: below", 6, 6, 2, 6, {}, 3, 6},
                 {"right neighbour covered", 6, 6, 1, 1, {1, 1, 1, 2}, 0, 0},
                 {"below covered", 6, 6, 2, 6, {2, 5, 2, 2}, 0, 0},
                 // A spanning source beside the last column proposes the cell below it.
                 {"last column of a wider table", 4, 20, 3, 20, {}, 4, 20},
                 // Positions past the current dimensions are never proposed.
                 {"beyond the last row", 3, 3, 3, 3, {}, 0, 0}};
    // clang-format on
    for (const auto& c : cases) {
        TableSpec table;
        table.intNumRows = static_cast<std::int16_t>(c.rows);
        table.intNumCols = static_cast<std::int16_t>(c.cols);
        if (c.span[0] > 0) Span(table, c.span[0], c.span[1], c.span[2], c.span[3]);
        const CopySourceSummary s = SummarizeCopySource(table, c.row, c.col);
        EXPECT_EQ(std::pair(s.toRow, s.toCol), std::pair(c.toRow, c.toCol)) << c.what;
    }
}

TEST(CopySourceSummaryTest, DescribesTheSourceCell) {
    TableSpec table;
    // clang-format off
    table.At(3, 4) = {.strContent = "Total <b>sum</b>", .intOwnerRow = 3, .intOwnerCol = 4,
                      .intAlign = 2, .intVAlign = 1, .intWidth = 50, .intWidthUnit = 0,
                      .strFontFace = "Verdana", .strFontSize = "+1", .intHeight = 40};
    // clang-format on
    const CopySourceSummary s = SummarizeCopySource(table, 3, 4);
    EXPECT_EQ(s.ofCellAt + "|" + s.rowOption + "|" + s.columnOption,
              "of cell at row 3 column 4|to all cells in row 3|to all cells in column 4");
    EXPECT_EQ(s.content + "|" + s.align + "|" + s.valign + "|" + s.width + "|" + s.height + "|" +
                  s.fontFace + "|" + s.fontSize,
              "Total <b>sum</b>|Align = center|VAlign = top|Width = 50%|Height = 40 pixels|"
              "Verdana|+1");
    EXPECT_TRUE(s.contentEnabled && s.fontFaceEnabled);
}

// A place marker of this 6 x 6 table counts as no content; one of another
// table is shown as it is.
TEST(CopySourceSummaryTest, EmptyCellShowsNotices) {
    TableSpec table;
    table.At(2, 2).strContent = " R6C1 ";
    CopySourceSummary s = SummarizeCopySource(table, 2, 2);
    EXPECT_EQ(s.content + "|" + s.align + s.valign + s.width + s.height + "|" + s.fontFace,
              "No cell content specified.||No font face or font size specified.");
    EXPECT_FALSE(s.contentEnabled || s.fontFaceEnabled);
    table.At(2, 2).strContent = "R7C1";
    table.At(2, 2).strFontSize = "3";
    s = SummarizeCopySource(table, 2, 2);
    EXPECT_EQ(s.content + "|" + s.fontFace, "R7C1|No font face specified.");
    EXPECT_FALSE(s.fontFaceEnabled);
}

TEST(CopySourceSummaryTest, ContentColours) {
    const std::int32_t tableText = 0x112233, tableBg = 0x445566, none = NotSpecifiedColor;
    // The text colour decides; a missing background falls back alone.
    const struct {
        std::int32_t text, bg, wantText, wantBg;
    } cases[] = {{none, none, tableText, tableBg},
                 {0x0000FF, 0x00FF00, 0x0000FF, 0x00FF00},
                 {0x0000FF, none, 0x0000FF, tableBg},
                 {none, 0x00FF00, tableText, tableBg}};
    for (const auto& c : cases) {
        TableSpec table;
        table.lngTableTextColor = tableText;
        table.lngTableBgColor = tableBg;
        table.At(1, 1).lngTextColor = c.text;
        table.At(1, 1).lngBgColor = c.bg;
        const CopySourceSummary s = SummarizeCopySource(table, 1, 1);
        EXPECT_EQ(std::pair(s.textColor, s.bgColor), std::pair(c.wantText, c.wantBg));
    }
}

TEST(SizeSummaryTest, CaptionNumberAndUnit) {
    EXPECT_EQ(SizeSummary("Width =", -1, 1), "");
    EXPECT_EQ(SizeSummary("Width =", 0, 1), "Width =");
    EXPECT_EQ(SizeSummary("Width =", 200, 1), "Width = 200 pixels");
    EXPECT_EQ(SizeSummary("Width =", 25, 0), "Width = 25%");
    EXPECT_EQ(SizeSummary("Width =", 7, 2), "Width = 7 pixels");
}

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
    // clang-format off
    const struct { const char* what; CopyChoice choice; std::string message; } cases[] = {
        {"nothing ticked", Choice(0, CopyTarget::Row), kNothingTicked},
        {"height alone", Choice(kHeight, CopyTarget::OneCell, 1, 1), kNothingTicked},
        {"font", Choice(kFont, CopyTarget::OneCell, 1, 1), ""}, {"width", Choice(kWidth, CopyTarget::OneCell, 1, 1), ""},
        {"content", Choice(kContent, CopyTarget::OneCell, 1, 1), ""}, {"colors", Choice(kColors, CopyTarget::OneCell, 1, 1), ""},
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
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(CheckCopyChoice(c.choice, 3, 4, 6, 5), c.message) << c.what;
}

TEST(CopyTargetChosenTest, SingleTargetNeedsRowAndColumn) {
    EXPECT_FALSE(CopyTargetChosen(Choice(kFont, CopyTarget::OneCell, 2, 0)));
    EXPECT_FALSE(CopyTargetChosen(Choice(kFont, CopyTarget::OneCell, 0, 2)));
    EXPECT_TRUE(CopyTargetChosen(Choice(kFont, CopyTarget::OneCell, 1, 1)));
    EXPECT_TRUE(CopyTargetChosen(Choice(kFont, CopyTarget::Table, 0, 0)));
}

}  // namespace
}  // namespace tabloom
