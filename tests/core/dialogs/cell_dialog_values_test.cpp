#include "core/dialogs/cell_dialog_values.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/dialogs/cell_checks.h"
#include "core/dialogs/table_frame_check.h"
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
    // clang-format off
    table.At(2, 3) = {.intOwnerRow = 2, .intOwnerCol = 3, .intAlign = 2, .intVAlign = 3,
                      .intWidth = 40, .intWidthUnit = 0, .strFontFace = "Arial",
                      .strFontSize = "+1", .intHeight = 25};
    const CellDialogValues v = CellDialogValuesFor(table, 2, 3);
    EXPECT_EQ(std::tie(v.align, v.valign, v.width, v.percent, v.height, v.fontFace, v.fontSize),
              std::make_tuple(2, 3, std::string("40"), true, std::string("25"),
                              std::string("Arial"), std::string("+1")));

    const struct { const char* content; std::int16_t width, unit;
        const char *shownContent, *shownWidth; bool percent;
        } cases[] = {{"R6C6", -1, 1, "", "", false},
                 {"R7C1", -1, 1, "R7C1", "", false},
                 {"R6C6x", 0, 1, "R6C6x", "0", false},
                 {"", 250, 1, "", "250", false}};
    // clang-format on
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
    // clang-format off
    return {.rowSpanItems = 6, .colSpanItems = 6, .content = "  hello  ", .width = width,
            .percent = percent, .height = height, .fontFace = " \"Arial\" ", .fontSize = size};
    // clang-format on
}

TEST(CellAcceptTest, StopsAtTheFirstRefusal) {
    const char* kWidth = " Width in pixels must be in the range 10 through 1000.";
    const char* kHeight = " Height in pixels must be in the range 10 through 1000.";
    // clang-format off
    const struct { const char* name; const char* width; bool percent; const char *height, *size;
        int colSpanIndex; const char* message; bool spansSet; const char *sizeAfter, *faceAfter;
        } cases[] = {
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

TEST(CellStoreTest, ConvertsAsStored) {
    // clang-format off
    const struct { const char* name; const char* width; bool percent; const char *height, *content;
        bool markers; std::int16_t storedWidth, storedHeight; const char* storedContent;
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
        CellDialogValues v{.content = c.content, .align = 3, .valign = 1, .width = c.width,
                           .percent = c.percent, .height = c.height, .fontFace = "Verdana",
                           .fontSize = "-2", .textColour = 0x010203};
        // clang-format on
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

const std::string kPercent = " Width in percent must be in the range 5 through 100.";
const std::string kPixels = " Width in pixels must be in the range 50 through 1000.";
const std::string kBorder = " Border in pixels must be in the range 0 through 100.";
const std::string kPadding = " Cellpadding in pixels must be in the range 0 through 100.";
const std::string kSpacing = " Cell spacing in pixels must be in the range 0 through 100.";

struct FrameCase {
    TableFrameEntry entry;
    std::string message;  // empty: accepted
    // What is stored when accepted: width, unit, border, padding, spacing.
    std::int16_t stored[5];
};

TableFrameEntry Entry(std::string width, bool percent, std::string border = "",
                      std::string padding = "", std::string spacing = "") {
    return {std::move(width), std::move(border), std::move(padding), std::move(spacing), percent};
}

TEST(TableFrameCheckTest, ChecksOnTheReadValueAndStoresItRounded) {
    // clang-format off
    const FrameCase cases[] = {
        {Entry("", true), "", {-1, 0, -1, -1, -1}},
        {Entry("5", true), "", {5, 0, -1, -1, -1}}, {Entry("100", true), "", {100, 0, -1, -1, -1}},
        {Entry("4", true), kPercent, {}}, {Entry("101", true), kPercent, {}},
        // Checked before rounding: 4.6 would round to 5 and 5.4 to 5.
        {Entry("4.6", true), kPercent, {}}, {Entry("5.4", true), "", {5, 0, -1, -1, -1}},
        {Entry("50", false), "", {50, 1, -1, -1, -1}}, {Entry("1000", false), "", {1000, 1, -1, -1, -1}},
        {Entry("49", false), kPixels, {}}, {Entry("1001", false), kPixels, {}},
        {Entry("  60  ", true, " 2 ", " 3", "4 "), "", {60, 0, 2, 3, 4}},
        {Entry("", true, "0", "0", "0"), "", {-1, 0, 0, 0, 0}},
        {Entry("", true, "100", "100", "100"), "", {-1, 0, 100, 100, 100}},
        {Entry("", true, "101"), kBorder, {}}, {Entry("", true, "-1"), kBorder, {}},
        {Entry("", true, "", "101"), kPadding, {}}, {Entry("", true, "", "", "101"), kSpacing, {}},
        // Text without a number passes as 0 in the pixel boxes.
        {Entry("", true, "thin", "x", "-"), "", {-1, 0, 0, 0, 0}},
        {Entry("", true, "2.5", "3.5", "99.5"), "", {-1, 0, 2, 4, 100}},
        // The first failing box is reported.
        {Entry("1", false, "500", "500", "500"), kPixels, {}},
        {Entry("60", false, "500", "500", "500"), kBorder, {}}};
    // clang-format on
    for (const FrameCase& c : cases) {
        TableFrameEntry entry = c.entry;
        SCOPED_TRACE(entry.width + (entry.percent ? "% " : "px ") + entry.border + "/" +
                     entry.padding + "/" + entry.spacing);
        EXPECT_EQ(CheckTableFrame(entry), c.message);
        if (!c.message.empty()) continue;
        TableSpec table;
        table.intTableWidth = 77;
        table.intBorder = table.intCellPadding = table.intCellSpacing = 9;
        StoreTableFrame(entry, table);
        const std::int16_t got[5] = {table.intTableWidth, table.intTableWidthUnit, table.intBorder,
                                     table.intCellPadding, table.intCellSpacing};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(got[i], c.stored[i]) << "field " << i;
    }
}

TEST(TableFrameCheckTest, RefusalLeavesTheTrimmedTexts) {
    TableFrameEntry entry = Entry(" 4 ", true, " 7 ", "", "  ");
    EXPECT_EQ(CheckTableFrame(entry), kPercent);
    EXPECT_EQ(entry.width + "|" + entry.border + "|" + entry.spacing, "4|7|");
}

TEST(TableFrameCheckTest, IndexesOutsideTheListsAreNotStored) {
    TableSpec table;
    table.intBorderColorIndex = 3;
    table.intBorderStyleIndex = 4;
    TableFrameEntry entry = TableFrameEntryOf(table);
    for (const auto& [color, style] : {std::pair{-1, 10}, {7, -1}}) {
        entry.borderColorIndex = color;
        entry.borderStyleIndex = style;
        StoreTableFrame(entry, table);
        EXPECT_EQ(table.intBorderColorIndex * 10 + table.intBorderStyleIndex, 34);
    }
}

}  // namespace
}  // namespace tabloom
