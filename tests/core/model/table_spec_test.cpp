#include "core/model/table_spec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/colour.h"
#include "core/model/place_markers.h"
#include "core/model/table_history.h"
#include "table_builders.h"

namespace tabloom {
namespace {

using testing::Span;

// An empty cell at (r, c): default fields, owning itself.
void ExpectReset(const TableSpec& t, int r, int c) {
    CellSpec empty;
    empty.intOwnerRow = static_cast<std::int16_t>(r);
    empty.intOwnerCol = static_cast<std::int16_t>(c);
    EXPECT_TRUE(t.At(r, c).SameSpec(empty)) << r << "," << c;
}

TEST(TableSpecTest, ResetKeepsTheDrawnRectangleAndOwnsItself) {
    TableSpec t;
    Span(t, 2, 2, 2, 2);
    CellSpec& cell = t.At(3, 3);
    cell.strFontFace = "Arial";
    cell.intTop = 10;
    cell.intRight = 40;
    ResetCell(t, 3, 3);
    ExpectReset(t, 3, 3);
    EXPECT_EQ(cell.intTop, 10);
    EXPECT_EQ(cell.intRight, 40);
}

// The program start is a table of default values, whatever came before.
TEST(TableSpecTest, InitialStateForgetsEverything) {
    TableSpec t = testing::RichTable();
    t.At(20, 20).strContent = "outside";
    InitTableState(t);
    const TableSpec fresh;
    EXPECT_TRUE(t.SameSpec(fresh));
    EXPECT_TRUE(testing::SameWholeGrid(t, fresh));
}

TEST(TableSpecTest, NewTableResetsCellsAndColoursButKeepsFrameAndOptions) {
    TableSpec t;
    t.intTableWidth = 80;
    t.lngTableBgColor = 0x123456;
    t.lngTableTextColor = 0x654321;
    t.intNumRows = 20;
    Span(t, 19, 19, 2, 2);
    t.At(20, 20).strContent = "hidden";
    t.strLang = "de";
    t.intHeaderRows = t.intHeaderCols = 2;
    t.strCaption = "Prices";
    NewTable(t);
    EXPECT_EQ(t.strLang + "|" + t.strCaption, "de|");
    EXPECT_EQ((std::vector<int>{t.intTableWidth, t.intHeaderRows, t.intHeaderCols, t.intNumRows,
                                t.lngTableBgColor, t.lngTableTextColor}),
              (std::vector<int>{80, 0, 0, 6, 0xFFFFFF, 0}));
    for (int r = 1; r <= 20; ++r) {
        for (int c = 1; c <= 20; ++c) ExpectReset(t, r, c);
    }
}

TEST(TableSpecTest, ShrinkingCutsSpansAndResetsOutside) {
    TableSpec t;
    NewTable(t);
    Span(t, 3, 2, 3, 2);  // rows 3..5 cut back to 3..4
    Span(t, 1, 3, 1, 3);  // columns 3..5 cut back to 3
    t.At(4, 2).strContent = "under the span";
    t.intHeaderRows = 5;
    t.intHeaderCols = 3;
    t.intNumRows = 4;
    t.intNumCols = 3;
    AdjustCellsToDimensions(t);
    EXPECT_EQ(
        (std::vector<int>{t.intHeaderRows, t.intHeaderCols, t.At(3, 2).intRowSpan,
                          t.At(3, 2).intColSpan, t.At(1, 3).intColSpan, t.At(4, 3).intOwnerRow}),
        (std::vector<int>{4, 3, 2, 2, 1, 3}));
    EXPECT_EQ(t.At(4, 2).strContent, "under the span");
    for (int r = 1; r <= 20; ++r) {
        for (int c = 1; c <= 20; ++c) {
            if (r > 4 || c > 3) ExpectReset(t, r, c);
        }
    }
}

TEST(TableSpecTest, SameSpecIgnoresDrawnRectanglesAndOutsideCells) {
    TableSpec a;
    TableSpec b;
    NewTable(a);
    NewTable(b);
    b.At(1, 1).intTop = 99;
    b.At(10, 10).strContent = "outside";
    EXPECT_TRUE(a.SameSpec(b));
    b.At(6, 6).intVAlign = 2;
    EXPECT_FALSE(a.SameSpec(b));
}

// Colours are stored 0x00BBGGRR and written #RRGGBB; a value past a byte is
// padded, never cut.
TEST(ColourTest, HexWritesRedGreenBlueInUpperCaseAndComponentsComposeBack) {
    const std::pair<std::int32_t, const char*> cases[] = {{0x000000, "#000000"},
                                                          {0xFFFFFF, "#FFFFFF"},
                                                          {0x0A0B0C, "#0C0B0A"},
                                                          {NotSpecifiedColor, "#FFFF7FFF"}};
    for (const auto& [colour, hex] : cases) EXPECT_EQ(ColorToHex(colour), hex) << colour;
    EXPECT_EQ(HexColor(10, 0, 255), "#0A00FF");
    EXPECT_EQ(HexColor(255, 255, 32767), "#FFFF7FFF");
    EXPECT_EQ(ColorFromRGB(0x0C, 0x0B, 0x0A), 0x0A0B0C);
    EXPECT_EQ(ColorFromRGB(255, 255, 255), 0xFFFFFF);
}

// clang-format off
struct MarkerCase { const char* content; int rows; int cols; bool marker; };
// clang-format on

TEST(PlaceMarkerTest, RecognisesMarkersOfAnyCellOfTheTable) {
    const MarkerCase cases[] = {
        {"R3C4", 6, 6, true},  {"  R3C4  ", 6, 6, true}, {"R3C4x", 6, 6, false},
        {"r3c4", 6, 6, false}, {"R3C04", 6, 6, false},   {"R123C1", 20, 20, false},
        {"R03C4", 6, 6, true}, {"R2C3", 2, 3, true},     {"R2C3", 2, 2, false},
        {"R0C1", 6, 6, false}, {"R1C0", 6, 6, false},    {"R20C20", 20, 20, true},
        {"", 6, 6, false},     {"RC1", 6, 6, false},     {"R1C", 6, 6, false},
        {"R1X1", 6, 6, false}, {"R7C6", 6, 6, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsPlaceMarkerText(c.content, c.rows, c.cols), c.marker)
            << c.content << " in " << c.rows << "x" << c.cols;
    }
    EXPECT_EQ(MakePlaceMarker(20, 20), "R20C20");
}

TEST(PlaceMarkerTest, ReadsTheCellOfTheTable) {
    TableSpec table;
    NewTable(table);
    table.At(5, 1).strContent = "R2C3";
    EXPECT_TRUE(IsPlaceMarker(table, 5, 1));
    table.intNumCols = 2;
    EXPECT_FALSE(IsPlaceMarker(table, 5, 1));
}

HistoryState State(const std::string& content, bool centred, const std::string& path) {
    HistoryState s;
    InitTableState(s.table);
    s.table.At(2, 3).strContent = content;
    s.table.blnCenterTable = centred;
    s.outputPath = path;
    return s;
}

bool Same(const HistoryState& a, const HistoryState& b) {
    return a.table.SameSpec(b.table) && a.outputPath == b.outputPath;
}

TEST(TableHistoryTest, UndoAndRedoWalkTheStatesAndANewChangeDropsTheRedoSteps) {
    const std::vector<HistoryState> states = {State("", false, ""), State("a", false, ""),
                                              State("a", true, "x.htm"), State("b", true, "")};
    TableHistory history;
    for (std::size_t i = 1; i < states.size(); ++i) {
        history.Record("step " + std::to_string(i), states[i - 1], states[i]);
    }
    EXPECT_EQ(history.UndoText(), "step 3");
    EXPECT_EQ(history.RedoText(), "");
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(history.CanUndo());
        EXPECT_TRUE(Same(history.Undo(), states[i - 1])) << "undo to " << i - 1;
    }
    EXPECT_FALSE(history.CanUndo());
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(history.CanRedo());
        EXPECT_TRUE(Same(history.Redo(), states[i])) << "redo to " << i;
    }
    EXPECT_FALSE(history.CanRedo());

