#include "core/dialogs/copy_source_summary.h"

#include <gtest/gtest.h>

#include <functional>

#include "param_name.h"
#include "table_builders.h"

namespace tabloom {
namespace {

using testing::Span;

struct TargetCase {
    const char* what;
    int rows, cols, row, col;
    std::function<void(TableSpec&)> prepare;
    int toRow, toCol;
};

void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.what; }

class ProposedTargetTest : public ::testing::TestWithParam<TargetCase> {};

TEST_P(ProposedTargetTest, ProposesTheNextFreeCell) {
    const TargetCase& c = GetParam();
    TableSpec table;
    table.intNumRows = static_cast<std::int16_t>(c.rows);
    table.intNumCols = static_cast<std::int16_t>(c.cols);
    if (c.prepare) c.prepare(table);
    const CopySourceSummary s = SummarizeCopySource(table, c.row, c.col);
    EXPECT_EQ(s.toRow, c.toRow) << c.what;
    EXPECT_EQ(s.toCol, c.toCol) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ProposedTargetTest,
    ::testing::Values(TargetCase{"inside: to the right", 6, 6, 2, 3, nullptr, 2, 4},
                      TargetCase{"last column: below", 6, 6, 2, 6, nullptr, 3, 6},
                      TargetCase{"last cell: none", 6, 6, 6, 6, nullptr, 0, 0},
                      TargetCase{"last row, not last column", 6, 6, 6, 1, nullptr, 6, 2},
                      TargetCase{"one by one table", 1, 1, 1, 1, nullptr, 0, 0},
                      TargetCase{"right neighbour covered", 6, 6, 1, 1,
                                 [](TableSpec& t) { Span(t, 1, 1, 1, 2); }, 0, 0},
                      TargetCase{"below covered", 6, 6, 2, 6,
                                 [](TableSpec& t) { Span(t, 2, 5, 2, 2); }, 0, 0},
                      // A spanning source beside the last column proposes the cell below it.
                      TargetCase{"last column of a wider table", 4, 20, 3, 20, nullptr, 4, 20},
                      // Positions past the current dimensions are never proposed.
                      TargetCase{"beyond the last row", 3, 3, 3, 3, nullptr, 0, 0}),
    [](const auto& info) { return ParamName(info.param.what); });

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
    EXPECT_EQ(s.ofCellAt, "of cell at row 3 column 4");
    EXPECT_EQ(s.rowOption, "to all cells in row 3");
    EXPECT_EQ(s.columnOption, "to all cells in column 4");
    EXPECT_EQ(s.content, "Total <b>sum</b>");
    EXPECT_TRUE(s.contentEnabled);
    EXPECT_EQ(s.align, "Align = center");
    EXPECT_EQ(s.valign, "VAlign = top");
    EXPECT_EQ(s.width, "Width = 50%");
    EXPECT_EQ(s.height, "Height = 40 pixels");
    EXPECT_EQ(s.fontFace, "Verdana");
    EXPECT_EQ(s.fontSize, "+1");
    EXPECT_TRUE(s.fontFaceEnabled);
}

TEST(CopySourceSummaryTest, EmptyCellShowsNotices) {
    TableSpec table;
    const CopySourceSummary s = SummarizeCopySource(table, 1, 1);
    EXPECT_EQ(s.content, "No cell content specified.");
    EXPECT_FALSE(s.contentEnabled);
    EXPECT_EQ(s.align, "");
    EXPECT_EQ(s.valign, "");
    EXPECT_EQ(s.width, "");
    EXPECT_EQ(s.height, "");
    EXPECT_EQ(s.fontFace, "No font face or font size specified.");
    EXPECT_FALSE(s.fontFaceEnabled);
}

TEST(CopySourceSummaryTest, PlaceMarkerCountsAsNoContent) {
    TableSpec table;
    for (const char* marker : {"R2C2", " R6C1 ", "R1C6"}) {
        table.At(2, 2).strContent = marker;
        const CopySourceSummary s = SummarizeCopySource(table, 2, 2);
        EXPECT_EQ(s.content, "No cell content specified.") << marker;
        EXPECT_FALSE(s.contentEnabled) << marker;
    }
    // Not a marker of this 6 x 6 table: shown as it is.
    table.At(2, 2).strContent = "R7C1";
    EXPECT_EQ(SummarizeCopySource(table, 2, 2).content, "R7C1");
}

TEST(CopySourceSummaryTest, FontSizeWithoutFace) {
    TableSpec table;
    table.At(1, 1).strFontSize = "3";
    const CopySourceSummary s = SummarizeCopySource(table, 1, 1);
    EXPECT_EQ(s.fontFace, "No font face specified.");
    EXPECT_EQ(s.fontSize, "3");
    EXPECT_FALSE(s.fontFaceEnabled);
}

TEST(CopySourceSummaryTest, ContentColours) {
    struct Case {
        std::int32_t text, bg, wantText, wantBg;
    };
    const std::int32_t tableText = 0x112233, tableBg = 0x445566;
    const Case cases[] = {
        {NotSpecifiedColor, NotSpecifiedColor, tableText, tableBg},
        {0x0000FF, 0x00FF00, 0x0000FF, 0x00FF00},
        // The text colour decides; a missing background falls back alone.
        {0x0000FF, NotSpecifiedColor, 0x0000FF, tableBg},
        {NotSpecifiedColor, 0x00FF00, tableText, tableBg},
    };
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
                          {-5, 0, "Width ="},
                          {200, 1, "Width = 200 pixels"},
                          {25, 0, "Width = 25%"},
                          {7, 2, "Width = 7 pixels"}};
    for (const Case& c : cases) EXPECT_EQ(SizeSummary("Width =", c.size, c.unit), c.want) << c.size;
}

}  // namespace
}  // namespace tabloom
