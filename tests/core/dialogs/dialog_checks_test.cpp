#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "core/dialogs/cell_checks.h"
#include "core/dialogs/colour_checks.h"
#include "core/dialogs/copy_choice_check.h"
#include "core/dialogs/copy_source_summary.h"
#include "core/model/table_spec.h"
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

// Unset, percent and pixels are shown by the summaries above.
TEST(SizeSummaryTest, ZeroAndUnknownUnit) {
    EXPECT_EQ(SizeSummary("Width =", 0, 1), "Width =");
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
        {"alignment", Choice(kAlignment, CopyTarget::OneCell, 1, 1), ""},
        {"height with width", Choice(kHeight | kWidth, CopyTarget::OneCell, 1, 1), ""},
        {"to itself", Choice(kFont, CopyTarget::OneCell, 3, 4), kToItself},
        // The group check comes first.
        {"to itself, nothing ticked", Choice(0, CopyTarget::OneCell, 3, 4), kNothingTicked},
        {"same row, other column", Choice(kFont, CopyTarget::OneCell, 3, 5), ""},
        {"swapped row and column", Choice(kFont, CopyTarget::OneCell, 4, 3), ""},
        {"last cell", Choice(kFont, CopyTarget::OneCell, 6, 5), ""},
        {"row past the table", Choice(kFont, CopyTarget::OneCell, 7, 1), Outside(7, 1)},
        {"column past the table", Choice(kFont, CopyTarget::OneCell, 1, 6), Outside(1, 6)},
        {"lists left aside for a row", Choice(kFont, CopyTarget::Row, 9, 9), ""},
        // The source's own row, column and table include it and are allowed.
        {"own row", Choice(kFont, CopyTarget::Row, 3, 4), ""}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(CheckCopyChoice(c.choice, 3, 4, 6, 5), c.message) << c.what;
}

// A full choice and the other targets are enabled in the copy window's tests.
TEST(CopyTargetChosenTest, SingleTargetNeedsRowAndColumn) {
    EXPECT_FALSE(CopyTargetChosen(Choice(kFont, CopyTarget::OneCell, 2, 0)));
    EXPECT_FALSE(CopyTargetChosen(Choice(kFont, CopyTarget::OneCell, 0, 2)));
}

constexpr const char* kPercentMessage = " Width in percent must be in the range 1 through 100.";
constexpr const char* kPixelsMessage = " Width in pixels must be in the range 10 through 1000.";
constexpr const char* kHeightMessage = " Height in pixels must be in the range 10 through 1000.";

// Width: the range follows the unit, so the same number switches with it.
TEST(CellSizeChecksTest, RangesAtTheirBoundaries) {
    const struct {
        const char* text;
        bool percent, ok;
    } widths[] = {{"", true, true},       {"1", true, true},      {"100", true, true},
                  {"99.5", true, true},   {"0.5", true, false},   {"0", true, false},
                  {"101", true, false},   {"100.1", true, false}, {"10", false, true},
                  {"1000", false, true},  {"9", false, false},    {"1001", false, false},
                  {"9.99", false, false}, {"12px", false, true},  {"px", false, false},
                  {"500", true, false},   {"500", false, true}};
    for (const auto& c : widths) {
        const std::string expected = c.ok ? "" : (c.percent ? kPercentMessage : kPixelsMessage);
        EXPECT_EQ(CheckCellWidth(c.text, c.percent), expected) << c.text << " " << c.percent;
    }
    const std::pair<const char*, bool> heights[] = {{"", true},    {"10", true},    {"1000", true},
                                                    {"9", false},  {"1001", false}, {"9.5", false},
                                                    {"1e3", true}, {"x", false}};
    for (const auto& [text, ok] : heights)
        EXPECT_EQ(CheckCellHeight(text), ok ? "" : kHeightMessage) << text;
}

// Absolute 1 to 7 or a signed step up to 6.
TEST(CellFontChecksTest, SizesSignedDigitsAndFaces) {
    const std::pair<const char*, bool> sizes[] = {
        {"", true},     {"1", true},    {"7", true},   {"+6", true},   {"-6", true},  {"+0", true},
        {"+", true},    {"0", false},   {"8", false},  {"+7", false},  {"-7", false}, {"07", false},
        {"2.5", false}, {"+ 3", false}, {"3+", false}, {"++1", false}, {"+-", false}, {"x", false}};
    for (const auto& [text, ok] : sizes) EXPECT_EQ(CheckFontSize(text).empty(), ok) << text;
    // clang-format off
    const struct { const char* text; bool minusAllowed; const char* kept;
        } keeps[] = {{"", true, ""},          {"42", true, "42"},  {"+-3", true, "+-3"},
                 {"-+3", true, "-+3"},    {"++3", true, "+3"}, {"--3", true, "-3"},
                 {"-3", false, "3"},      {"3+4", true, "34"}, {"3-", true, "3"},
                 {"2.5", true, "25"},     {"3pt", true, "3"},  {"+ 3", true, "+3"},
                 {"\303\2511", true, "1"}};  // e acute, then 1
    for (const auto& c : keeps)
        EXPECT_EQ(KeepSignedDigits(c.text, c.minusAllowed), c.kept) << c.text;
    const std::pair<const char*, const char*> faces[] = {
        {"", ""},
        {"Arial", "Arial"},
        {"  Times New Roman  ", "Times New Roman"},
        {" \"Courier\" New ", "Courier New"},
        {"\" Verdana \"", "Verdana"},
        {"\"\"\"", ""},
        {"Arial, \"Helvetica\"", "Arial, Helvetica"}};
    // clang-format on
    for (const auto& [typed, stored] : faces) EXPECT_EQ(CleanFontFace(typed), stored) << typed;
}