    history.Undo();
    history.Undo();
    history.Record("other", states[1], State("c", false, ""));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Count(), 2u);
    EXPECT_TRUE(Same(history.Undo(), states[1]));
}

TEST(TableHistoryTest, KeepsTheNewestStepsOnly) {
    TableHistory history(3);
    for (int i = 0; i < 5; ++i) {
        history.Record("", State(std::to_string(i), false, ""), State("", false, ""));
    }
    EXPECT_EQ(history.Count(), 3u);
    HistoryState oldest;
    while (history.CanUndo()) oldest = history.Undo();
    EXPECT_EQ(oldest.table.At(2, 3).strContent, "2");
    history.Clear();
    EXPECT_FALSE(history.CanRedo());
}

// A full table of long cells changed 250 times in its options shares every
// cell; an edited cell adds one.
TEST(TableHistoryTest, StepsShareTheCellsTheyHaveInCommon) {
    HistoryState state;
    InitTableState(state.table);
    state.table.intNumRows = state.table.intNumCols = 20;
    for (int r = 1; r <= 20; ++r) {
        for (int c = 1; c <= 20; ++c) state.table.At(r, c).strContent = std::string(2048, 'x');
    }
    TableHistory history;
    for (int i = 0; i < 250; ++i) {
        HistoryState after = state;
        after.table.blnCenterTable = !state.table.blnCenterTable;
        history.Record("center", state, after);
        state = after;
    }
    constexpr std::size_t kPositions = (intMaxRows + 1) * (intMaxCols + 1);
    EXPECT_EQ(history.DistinctCells(), kPositions);
    HistoryState after = state;
    after.table.At(20, 20).strContent = "edited";
    history.Record("edit", state, after);
    EXPECT_EQ(history.DistinctCells(), kPositions + 1);
    EXPECT_EQ(history.Undo().table.At(20, 20).strContent, std::string(2048, 'x'));
}

}  // namespace
}  // namespace tabloom
