#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/audit/audit_fixes.h"
#include "core/audit/contrast.h"
#include "core/audit/table_audit.h"
#include "table_builders.h"

namespace tabloom {
namespace {

using testing::Span;
using testing::StartTable;

TableSpec Filled(int rows, int cols) {
    TableSpec t = StartTable(rows, cols);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) t.At(r, c).strContent = "v" + std::to_string(r * 10 + c);
    }
    return t;
}

// A Standard 2 x 2 table with a header row and a caption: nothing to find.
TableSpec Clean() {
    TableSpec t = Filled(2, 2);
    t.outputStyle = OutputStyle::Standard;
    t.intHeaderRows = 1;
    t.strCaption = "Prices";
    return t;
}

// Like the sample: a title row over a 3 x 3 block, light grey text.
TableSpec Titled() {
    TableSpec t = Filled(4, 3);
    Span(t, 1, 1, 1, 3);
    t.At(1, 1).strContent = "<b>Fruit &amp; prices</b>\r\n";
    t.lngTableTextColor = 0xAAAAAA;
    t.blnAddHTMLWrapper = true;
    return t;
}

// clang-format off
struct Expected { FindingKind kind; const char* cells; std::string figure; };

struct AuditCase { const char* name; std::function<TableSpec()> make;
    std::vector<Expected> findings; };
// clang-format on

// Each kind on a table made for it, naming its cells and what was measured.
TEST(AuditTest, FindsWhatTheTableBreaks) {
    const char* kClassic =
        "it writes font, center and bgcolor, which HTML no longer has, and no "
        "header cells or caption";
    // clang-format off
    const AuditCase cases[] = {
        {"Clean", Clean, {}},
        {"EmptyTableIsNoDataTable", [] { return StartTable(3, 3); }, {}},
        {"GreyOnWhiteGroupsTheCells", [] {
             TableSpec t = Clean();
             t.lngTableTextColor = 0x777777;
             t.At(2, 2).lngTextColor = 0x000000;
             t.At(2, 2).lngBgColor = 0x777777;  // black on #777: 4.69
             return t; },
         {{FindingKind::Contrast, "R1C1 R1C2 R2C1", "4.47:1, needs 4.5:1"}}},
        {"LargeTextNeedsLess", [] {
             TableSpec t = Clean();
             t.lngTableTextColor = 0x949494;  // 3.03 on white
             t.At(1, 1).strFontSize = "4";    // header cell of size 4
             t.At(1, 2).strFontSize = "2";
             t.At(2, 1).strFontSize = "+2";
             t.At(2, 2).strFontSize = "4";  // size 4 in a data cell is not large
             return t; },
         {{FindingKind::Contrast, "R1C2 R2C2", "3.03:1, needs 4.5:1"}}},
        // The cell's black background under the table's black text.
        {"CellOnTableColoursInheritsThem", [] { TableSpec t = Clean(); t.At(1, 2).lngBgColor = 0; return t; },
         {{FindingKind::Contrast, "R1C2", "1.00:1, needs 4.5:1"}}},
        {"NoHeadersNoCaptionClassicData", [] { return Filled(2, 3); },
         {{FindingKind::NoHeaders, "R1C1 R1C2 R1C3", "2 rows and 3 columns with text, no header cells"},
          {FindingKind::NoCaption, "table", "no caption"},
          {FindingKind::ClassicStyle, "table", std::string("Classic style on a data table: ") + kClassic}}},
        {"OneColumnOfTextIsNoDataTable", [] { TableSpec t = Filled(3, 1); t.blnAddHTMLWrapper = true; return t; },
         {{FindingKind::ClassicStyle, "table", std::string("Classic style on a whole web page: ") + kClassic}}},
        {"EmptyHeaderCellsPlaceMarkersCountAsEmpty", [] {
             TableSpec t = Clean();
             t.intNumCols = 3;
             t.intHeaderCols = 1;
             t.blnAddPlaceMarkers = true;
             t.At(1, 1).strContent = " &nbsp;<br>";
             t.At(1, 3).strContent = "R1C3";
             t.At(2, 3).strContent = "x";
             return t; },
         {{FindingKind::EmptyHeader, "R1C1 R1C3", "2 of 4 header cells without text"}}},
        {"ObsoleteMarkupOnlyInStandard", [] {
             TableSpec t = Clean();
             t.At(1, 1).strContent = "<FONT Color=red>a</font> <center>b</center>";
             t.At(2, 2).strContent = "<p ALIGN =right data-bgcolor=x>c</p>";
             t.At(2, 1).strContent = "<fontx>align=</fontx>";  // neither
             return t; },
         {{FindingKind::ObsoleteMarkup, "R1C1 R2C2", "<font>, <center>, align="}}}};
    // clang-format on
    for (const AuditCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Finding> findings = AuditTable(c.make());
        ASSERT_EQ(findings.size(), c.findings.size());
        for (std::size_t i = 0; i < findings.size(); ++i) {
            EXPECT_EQ(KindName(findings[i].kind), KindName(c.findings[i].kind)) << i;
            EXPECT_EQ(CellList(findings[i]), c.findings[i].cells) << i;
            EXPECT_EQ(findings[i].figure, c.findings[i].figure) << i;
        }
    }
}

bool HasKind(const std::vector<Finding>& findings, FindingKind kind) {
    return std::any_of(findings.begin(), findings.end(),
                       [kind](auto& f) { return f.kind == kind; });
}

