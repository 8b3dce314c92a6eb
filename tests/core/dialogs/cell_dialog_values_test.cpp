#include "core/dialogs/cell_dialog_values.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/dialogs/cell_checks.h"
#include "core/grid/span_rules.h"

namespace tabloom {
namespace {

TableSpec SixBySix() {
    TableSpec table;
    NewTable(table);
    return table;
}

// Spans, content and colours are checked through the real dialog; place
// markers and unset sizes show as empty boxes.
TEST(CellDialogOpeningTest, FillsFromTheCell) {
    TableSpec table = SixBySix();
    CellSpec& cell = table.At(2, 3);
    cell.intAlign = 2;
    cell.intVAlign = 3;
    cell.intWidth = 40;
    cell.intWidthUnit = 0;
    cell.intHeight = 25;
    cell.strFontFace = "Arial";
    cell.strFontSize = "+1";
    const CellDialogValues v = CellDialogValuesFor(table, 2, 3);
    EXPECT_EQ(std::tie(v.align, v.valign, v.width, v.percent, v.height, v.fontFace, v.fontSize),
              std::make_tuple(2, 3, std::string("40"), true, std::string("25"),
                              std::string("Arial"), std::string("+1")));

    const struct {
        const char* content;
        std::int16_t width, unit;
        const char *shownContent, *shownWidth;
        bool percent;
    } cases[] = {{"R6C6", -1, 1, "", "", false},
                 {" R1C2 ", -1, 0, "", "", true},
                 {"R7C1", -1, 1, "R7C1", "", false},
                 {"R6C6x", 0, 1, "R6C6x", "0", false},
                 {"", 250, 1, "", "250", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        table.At(6, 6).strContent = c.content;
        table.At(6, 6).intWidth = c.width;
        table.At(6, 6).intWidthUnit = c.unit;
        const CellDialogValues shown = CellDialogValuesFor(table, 6, 6);
        EXPECT_EQ(std::tie(shown.content, shown.width, shown.percent, shown.height),
                  std::make_tuple(std::string(c.shownContent), std::string(c.shownWidth), c.percent,
                                  std::string()));
        EXPECT_EQ(std::pair(shown.rowSpanItems, shown.useCellColours), std::pair(1, false));
    }
}

// A dialog as the user left it before pressing Accept.
CellDialogValues Typed(const char* width, bool percent, const char* height, const char* size) {
    CellDialogValues v;
    v.rowSpanItems = 6;
    v.colSpanItems = 6;
    v.content = "  hello  ";
    v.width = width;
    v.percent = percent;
    v.height = height;
    v.fontSize = size;
    v.fontFace = " \"Arial\" ";
    return v;
}

TEST(CellAcceptTest, StopsAtTheFirstRefusal) {
    const char* kWidth = " Width in pixels must be in the range 10 through 1000.";
    const char* kHeight = " Height in pixels must be in the range 10 through 1000.";
    const struct {
        const char* name;
        const char* width;
        bool percent;
        const char *height, *size;
        int colSpanIndex;
        const char* message;
        bool spansSet;
        const char *sizeAfter, *faceAfter;
    } cases[] = {
        // clang-format off
        {"all fine", " 50 ", true, " 20 ", " 4 ", 0, "", true, "4", "Arial"},
        {"width before height", "0", false, "5", "9", 0, kWidth, false, "9", " \"Arial\" "},
        {"height", "", true, "1001", "9", 0, kHeight, false, "9", " \"Arial\" "},
        {"overlap before font size", "", true, "", " 9 ", 1,
         "Proposed cell size is inadmissible because the resulting cell would overlap with the cell at row 2 column 3.",
         true, " 9 ", " \"Arial\" "},
        {"font size trimmed then refused", "", true, "", " 8 ", 0, "font", true, "8", " \"Arial\" "}};
    // clang-format on
    TableSpec table = SixBySix();
    ApplySpans(table, 2, 3, 2, 1);  // blocks widening (2, 2) past column 2
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CellDialogValues v = Typed(c.width, c.percent, c.height, c.size);
        v.colSpanIndex = c.colSpanIndex;
        const CellAcceptResult r = CheckCellAccept(table, 2, 2, v);
        EXPECT_EQ(r.message, std::string(c.message) == "font" ? FontSizeMessage() : c.message);
        EXPECT_EQ(r.spansSet, c.spansSet);
        EXPECT_EQ(v.content, "hello");  // trimmed by every press
        EXPECT_EQ(v.fontSize, c.sizeAfter);
        EXPECT_EQ(v.fontFace, c.faceAfter);
        EXPECT_TRUE(!c.spansSet || r.newColSpan == c.colSpanIndex + 1) << r.newColSpan;
    }
}

TEST(CellAcceptTest, OverlapNamesTheOwnerAboveTheBlock) {
    TableSpec table = SixBySix();
    ApplySpans(table, 1, 3, 2, 1);
    CellDialogValues v = Typed("", false, "", "");
    v.colSpanIndex = 1;
    const CellAcceptResult r = CheckCellAccept(table, 2, 2, v);
    EXPECT_TRUE(r.overlapFound);
    EXPECT_EQ(std::tie(r.overlapRow, r.overlapCol, r.newRowSpan, r.newColSpan),
              std::make_tuple(1, 3, 1, 2));
}

TEST(CellAcceptTest, ColoursClearedOnlyWhenTheBoxIsNotTicked) {
    const TableSpec table = SixBySix();
    for (const bool ticked : {true, false}) {
        CellDialogValues v = Typed("", false, "", "");
        v.useCellColours = ticked;
        v.textColour = 0x0000FF;
        v.bgColour = 0x00FF00;
        ASSERT_EQ(CheckCellAccept(table, 1, 1, v).message, "");
        EXPECT_EQ(v.textColour, ticked ? 0x0000FF : NotSpecifiedColor);
        EXPECT_EQ(v.bgColour, ticked ? 0x00FF00 : NotSpecifiedColor);
    }
}

TEST(CellStoreTest, ConvertsAsStored) {
    const struct {
        const char* name;
        const char* width;
        bool percent;
        const char *height, *content;
        bool markers;
        std::int16_t storedWidth, storedHeight;
        const char* storedContent;
    } cases[] = {{"empty boxes", "", false, "", "x", false, -1, -1, "x"},
                 {"half rounds to even up", "99.5", true, "10.5", "x", false, 100, 10, "x"},
                 {"half rounds to even down", "98.5", true, "11.5", "x", false, 98, 12, "x"},
                 {"trailing unit text", "12px", false, "40", "x", false, 12, 40, "x"},
                 {"two lines trimmed", "", false, "", "  a\r\nb ", false, -1, -1, "a\r\nb"},
                 {"empty with markers", "", false, "", "   ", true, -1, -1, "R3C4"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TableSpec table = SixBySix();
        table.blnAddPlaceMarkers = c.markers;
        table.At(3, 4).intHeightUnit = 0;
        CellDialogValues v;
        v.width = c.width;
        v.percent = c.percent;
        v.height = c.height;
        v.content = c.content;
        v.align = 3;
        v.valign = 1;
        v.fontFace = "Verdana";
        v.fontSize = "-2";
        v.textColour = 0x010203;
        v.bgColour = NotSpecifiedColor;
        StoreCellValues(table, 3, 4, v, 1, 1);
        const CellSpec& cell = table.At(3, 4);
        EXPECT_EQ(
            (std::vector<int>{cell.intWidth, cell.intWidthUnit, cell.intHeight, cell.intHeightUnit,
                              cell.intAlign, cell.intVAlign, cell.lngTextColor, cell.lngBgColor}),
            (std::vector<int>{c.storedWidth, c.percent ? 0 : 1, c.storedHeight, 1, 3, 1, 0x010203,
                              NotSpecifiedColor}));
        EXPECT_EQ(cell.strContent + "|" + cell.strFontFace + "|" + cell.strFontSize,
                  std::string(c.storedContent) + "|Verdana|-2");
    }
}

TEST(CellStoreTest, SpansCoverAndReleasePositions) {
    TableSpec table = SixBySix();
    table.At(2, 2).strContent = "kept";
    CellDialogValues v;
    StoreCellValues(table, 1, 1, v, 2, 3);
    EXPECT_EQ((std::vector<int>{table.At(1, 1).intRowSpan, table.At(1, 1).intColSpan,
                                table.At(2, 3).intRowSpan, table.At(2, 3).intOwnerCol,
                                table.At(1, 4).intRowSpan}),
              (std::vector<int>{2, 3, 0, 1, 1}));
    // Shrinking gives the covered cell back with its content.
    StoreCellValues(table, 1, 1, v, 1, 1);
    EXPECT_EQ(std::tie(table.At(2, 2).intRowSpan, table.At(2, 2).intOwnerRow),
              std::make_tuple(1, 2));
    EXPECT_EQ(table.At(2, 2).strContent, "kept");
}

}  // namespace
}  // namespace tabloom
