#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/html/render_table_html.h"
#include "core/import/import_html_table.h"
#include "core/model/check_table.h"
#include "table_builders.h"

namespace tabloom {
namespace {

// Content that a page written by Tabloom shows as typed: one line, no
// leading, trailing or doubled blanks (HTML folds them), markup and
// characters outside Windows-1252 included.
// clang-format off
const std::vector<std::string> kContents = {"", "Title", "a b", "<b>bold</b> text",
    "caf\xC3\xA9 \xE2\x82\xAC" "5", "\xE4\xB8\xAD", "1 < 2", "x & y", "say \"hi\"", "<i>a</i> b"};
// clang-format on
const std::vector<std::string> kFaces = {"", "", "Arial", "Times New Roman"};
const std::vector<std::string> kSizes = {"", "", "3", "+1", "-2"};

// A random table of every option the Classic page writes.
TableSpec RandomTable(std::mt19937& rng) {
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto colour = [&]() -> std::int32_t {
        return pick(3) == 0 ? NotSpecifiedColor : static_cast<std::int32_t>(rng() & 0xFFFFFF);
    };
    TableSpec t = testing::StartTable(1 + pick(6), 1 + pick(6));
    t.blnAddHTMLWrapper = pick(2) == 0;
    t.blnCenterTable = pick(2) == 0;
    t.intTableWidth = static_cast<std::int16_t>(pick(2) == 0 ? -1 : 5 + pick(95));
    t.intTableWidthUnit = static_cast<std::int16_t>(pick(2));
    t.intBorder = static_cast<std::int16_t>(pick(4) - 1);
    t.intCellPadding = static_cast<std::int16_t>(pick(4) - 1);
    t.intCellSpacing = static_cast<std::int16_t>(pick(4) - 1);
    t.intBorderColorIndex = static_cast<std::int16_t>(pick(intMaxBorderColorIndex + 1));
    t.intBorderStyleIndex = static_cast<std::int16_t>(pick(intMaxBorderStyleIndex + 1));
    t.lngTableTextColor = static_cast<std::int32_t>(rng() & 0xFFFFFF);
    t.lngTableBgColor = static_cast<std::int32_t>(rng() & 0xFFFFFF);
    // A shared value on some rows, so that the row carries it.
    for (int r = 1; r <= t.intNumRows; ++r) {
        const bool shared = pick(2) == 0;
        const auto rowAlign = static_cast<std::int16_t>(pick(4));
        const std::int32_t rowBg = colour();
        for (int c = 1; c <= t.intNumCols; ++c) {
            CellSpec& cell = t.At(r, c);
            cell.strContent = kContents[pick(static_cast<int>(kContents.size()))];
            cell.intAlign = shared ? rowAlign : static_cast<std::int16_t>(pick(4));
            cell.intVAlign = static_cast<std::int16_t>(pick(4));
            cell.lngBgColor = shared ? rowBg : colour();
            cell.lngTextColor = colour();
            cell.intWidth = static_cast<std::int16_t>(pick(2) == 0 ? -1 : 1 + pick(100));
            cell.intWidthUnit = static_cast<std::int16_t>(pick(2));
            cell.intHeight = static_cast<std::int16_t>(pick(2) == 0 ? -1 : 10 + pick(100));
            cell.intHeightUnit = static_cast<std::int16_t>(pick(2));
            cell.strFontFace = kFaces[pick(static_cast<int>(kFaces.size()))];
            cell.strFontSize = kSizes[pick(static_cast<int>(kSizes.size()))];
        }
    }
    // A few spans where they fit beside the ones placed before.
    for (int k = 0; k < 3; ++k) {
        const int r = 1 + pick(t.intNumRows);
        const int c = 1 + pick(t.intNumCols);
        const int rows = 1 + pick(t.intNumRows - r + 1);
        const int cols = 1 + pick(t.intNumCols - c + 1);
        bool free = true;
        for (int a = r; a < r + rows; ++a) {
            for (int b = c; b < c + cols; ++b) {
                const CellSpec& cell = t.At(a, b);
                free = free && cell.intRowSpan == 1 && cell.intColSpan == 1 &&
                       cell.intOwnerRow == a && cell.intOwnerCol == b;
            }
        }
        if (free) testing::Span(t, r, c, rows, cols);
    }
    return t;
}

TEST(HtmlRoundTripTest, ClassicPageOfAnImportedClassicPageIsTheSameBytes) {
    const FixedClock clock(LocalDateTime{2026, 12, 5, 14, 5, 9});
    std::mt19937 rng(23);
    for (int i = 0; i < 300; ++i) {
        const TableSpec original = RandomTable(rng);
        ASSERT_EQ(CheckTable(original), "") << "table " << i;
        const std::string page = RenderTableHtml(original, clock);
        const HtmlTableImport imported = ImportHtmlTable(page, 0);
        ASSERT_TRUE(imported.ok) << "table " << i << ": " << imported.reason;
        EXPECT_EQ(imported.losses, std::vector<std::string>{}) << "table " << i;
        ASSERT_EQ(RenderTableHtml(imported.table, clock), page) << "table " << i;
    }
}

}  // namespace
}  // namespace tabloom
