#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/grid/grid_drawing.h"
#include "core/grid/grid_hit_test.h"
#include "core/grid/paste_values.h"
#include "core/grid/place_marker_fill.h"
#include "core/model/check_table.h"
#include "core/model/place_markers.h"
#include "grid_layout.h"
#include "recording_canvas.h"
#include "table_builders.h"

namespace tabloom {
namespace {

using testing::RecordingCanvas;
using testing::Span;
using testing::StartTable;
using Kind = RecordingCanvas::Kind;

constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kBlack = 0x000000;
constexpr std::int32_t kGrey = 0xC0C0C0;

// clang-format off
struct GeometryCase { const char* name; int width, height, rows, cols;
    int cellWidth, cellHeight, gridRight, gridBottom; bool rightStrip, bottomStrip; };
// clang-format on

TEST(GeometryTest, RoundsHalvesToEvenAndDrawsStripsOnlyWhenTheyFit) {
    const GeometryCase cases[] = {
        {"NewTable", 512, 230, 6, 6, 83, 36, 510, 228, true, true},
        {"PastRightEdge", 515, 230, 6, 5, 101, 36, 517, 228, false, true},
        {"PastBottomEdge", 512, 267, 5, 6, 83, 51, 510, 267, true, false},
        {"HalfDownToEven", 414, 230, 6, 4, 100, 36, 412, 228, true, true},
        {"HalfUpToEven", 418, 230, 6, 4, 102, 36, 420, 228, false, true},
        {"BottomStripOnePixelShort", 512, 229, 6, 6, 83, 36, 510, 228, true, false}};
    for (const GeometryCase& c : cases) {
        SCOPED_TRACE(c.name);
        TableSpec table = StartTable(c.rows, c.cols);
        RecordingCanvas canvas(c.width, c.height);
        const GridGeometry g = DrawTable(table, canvas);
        EXPECT_EQ(std::tie(g.intCellWidth, g.intCellHeight, g.intGridRight, g.intGridBottom),
                  std::tie(c.cellWidth, c.cellHeight, c.gridRight, c.gridBottom));

        bool right = false, bottom = false;
        for (const auto& call : canvas.Of(Kind::Fill)) {
            if (call.colour != kGrey) continue;
            right = right || (call.x1 == c.gridRight + 2 && call.y1 == 0 && call.x2 == c.width &&
                              call.y2 == c.height);
            bottom = bottom || (call.x1 == 0 && call.y1 == c.gridBottom + 2 && call.x2 == c.width &&
                                call.y2 == c.height);
        }
        EXPECT_EQ(std::pair(right, bottom), std::pair(c.rightStrip, c.bottomStrip));
    }
}

// Lines take each channel of the background plus 128 mod 256: 0x10 and 0xC0
// fall on either side of the wrap.
TEST(TableColourTest, LinesNumbersAndCellsTakeTheTableColours) {
    constexpr std::int32_t kText = 0x00FF00, kBg = 0x10C0F0;
    TableSpec table = StartTable(6, 6);
    table.lngTableTextColor = kText;
    table.lngTableBgColor = kBg;
    table.At(2, 3).strContent = "Hi";
    RecordingCanvas canvas(512, 230);
    DrawTable(table, canvas);
    EXPECT_EQ(canvas.Of(Kind::Clear).at(0).colour, 0x904070);
    int cells = 0;
    for (const auto& call : canvas.Of(Kind::Text))
        EXPECT_EQ(call.colour, call.text == "Hi" ? kText : kBg) << call.text;
    for (const auto& call : canvas.Of(Kind::Fill)) cells += call.colour == kBg ? 1 : 0;
    EXPECT_EQ(cells, 36);
}

TEST(NumberPlacementTest, SwitchesOffsetsAtNineColumnsAndTenRows) {
    TableSpec table = StartTable(20, 20);
    RecordingCanvas canvas(512, 230);  // cells 25 x 11
    DrawTable(table, canvas);
    const auto texts = canvas.Of(Kind::Text);
    ASSERT_EQ(texts.size(), 40u);
    // Column numbers come first, then the row numbers: columns 8, 9, rows 9, 10.
    // clang-format off
    const struct { std::size_t index; const char* text; double x, y;
        } cases[] = {{7, "8", 198.5, 0}, {8, "9", 220.5, 0}, {28, "9", 4, 100.5}, {29, "10", 0, 111.5}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(std::tie(texts[c.index].text, texts[c.index].x1, texts[c.index].y1),
                  std::make_tuple(std::string(c.text), c.x, c.y));
}

TEST(DrawTableTest, SpanIsOneRectangleDrawnOncePerLowerPosition) {
    TableSpec table = StartTable(6, 6);
    Span(table, 1, 1, 3, 2);
    table.At(1, 1).lngTextColor = 0x0000FF;  // cell colours count only as a pair
    table.At(1, 1).lngBgColor = 0x00FF00;
    RecordingCanvas canvas(512, 230);  // cells 83 x 36
    DrawTable(table, canvas);
    int drawn = 0;
    for (const auto& call : canvas.Of(Kind::Fill)) {
        if (call.colour != 0x00FF00) continue;
        ++drawn;
        EXPECT_EQ(std::tie(call.x1, call.y1, call.x2, call.y2),
                  std::make_tuple(14.0, 14.0, 178, 120));
    }
    EXPECT_EQ(drawn, 5);
}

// Cells of header rows and header columns, a span starting in one included;
// a line break at either end of a cell draws no empty line.
TEST(DrawTableTest, HeaderCellsAreBold) {
    TableSpec table = StartTable(3, 3);
    table.intHeaderRows = 1;
    table.intHeaderCols = 1;
    Span(table, 2, 2, 2, 2);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) table.At(r, c).strContent = std::to_string(r * 10 + c);
    table.At(1, 1).strContent = "\r\n1\r\n1\r\n";
    RecordingCanvas canvas(512, 230);
    DrawTable(table, canvas);
    std::string bold;
    for (const auto& call : canvas.Of(Kind::Text)) bold += call.bold ? call.text + " " : "";
    EXPECT_EQ(bold, "1 1 12 13 21 31 ");
}

TEST(DrawTableTest, SpanPastTheEdgeIsClipped) {
    TableSpec table = StartTable(4, 4);
    Span(table, 3, 3, 2, 2);
    table.At(3, 3).intRowSpan = 5;  // as if the table had shrunk under it
    table.At(3, 3).intColSpan = 5;
    RecordingCanvas canvas(512, 230);
    const GridGeometry g = DrawTable(table, canvas);
    const CellRect block = BlockRectangle(g, {3, 3, 7, 7});
    EXPECT_EQ(
        (std::vector<int>{table.At(3, 3).intRight, table.At(3, 3).intBottom, block.x2, block.y2}),
        (std::vector<int>{g.intGridRight, g.intGridBottom, g.intGridRight, g.intGridBottom}));
}

// A covered position outlines its owner, in the owner's text colour.
TEST(HighlightTest, OutlinesTheOwnerOfCoveredPositions) {
    TableSpec table = StartTable(6, 6);
    Span(table, 2, 2, 2, 3);
    table.At(2, 2).lngTextColor = 0x0000FF;
    RecordingCanvas canvas(512, 230);
    const GridGeometry g = DrawTable(table, canvas);
    canvas.calls.clear();
    std::int16_t row = 3, col = 3, hiRow = -1, hiCol = -1;
    EXPECT_FALSE(HighlightCell(table, g, canvas, row, col, hiRow, hiCol));
    EXPECT_EQ((std::vector<int>{row, col, hiRow, hiCol}), (std::vector<int>{2, 2, 2, 2}));
    ASSERT_EQ(canvas.calls.size(), 1u);
    const auto& call = canvas.calls[0];
    EXPECT_EQ(std::tie(call.kind, call.colour, call.x1, call.y1, call.x2, call.y2),
              std::make_tuple(Kind::Outline, 0x0000FF, 97.0, 50.0, 344, 120));
}

// clang-format off
struct HitCase { const char* name; double x, y; bool hit; int row, col; };
// clang-format on

// 6 x 6 on 512 x 230: cells 83 x 36, (1, 1) from (14, 14) to (95, 48); a
// 2 x 2 span at (3, 3) from (180, 86) to (344, 156).
TEST(GridHitTestTest, FindsTheAnchorWhoseRectangleHoldsThePoint) {
    TableSpec table;
    testing::Span(table, 3, 3, 2, 2);
    testing::RecordingCanvas canvas(512, 230);
    DrawTable(table, canvas);
    // clang-format off
    const HitCase cases[] = {
        {"TopLeftCorner", 14, 14, true, 1, 1}, {"BottomRightCornerIncluded", 95, 48, true, 1, 1},
        {"GapBetweenColumns", 96, 30, false, -1, -1}, {"ColumnNumberStrip", 50, 5, false, -1, -1},
        {"GreyStripBelow", 100, 230, false, -1, -1}, {"SpanCoveredPart", 340, 150, true, 3, 3},
        {"SpanInnerGapIsInside", 263, 121, true, 3, 3}};
    // clang-format on
    for (const HitCase& c : cases) {
        std::int16_t row = -1, col = -1;
        EXPECT_EQ(GridHitTest(table, c.x, c.y, row, col), c.hit) << c.name;
        EXPECT_EQ(std::pair(row * 1, col * 1), std::pair(c.row, c.col)) << c.name;
    }
}

TEST(GridHitTestTest, StaleRectanglesOfCoveredPositionsTakeNoPart) {
    TableSpec table;
    testing::RecordingCanvas canvas(512, 230);
    DrawTable(table, canvas);
    // (2, 2) keeps the rectangle of its last drawing after it is covered.
    testing::Span(table, 2, 1, 1, 2);
    std::int16_t row = 0, col = 0;
    EXPECT_FALSE(GridHitTest(table, 120, 60, row, col));
    DrawTable(table, canvas);
    ASSERT_TRUE(GridHitTest(table, 120, 60, row, col));
    EXPECT_EQ(std::pair(row * 1, col * 1), std::pair(2, 1));
}

using Rows = std::vector<std::vector<std::string>>;

// A block of h x w values "r,c" (1-based within the block).
Rows Block(std::size_t h, std::size_t w) {
    Rows rows(h, std::vector<std::string>(w));
    for (std::size_t i = 0; i < h; ++i)
        for (std::size_t j = 0; j < w; ++j)
            rows[i][j] = std::to_string(i + 1) + "," + std::to_string(j + 1);
    return rows;
}

// clang-format off
struct GrowCase { const char* name; int tableRows, tableCols, row, col, blockRows, blockCols;
    int rowsAfter, colsAfter, placed, rowsCut, colsCut; };
// clang-format on

TEST(PasteValuesTest, FillsGrowsAndCounts) {
    const GrowCase cases[] = {{"InsideTable", 6, 6, 2, 2, 3, 4, 6, 6, 12, 0, 0},
                              {"GrowsBoth", 2, 2, 2, 2, 3, 3, 4, 4, 9, 0, 0},
                              {"CutBothWays", 6, 6, 19, 19, 4, 4, 20, 20, 4, 2, 2},
                              {"NeverShrinks", 10, 10, 1, 1, 1, 1, 10, 10, 1, 0, 0},
                              {"StartOnLastRow", 6, 6, 20, 1, 2, 1, 20, 6, 1, 1, 0}};
    for (const GrowCase& c : cases) {
        SCOPED_TRACE(c.name);
        TableSpec table = StartTable(c.tableRows, c.tableCols);
        table.At(1, 1).strContent = "kept unless pasted over";
        const PasteOutcome out = PasteValues(table, c.row, c.col, Block(c.blockRows, c.blockCols));
        EXPECT_EQ((std::vector<int>{table.intNumRows, table.intNumCols, out.placed, out.rowsCut,
                                    out.colsCut}),
                  (std::vector<int>{c.rowsAfter, c.colsAfter, c.placed, c.rowsCut, c.colsCut}));
        // The block's last value lands where it belongs; a cell outside keeps its own.
        const int lastRow = std::min(c.blockRows, 21 - c.row);
        const int lastCol = std::min(c.blockCols, 21 - c.col);
        EXPECT_EQ(table.At(c.row + lastRow - 1, c.col + lastCol - 1).strContent,
                  std::to_string(lastRow) + "," + std::to_string(lastCol));
        EXPECT_EQ(table.At(1, 1).strContent, c.row == 1 ? "1,1" : "kept unless pasted over");
    }
}

TEST(PasteValuesTest, SkipsCoveredPositionsAndKeepsTheAnchor) {
    TableSpec table = StartTable(6, 6);
    Span(table, 3, 3, 2, 2);
    table.At(3, 3).strContent = "anchor";
    table.At(4, 4).strContent = "hidden";
    const PasteOutcome outcome =
        PasteValues(table, 2, 2, {{"a", "b", "c"}, {"d", "e", "f"}, {"g", "", "i"}});
    // The anchor takes its own value; f and i are lost, the empty value on
    // (4, 3) loses nothing.
    EXPECT_EQ(table.At(3, 3).strContent + table.At(4, 4).strContent + table.At(4, 2).strContent,
              "ehiddeng");
    EXPECT_EQ((std::vector<int>{table.At(4, 3).intRowSpan, table.At(3, 3).intRowSpan,
                                outcome.skipped, outcome.placed}),
              (std::vector<int>{0, 2, 2, 6}));
}

// Without markers an empty value empties its cell; a short row leaves the
// rest; an empty block changes nothing.
TEST(PasteValuesTest, ShortRowsAndEmptyBlocksLeaveTheirCellsAlone) {
    TableSpec table = StartTable(3, 3);
    table.At(1, 1).strContent = table.At(1, 3).strContent = "old";
    PasteValues(table, 1, 1, {{""}, {"y", "z", "w"}});
    EXPECT_EQ(table.At(1, 1).strContent + "|" + table.At(1, 3).strContent + "|" +
                  table.At(2, 3).strContent,
              "|old|w");
    const TableSpec before = table;
    for (const Rows& rows : {Rows{}, Rows{{}, {}}}) {
        EXPECT_EQ(PasteValues(table, 3, 3, rows).placed, 0);
        EXPECT_TRUE(table.SameSpec(before));
    }
}

TEST(PasteValuesTest, PlaceMarkersStayConsistent) {
    TableSpec table = StartTable(2, 2);
    table.blnAddPlaceMarkers = true;
    FillPlaceMarkers(table, true);
    PasteValues(table, 2, 2, {{"v", ""}, {"", "  "}});
    ASSERT_EQ(table.intNumRows * 100 + table.intNumCols, 303);
    // An empty value leaves the cell empty: its marker comes back; (3, 1)
    // grew outside the block.
    EXPECT_EQ(table.At(2, 2).strContent + " " + table.At(2, 3).strContent + " " +
                  table.At(3, 3).strContent + " " + table.At(3, 1).strContent,
              "v R2C3 R3C3 R3C1");
}

// A 2 x 3 block as a spreadsheet's HTML gives it: "a" in Arial over two
// columns, then a row of three.
TableSpec CopiedBlock() {
    TableSpec block = StartTable(2, 3);
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 3; ++c) block.Cell[r][c].strContent = std::to_string(r * 10 + c);
    }
    Span(block, 1, 1, 1, 2);
    block.Cell[1][1].strContent = "a";
    block.Cell[1][1].strFontFace = "Arial";
    return block;
}