TEST(CellColourViewTest, LabelsAndPreview) {
    constexpr std::int32_t kNone = NotSpecifiedColor;
    // clang-format off
    const struct { const char* name; bool ticked; std::int32_t cellText, cellBg; bool tableColours;
        const char *textLabel, *bgLabel; std::int32_t shownText, shownBg; } cases[] = {
        {"own colours", true, 0x0000FF, 0x00FF00, true, "#FF0000", "#00FF00", 0x0000FF, 0x00FF00},
        {"ticked without colours", true, kNone, kNone, true, "table default", "table default", 0x112233, 0xDDEEFF},
        {"cleared box hides own colours", false, 0x0000FF, 0x00FF00, true, "table default", "table default", 0x112233, 0xDDEEFF},
        {"cleared without table colours", false, 0x0000FF, 0x00FF00, false, "page default", "page default", 0x112233, 0xDDEEFF},
        {"text colour alone", true, 0x000080, kNone, true, "#800000", "table default", 0x000080, 0xDDEEFF}};
    // clang-format on
    for (const auto& c : cases) {
        const CellColourView v =
            CellColourViewFor(c.ticked, c.cellText, c.cellBg, 0x112233, 0xDDEEFF, c.tableColours);
        EXPECT_EQ(std::tie(v.textLabel, v.backgroundLabel, v.textColour, v.backgroundColour,
                           v.specifyEnabled),
                  std::make_tuple(std::string(c.textLabel), std::string(c.bgLabel), c.shownText,
                                  c.shownBg, c.ticked))
            << c.name;
    }
}

// Content is counted in characters as the user sees them, never in bytes;
// a CR LF pair counts twice and is kept or refused whole.
TEST(ContentLimitTest, KeepsTheLeadingCharactersThatFit) {
    // clang-format off
    struct Case { std::string inserted; std::size_t others; std::size_t keptBytes; };
    // clang-format on
    const std::string alpha = "\xCE\xB1";           // 2 bytes
    const std::string beyond = "\xF0\x9D\x94\xB8";  // 4 bytes, one character
    const Case cases[] = {
        {"abc", 2045, 3},        {"abc", 2046, 2},         {"abc", 2048, 0},
        {"abc", 3000, 0},        {alpha + alpha, 2047, 2}, {beyond + beyond, 2046, 8},
        {beyond + "x", 2047, 4}, {"a\r\nb", 2046, 1},      {"a\r\nb", 2045, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(FittingPrefix(c.inserted, c.others), c.keptBytes)
            << c.inserted << " " << c.others;
    EXPECT_EQ(ContentLength(std::string(2048 / 2, 'a') + alpha + beyond + "\r\n"), 1024u + 4);
}

// Up to three digits worth a byte, nothing else.
TEST(ValidComponentTextTest, AcceptsOnlyUpToThreeDigitsWorthAByte) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},      {"0", true},   {"255", true},  {"099", true}, {"256", false},
        {"0255", false}, {"-1", false}, {" 12", false}, {"x", false},  {"\xD9\xA3", false}};
    for (const auto& [text, valid] : cases) EXPECT_EQ(ValidComponentText(text), valid) << text;
}

constexpr auto Text = ColourElement::Text;
constexpr auto Back = ColourElement::Background;
constexpr auto Red = ColourComponent::Red;
constexpr auto Green = ColourComponent::Green;
constexpr auto Blue = ColourComponent::Blue;

// Blanks are trimmed; a refused text falls back to the element's default.
TEST(CheckComponentTextTest, TrimsFallsBackAndReports) {
    const struct {
        const char* typed;
        ColourElement element;
        ColourComponent component;
        const char* text;
        const char* message;
        int value;
    } cases[] = {// clang-format off
        {"128", Text, Red, "128", "", 128}, {"  64 ", Back, Green, "64", "", 64},
        {"007", Text, Blue, "007", "", 7}, {"", Back, Red, "", "", 0}, {"   ", Text, Red, "", "", 0},
        {"300", Back, Red, "255", "Invalid entry for red value.", 255},
        {"300", Text, Red, "0", "Invalid entry for red value.", 0},
        {"1e2", Back, Blue, "255", "Invalid entry for blue value.", 255},
        {"25 5", Back, Green, "255", "Invalid entry for green value.", 255}};
    // clang-format on
    for (const auto& c : cases) {
        const ComponentTextOutcome out = CheckComponentText(c.typed, c.element, c.component);
        EXPECT_EQ(std::tie(out.text, out.message, out.value),
                  std::make_tuple(std::string(c.text), std::string(c.message), c.value))
            << c.typed;
    }
}

}  // namespace
}  // namespace tabloom
