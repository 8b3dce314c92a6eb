#include "core/model/table_spec.h"

#include <gtest/gtest.h>

namespace tabloom {
namespace {

void ExpectReset(const TableSpec& t, int r, int c) {
    const CellSpec& cell = t.At(r, c);
    EXPECT_EQ(cell.intRowSpan, 1) << r << "," << c;
    EXPECT_EQ(cell.intColSpan, 1) << r << "," << c;
    EXPECT_EQ(cell.lngTextColor, NotSpecifiedColor);
    EXPECT_EQ(cell.lngBgColor, NotSpecifiedColor);
    EXPECT_TRUE(cell.strContent.empty()) << r << "," << c;
    EXPECT_EQ(cell.intOwnerRow, r);
    EXPECT_EQ(cell.intOwnerCol, c);
    EXPECT_EQ(cell.intWidth, -1);
    EXPECT_EQ(cell.intHeight, -1);
    EXPECT_TRUE(cell.strFontFace.empty());
}

// Gives (r, c) a span over rows x cols and covers the other positions.
void Span(TableSpec& t, int r, int c, int rows, int cols) {
    t.At(r, c).intRowSpan = static_cast<std::int16_t>(rows);
    t.At(r, c).intColSpan = static_cast<std::int16_t>(cols);
    for (int i = r; i < r + rows; ++i) {
        for (int j = c; j < c + cols; ++j) {
            if (i == r && j == c) continue;
            t.At(i, j).intRowSpan = 0;
            t.At(i, j).intColSpan = 0;
            t.At(i, j).intOwnerRow = static_cast<std::int16_t>(r);
            t.At(i, j).intOwnerCol = static_cast<std::int16_t>(c);
        }
    }
}

TEST(TableSpecTest, InitialStateIsTheProgramStart) {
    TableSpec t;
    t.intTableWidth = 50;
    t.blnCenterTable = true;
    t.At(3, 3).strContent = "x";
    InitTableState(t);
    EXPECT_EQ(t.intNumRows, 6);
    EXPECT_EQ(t.intNumCols, 6);
    EXPECT_EQ(t.intTableWidth, -1);
    EXPECT_EQ(t.intTableWidthUnit, 1);
    EXPECT_EQ(t.intBorder, 4);
    EXPECT_EQ(t.intCellPadding, 4);
    EXPECT_EQ(t.intCellSpacing, 4);
    EXPECT_EQ(t.intBorderColorIndex, 0);
    EXPECT_EQ(t.intBorderStyleIndex, 2);
    EXPECT_FALSE(t.blnCenterTable);
    EXPECT_TRUE(t.blnUseSpecifiedColors);
    ExpectReset(t, 3, 3);
}

TEST(TableSpecTest, NewTableResetsCellsAndColoursButKeepsFrameAndOptions) {
    TableSpec t;
    t.intTableWidth = 80;
    t.intBorder = 0;
    t.blnAddHTMLWrapper = true;
    t.lngTableBgColor = 0x123456;
    t.lngTableTextColor = 0x654321;
    t.intNumRows = 20;
    Span(t, 19, 19, 2, 2);
    t.At(20, 20).strContent = "hidden";
    NewTable(t);
    EXPECT_EQ(t.intNumRows, 6);
    EXPECT_EQ(t.intTableWidth, 80);
    EXPECT_EQ(t.intBorder, 0);
    EXPECT_TRUE(t.blnAddHTMLWrapper);
    EXPECT_EQ(t.lngTableBgColor, 0xFFFFFF);
    EXPECT_EQ(t.lngTableTextColor, 0);
    for (int r = 1; r <= 20; ++r) {
        for (int c = 1; c <= 20; ++c) ExpectReset(t, r, c);
    }
}

TEST(TableSpecTest, ShrinkingCutsSpansAndResetsOutside) {
    TableSpec t;
    NewTable(t);
    Span(t, 3, 2, 3, 2);  // rows 3..5, columns 2..3
    t.At(4, 2).strContent = "under the span";
    t.At(6, 6).strContent = "lost";
    t.intNumRows = 4;
    AdjustCellsToDimensions(t);
    EXPECT_EQ(t.At(3, 2).intRowSpan, 2);
    EXPECT_EQ(t.At(3, 2).intColSpan, 2);
    EXPECT_EQ(t.At(4, 3).intOwnerRow, 3);
    EXPECT_EQ(t.At(4, 3).intOwnerCol, 2);
    EXPECT_EQ(t.At(4, 2).strContent, "under the span");
    for (int r = 5; r <= 20; ++r) {
        for (int c = 1; c <= 20; ++c) ExpectReset(t, r, c);
    }
    // Growing back gives empty cells.
    t.intNumRows = 6;
    AdjustCellsToDimensions(t);
    EXPECT_TRUE(t.At(6, 6).strContent.empty());
    EXPECT_EQ(t.At(5, 2).intRowSpan, 1);
    EXPECT_EQ(t.At(3, 2).intRowSpan, 2);
}

TEST(TableSpecTest, ShrinkingColumnsResetsAnOwnerOutsideWithItsBlock) {
    TableSpec t;
    NewTable(t);
    Span(t, 1, 5, 2, 2);
    Span(t, 2, 2, 1, 4);  // columns 2..5 of row 2 cut back to 2..3
    t.intNumCols = 3;
    AdjustCellsToDimensions(t);
    EXPECT_EQ(t.At(2, 2).intColSpan, 2);
    EXPECT_EQ(t.At(2, 3).intOwnerCol, 2);
    for (int r = 1; r <= 2; ++r) {
        for (int c = 4; c <= 6; ++c) ExpectReset(t, r, c);
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

}  // namespace
}  // namespace tabloom