// tableSpanInTheWay: a 3 x 2 merge at (1, 1); spanRows, spanCols: the pasted merge as it lands.
// clang-format off
struct PasteCellsCase { const char* name; int row, col; bool tableSpanInTheWay;
    int rowsAfter, colsAfter, rowsCut, colsCut, split; int spanRows, spanCols; };
// clang-format on

TEST(PasteCellsTest, PlacesSpansAndPropertiesWithoutBreakingTheGrid) {
    const PasteCellsCase cases[] = {
        {"InsideTheTable", 4, 4, false, 6, 6, 0, 0, 0, 1, 2},
        {"OverAMergeReachingIn", 2, 2, true, 6, 6, 0, 0, 1, 1, 2},
        {"CutAtTheLastRowAndColumn", 20, 20, false, 20, 20, 1, 2, 0, 1, 1}};
    for (const PasteCellsCase& c : cases) {
        SCOPED_TRACE(c.name);
        TableSpec table = StartTable(6, 6);
        if (c.tableSpanInTheWay) Span(table, 1, 1, 3, 2);
        const PasteOutcome out = PasteCells(table, c.row, c.col, CopiedBlock());
        EXPECT_EQ(CheckTable(table), "");
        const CellSpec& anchor = table.At(c.row, c.col);
        EXPECT_EQ((std::vector<int>{table.intNumRows, table.intNumCols, out.rowsCut, out.colsCut,
                                    out.split, anchor.intRowSpan, anchor.intColSpan}),
                  (std::vector<int>{c.rowsAfter, c.colsAfter, c.rowsCut, c.colsCut, c.split,
                                    c.spanRows, c.spanCols}));
        EXPECT_EQ(anchor.strContent + "|" + anchor.strFontFace, "a|Arial");
        EXPECT_TRUE(c.row == 20 || table.At(c.row + 1, c.col).strContent == "21");
    }
}

// Copying a merged cell and pasting it where it is breaks nothing up; an
// empty pasted cell gets its marker.
TEST(PasteCellsTest, AMergePastedOntoItselfIsNoLossAndEmptyCellsGetMarkers) {
    TableSpec table = StartTable(3, 3);
    table.blnAddPlaceMarkers = true;
    Span(table, 1, 1, 1, 2);
    TableSpec block = CopiedBlock();
    block.Cell[2][2].strContent.clear();
    EXPECT_EQ(PasteCells(table, 1, 1, block).split, 0);
    EXPECT_EQ(table.At(2, 2).strContent, MakePlaceMarker(2, 2));
}

}  // namespace
}  // namespace tabloom
