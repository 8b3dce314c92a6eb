#include "core/dialogs/copy_source_summary.h"

#include <gtest/gtest.h>

#include <utility>

#include "table_builders.h"

namespace tabloom {
namespace {

using testing::Span;

TEST(ProposedTargetTest, ProposesTheNextFreeCell) {
    const struct {
        const char* what;
        int rows, cols, row, col;
        int span[4];  // a span placed first (row, column, rows, columns), if any
        int toRow, toCol;
    } cases[] = {{"inside: to the right", 6, 6, 2, 3, {}, 2, 4},
                 {"last column: below", 6, 6, 2, 6, {}, 3, 6},
                 {"right neighbour covered", 6, 6, 1, 1, {1, 1, 1, 2}, 0, 0},
                 {"below covered", 6, 6, 2, 6, {2, 5, 2, 2}, 0, 0},
                 // A spanning source beside the last column proposes the cell below it.
                 {"last column of a wider table", 4, 20, 3, 20, {}, 4, 20},
                 // Positions past the current dimensions are never proposed.
                 {"beyond the last row", 3, 3, 3, 3, {}, 0, 0}};
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
    CellSpec& cell = table.At(3, 4);
    cell.strContent = "Total <b>sum</b>";
    cell.intAlign = 2;
    cell.intVAlign = 1;
    cell.intWidth = 50;
    cell.intWidthUnit = 0;
    cell.intHeight = 40;
    cell.strFontFace = "Verdana";
    cell.strFontSize = "+1";
    const CopySourceSummary s = SummarizeCopySource(table, 3, 4);
    EXPECT_EQ(s.ofCellAt + "|" + s.rowOption + "|" + s.columnOption,
              "of cell at row 3 column 4|to all cells in row 3|to all cells in column 4");
    EXPECT_EQ(s.content, "Total <b>sum</b>");
    EXPECT_TRUE(s.contentEnabled);
    EXPECT_EQ(s.align + "|" + s.valign + "|" + s.width + "|" + s.height,
              "Align = center|VAlign = top|Width = 50%|Height = 40 pixels");
    EXPECT_EQ(s.fontFace + "|" + s.fontSize, "Verdana|+1");
    EXPECT_TRUE(s.fontFaceEnabled);
}

// A place marker of this 6 x 6 table counts as no content; one of another
// table is shown as it is.
TEST(CopySourceSummaryTest, EmptyCellShowsNotices) {
    TableSpec table;
    table.At(2, 2).strContent = " R6C1 ";
    CopySourceSummary s = SummarizeCopySource(table, 2, 2);
    EXPECT_EQ(s.content, "No cell content specified.");
    EXPECT_FALSE(s.contentEnabled);
    EXPECT_EQ(s.align + s.valign + s.width + s.height, "");
    EXPECT_EQ(s.fontFace, "No font face or font size specified.");
    EXPECT_FALSE(s.fontFaceEnabled);
    table.At(2, 2).strContent = "R7C1";
    table.At(2, 2).strFontSize = "3";
    s = SummarizeCopySource(table, 2, 2);
    EXPECT_EQ(s.content, "R7C1");
    EXPECT_EQ(s.fontFace, "No font face specified.");
    EXPECT_FALSE(s.fontFaceEnabled);
}

TEST(CopySourceSummaryTest, ContentColours) {
    struct Case {
        std::int32_t text, bg, wantText, wantBg;
    };
    const std::int32_t tableText = 0x112233, tableBg = 0x445566;
    const Case cases[] = {{NotSpecifiedColor, NotSpecifiedColor, tableText, tableBg},
                          {0x0000FF, 0x00FF00, 0x0000FF, 0x00FF00},
                          // The text colour decides; a missing background falls back alone.
                          {0x0000FF, NotSpecifiedColor, 0x0000FF, tableBg},
                          {NotSpecifiedColor, 0x00FF00, tableText, tableBg}};
    for (const Case& c : cases) {
        TableSpec table;
        table.lngTableTextColor = tableText;
        table.lngTableBgColor = tableBg;
        table.At(1, 1).lngTextColor = c.text;
        table.At(1, 1).lngBgColor = c.bg;
        const CopySourceSummary s = SummarizeCopySource(table, 1, 1);
        EXPECT_EQ(s.textColor, c.wantText);
        EXPECT_EQ(s.bgColor, c.wantBg);
    }
}

TEST(SizeSummaryTest, CaptionNumberAndUnit) {
    struct Case {
        int size, unit;
        const char* want;
    };
    const Case cases[] = {{-1, 1, ""},
                          {0, 1, "Width ="},
                          {200, 1, "Width = 200 pixels"},
                          {25, 0, "Width = 25%"},
                          {7, 2, "Width = 7 pixels"}};
    for (const Case& c : cases) EXPECT_EQ(SizeSummary("Width =", c.size, c.unit), c.want) << c.size;
}

}  // namespace
}  // namespace tabloom
