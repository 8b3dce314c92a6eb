#include "core/dialogs/table_frame_check.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tabloom {
namespace {

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
        // All empty: nothing specified.
        {Entry("", true), "", {-1, 0, -1, -1, -1}},
        {Entry("5", true), "", {5, 0, -1, -1, -1}}, {Entry("100", true), "", {100, 0, -1, -1, -1}},
        {Entry("4", true), kPercent, {}}, {Entry("101", true), kPercent, {}},
        // Checked before rounding: 4.6 would round to 5 and 5.4 to 5.
        {Entry("4.6", true), kPercent, {}}, {Entry("5.4", true), "", {5, 0, -1, -1, -1}},
        {Entry("50", false), "", {50, 1, -1, -1, -1}}, {Entry("1000", false), "", {1000, 1, -1, -1, -1}},
        {Entry("49", false), kPixels, {}}, {Entry("1001", false), kPixels, {}},
        // The unit decides the range: 200 is a pixel width, not a percentage.
        {Entry("200", true), kPercent, {}},
        // Blanks around the texts are trimmed.
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

TEST(TableFrameCheckTest, EntryOfTheTableRoundTrips) {
    TableSpec table;
    table.intTableWidth = 80;
    table.intTableWidthUnit = 0;
    table.intBorder = -1;
    table.intCellPadding = 0;
    table.intCellSpacing = 12;
    table.intBorderColorIndex = 6;
    table.intBorderStyleIndex = 9;
    TableFrameEntry entry = TableFrameEntryOf(table);
    EXPECT_EQ(entry.width + "|" + entry.border + "|" + entry.padding, "80||0");
    ASSERT_EQ(CheckTableFrame(entry), "");
    TableSpec copy;
    StoreTableFrame(entry, copy);
    EXPECT_TRUE(copy.SameSpec(table));
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