// Fixing the missing headers alone, with and without a title row above the
// data (FixAll below mends the title first, so it never sees the latter).
TEST(FixTest, NoHeadersFixedAloneFindsNoneAgain) {
    for (const TableSpec& table : {Filled(3, 3), Titled()}) {
        TableSpec fixed = table;
        for (const Finding& f : AuditTable(table)) {
            if (f.kind == FindingKind::NoHeaders) fixed = FixFinding(fixed, f);
        }
        EXPECT_TRUE(HasKind(AuditTable(table), FindingKind::NoHeaders));
        EXPECT_FALSE(HasKind(AuditTable(fixed), FindingKind::NoHeaders)) << table.intNumRows;
    }
}

// A finding of an older state of the table repairs nothing.
TEST(StaleFixTest, ChangesNothing) {
    const TableSpec titled = Titled();
    Finding title;
    for (const Finding& f : AuditTable(titled)) {
        if (f.kind == FindingKind::TitleRow) title = f;
    }
    const TableSpec once = FixFinding(titled, title);
    ASSERT_EQ(once.intNumRows, 3);
    EXPECT_TRUE(FixFinding(once, title).SameSpec(once));
}

TEST(FixAllTest, MendsEveryFixableFindingOfASampleLikeTable) {
    TableSpec table = Titled();
    table.At(3, 2).lngTextColor = 0x00A5FF;
    table.At(3, 2).lngBgColor = 0xFFFFFF;
    table.At(4, 3).lngBgColor = 0x333333;  // table text on a dark cell
    const TableSpec fixed = FixAll(table);
    for (const Finding& f : AuditTable(fixed)) ADD_FAILURE() << KindName(f.kind) << " " << f.figure;
    EXPECT_EQ(fixed.strCaption + "|" + fixed.At(1, 1).strContent, "Fruit & prices|v21");
    // The table's grey darkened in its own hue; the own colours kept their
    // background.
    EXPECT_EQ((std::vector<int>{fixed.intNumRows, fixed.intHeaderRows, fixed.lngTableTextColor,
                                fixed.At(2, 2).lngBgColor, fixed.At(3, 3).lngBgColor}),
              (std::vector<int>{3, 1, 0x767676, 0xFFFFFF, 0x333333}));
    EXPECT_GE(ContrastRatio(fixed.At(3, 3).lngTextColor, 0x333333), kNormalTextRatio);
}

TEST(AuditHelpersTest, FontSizesAndVisibleText) {
    const std::pair<const char*, int> sizes[] = {{"", 3},   {"5", 5},  {"+2", 5}, {"-1", 2},
                                                 {"+9", 7}, {"-5", 1}, {" 4", 4}, {"x", 1}};
    for (const auto& [text, size] : sizes) EXPECT_EQ(EffectiveFontSize(text), size) << text;
    EXPECT_EQ(VisibleText("  <i>a</i>\r\n&lt;b&gt;&nbsp; &amp;&c "), "a <b> &&c");
}

struct RatioCase {
    std::int32_t a, b;  // colour values 0x00BBGGRR
    double ratio;
};

// WCAG's own figures, and pure red and blue, which tell the byte order apart.
TEST(ContrastTest, RatioMatchesWcagValues) {
    const RatioCase cases[] = {
        {0x000000, 0xFFFFFF, 21.0},  {0xFFFFFF, 0x000000, 21.0},   {0x777777, 0xFFFFFF, 4.478},
        {0x767676, 0xFFFFFF, 4.542}, {0x0000FF, 0xFFFFFF, 3.998},  {0x0000FF, 0x000000, 5.252},
        {0xFF0000, 0x000000, 2.444}, {0x00FF00, 0x000000, 15.304}, {0x123456, 0x123456, 1.0}};
    for (const RatioCase& c : cases) {
        EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.001) << std::hex << c.a << " on " << c.b;
    }
}

// expected: -1: only checked to reach the ratio in text's hue.
// clang-format off
struct NearestCase { std::int32_t text, bg; double ratio; std::int32_t expected; };
// clang-format on

TEST(ContrastTest, NearestTextColourKeepsTheHueAndReachesTheRatio) {
    const NearestCase cases[] = {
        {0x999999, 0xFFFFFF, 4.5, 0x767676},  // the lightest grey that reaches 4.5 on white
        {0x333333, 0x000000, 4.5, -1},        // lighter on black
        {0x000000, 0xFFFFFF, 4.5, 0x000000},  // already enough
        {0x0080FF, 0xFFFFFF, 4.5, -1},        // orange darkens to a brown
        {0xFFFFFF, 0x777777, 7.0, 0x000000},  // no grey reaches 7 on #777: black does most
    };
    for (const NearestCase& c : cases) {
        const std::int32_t got = NearestTextColour(c.text, c.bg, c.ratio);
        if (c.expected >= 0) {
            EXPECT_EQ(got, c.expected) << std::hex << c.text;
            continue;
        }
        EXPECT_GE(ContrastRatio(got, c.bg), c.ratio) << std::hex << c.text;
        // Same hue: the components keep their order.
        const int r = got & 0xFF, g = (got >> 8) & 0xFF, b = (got >> 16) & 0xFF;
        const int r0 = c.text & 0xFF, g0 = (c.text >> 8) & 0xFF, b0 = (c.text >> 16) & 0xFF;
        EXPECT_EQ(r >= g, r0 >= g0) << std::hex << got;
        EXPECT_EQ(g >= b, g0 >= b0) << std::hex << got;
        EXPECT_NE(got, 0x000000);
        EXPECT_NE(got, 0xFFFFFF);
    }
}

}  // namespace
}  // namespace tabloom
