#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/csv/delimited_text.h"
#include "core/export/export_table.h"
#include "core/html/render_table_html.h"
#include "core/import/import_html_table.h"
#include "core/model/check_table.h"
#include "table_builders.h"

namespace tabloom {
namespace {

// cells: "row col rowspan colspan=content" separated by '|'.
// clang-format off
struct ImportCase { const char* name; std::string html; int rows, cols; std::string cells;
    std::vector<std::string> losses = {}; int headerRows = 0, headerCols = 0;
    std::string caption = ""; };
// clang-format on

// A cell's content is written back into pages as markup: what the import
// keeps must not join into a tag or leave an element open to take the rest
// of the page.
TEST(ImportHtmlTextTest, KeptMarkupStaysSelfContained) {
    const struct {
        std::string cell, content;
    } cases[] = {{"R<<table><tr><td>x</table>b c", "R&lt;b c"},
                 {"<title>x", "<title>x&lt;/table></title>"},
                 {"<p>one<p>two", "<p>one</p><p>two</p>"},
                 {"a<br>b<img src=x>", "a\r\nb<img src=x>"},
                 {"<plaintext>x</td>", "x&lt;/td>&lt;/table>"}};
    for (const auto& c : cases) {
        const HtmlTableImport result = ImportHtmlTable("<table><tr><td>" + c.cell + "</table>", 0);
        ASSERT_TRUE(result.ok) << result.reason;
        EXPECT_EQ(result.table.At(1, 1).strContent, c.content) << c.cell;
    }
}

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

const std::string kRow22 = "<tr>" + Repeat("<td>v</td>", 22) + "</tr>";

TEST(ImportHtmlTableTest, BuildsTheTable) {
    // clang-format off
    const ImportCase cases[] = {
        {"TextEntitiesAndMarkup",
         "<table><tr><td> a &eacute;\n &lt;b&gt; 1 &lt; 2 <i>x</i><br>\n y "
         "&amp;amp;</td><td>&nbsp;</td><td>caf\xE9</td></tr></table>", 1, 3,
         "1 1 1 1=a \xC3\xA9 &lt;b> 1 < 2 <i>x</i>\r\ny &amp;amp;|1 2 1 1=|1 3 1 1=caf\xC3\xA9"},
        {"SpansPlacedAsABrowserDoes",
         "<table><tr><td rowspan=2>a</td><td>b</td><td rowspan=0>c</td></tr>"
         "<tr><td>d</td></tr><tr><td colspan=2>e</td></tr></table>", 3, 3,
         "1 1 2 1=a|1 2 1 1=b|1 3 3 1=c|2 2 1 1=d|3 1 1 2=e|2 1 0 0=|3 3 0 0="},
        {"HugeAndOverlappingSpansClamped",
         "<table><tr><td>a</td><td rowspan=99999 colspan=99999>b</td></tr><tr><td colspan=5>c</td></tr></table>",
         2, 20, "1 2 2 19=b|2 1 1 1=c", {"981 columns beyond 20 cut", "spans that overlap other cells shortened"}},
        {"HeadersAndCaption",
         "<table><caption> Sales\n 2026 </caption><thead><tr><th>Q</th><th>Sum</th>"
         "</tr></thead><tr><th>Q1</th><td>5</td></tr><tr><th>Q2</th><th>6</th></tr></table>", 3, 2,
         "1 1 1 1=Q|3 2 1 1=6", {"header cells outside the leading rows and columns become ordinary cells"},
         1, 1, "Sales 2026"},
        {"CutToTwentyByTwenty", "<table>" + Repeat(kRow22, 23) + "</table>", 20, 20, "20 20 1 1=v",
         {"3 rows beyond 20 cut", "2 columns beyond 20 cut"}},
        {"NestedTableAndLostStyles",
         "<table><tr><td style='font-weight:bold; text-align:justify'>x"
         "<table><tr><td>in</td></tr></table></td></tr></table>", 1, 1, "1 1 1 1=x",
         {"1 nested table left out", "styles not kept: font-weight, text-align justify"}},
        {"MarkupTooDeepInACell", "<table><tr><td>" + Repeat("<span>", 100) + "x</td></tr></table>", 1, 1,
         "1 1 1 1=" + Repeat("<span>", 64) + Repeat("</span>", 64), {"markup nested too deep left out"}}};
    // clang-format on
    for (const ImportCase& c : cases) {
        SCOPED_TRACE(c.name);
        const HtmlTableImport result = ImportHtmlTable(c.html, 0);
        ASSERT_TRUE(result.ok) << result.reason;
        const TableSpec& t = result.table;
        EXPECT_EQ((std::vector<int>{t.intNumRows, t.intNumCols, t.intHeaderRows, t.intHeaderCols}),
                  (std::vector<int>{c.rows, c.cols, c.headerRows, c.headerCols}));
        EXPECT_EQ(t.strCaption, c.caption);
        std::istringstream cells(c.cells);
        for (std::string cell; std::getline(cells, cell, '|');) {
            std::istringstream numbers(cell);
            int row = 0, col = 0, rowSpan = 0, colSpan = 0;
            numbers >> row >> col >> rowSpan >> colSpan;
            const CellSpec& got = t.At(row, col);
            EXPECT_EQ(got.strContent, cell.substr(cell.find('=') + 1)) << cell;
            EXPECT_EQ(got.intRowSpan, rowSpan) << cell;
            EXPECT_EQ(got.intColSpan, colSpan) << cell;
        }
        EXPECT_EQ(result.losses, c.losses);
    }
}

TEST(ImportHtmlTableProperties, KeepsColoursAlignmentSizesFontsAndTheFrame) {
    const HtmlTableImport result = ImportHtmlTable(
        "<!DOCTYPE html><center><table border=2 cellpadding=3 cellspacing=0 width='80%' "
        "bgcolor=#102030 style='border: 2px dashed blue; color: rgb(1, 2, 3)'>"
        "<tr align=right bgcolor=silver><td>a</td>"
        "<td style='background: #abc url(x.png); color: red; vertical-align: bottom; width: 40px; "
        "height: 20px; text-align: center'>b</td>"
        "<td valign=middle width=25%><font color=navy face='Courier' size='+1'> c </font></td>"
        "</tr></table></center>",
        0);
    ASSERT_TRUE(result.ok) << result.reason;
    const TableSpec& t = result.table;
    const CellSpec &a = t.At(1, 1), &b = t.At(1, 2), &c = t.At(1, 3);
    EXPECT_EQ((std::vector<int>{t.blnAddHTMLWrapper, t.blnCenterTable, t.intBorder,
                                t.intBorderStyleIndex, t.intBorderColorIndex, t.intCellPadding,
                                t.intCellSpacing, t.intTableWidth, t.intTableWidthUnit,
                                t.lngTableBgColor, t.lngTableTextColor}),
              (std::vector<int>{1, 1, 2, 3, 2, 3, 0, 80, 0, 0x302010, 0x030201}));
    EXPECT_EQ(
        (std::vector<int>{a.intAlign, a.lngBgColor, b.lngBgColor, b.lngTextColor, b.intAlign,
                          b.intVAlign, b.intWidth, b.intWidthUnit, b.intHeight, c.lngTextColor,
                          c.intVAlign, c.intWidth, c.intWidthUnit}),
        (std::vector<int>{3, 0xC0C0C0, 0xCCBBAA, 0x0000FF, 2, 3, 40, 1, 20, 0x800000, 2, 25, 0}));
    EXPECT_EQ(c.strContent + "|" + c.strFontFace + "|" + c.strFontSize, "c|Courier|+1");
    EXPECT_EQ(result.losses, std::vector<std::string>{});
}

TEST(ImportHtmlTableChoice, ListsTablesAndTakesTheChosenOne) {
    const std::string page =
        "<p>x</p><table><caption>First</caption><tr><td>1</td></tr></table>"
        "<table><tr><td>row <b>one</b></td><td>b</td></tr><tr><td>"
        "<table><tr><td>nested</td></tr></table></td></tr></table>";
    EXPECT_EQ(ListHtmlTables(page), (std::vector<std::string>{"First", "row one b"}));
    const HtmlTableImport second = ImportHtmlTable(page, 1);
    ASSERT_TRUE(second.ok);
    EXPECT_EQ(second.table.At(1, 1).strContent, "row <b>one</b>");
}

TEST(ImportHtmlTableRefusals, SaysWhyNothingIsRead) {
    // clang-format off
    const struct { std::string html; int index; const char* reason;
        } cases[] = {{"<p>no table</p>", 0, "the page holds no table"},
                 {"<table><tr><td>a</td></tr></table>", 1, "the page holds 1 table, not 2"},
                 {"<table></table>", 0, "the table has no rows"},
                 {Repeat("<div>", 2001) + "<table><tr><td>a</td></tr></table>", 0,
                  "the page nests elements more than 2000 deep"},
                 {std::string((16u << 20) + 1, ' '), 0, "the page is larger than 16 MiB"}};
    // clang-format on
    for (const auto& c : cases) {
        const HtmlTableImport result = ImportHtmlTable(c.html, c.index);
        EXPECT_EQ(result.ok ? "ok" : result.reason, c.reason);
    }
}

// A broken page nested just within the limit still gives a table.
TEST(ImportHtmlTableRefusals, BrokenPageJustWithinTheNestingLimitGivesATable) {
    const HtmlTableImport result = ImportHtmlTable(
        Repeat("<div>", 1999) + "<table><tr><td rowspan=-3 colspan=x>a<td></tr></table><td>b</tr>",
        0);
    ASSERT_TRUE(result.ok) << result.reason;
    EXPECT_LE(result.table.intNumRows, intMaxRows);
}

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
    // Two spans that cannot overlap: one from the top left corner, one in the
    // last row from the second column on.
    testing::Span(t, 1, 1, 1 + pick(t.intNumRows), 1);
    if (t.intNumCols > 2) testing::Span(t, t.intNumRows, 2, 1, 1 + pick(t.intNumCols - 1));
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

// A head row, a caption, both kinds of span, a colour, an alignment, a line
// break and characters each format treats specially.
TableSpec PriceTable() {
    TableSpec t = testing::StartTable(3, 3);
    t.intHeaderRows = 1;
    t.strCaption = "Prices & more";
    t.At(1, 1).strContent = "Name";
    t.At(1, 2).strContent = "Price";
    t.At(1, 3).strContent = "Note";
    t.At(2, 1).strContent = "a|b_*";
    t.At(2, 2).strContent = "1 000 $";
    t.At(2, 2).intAlign = 3;
    testing::Span(t, 2, 3, 2, 1);
    t.At(2, 3).strContent = "x\r\ny";
    t.At(2, 3).lngBgColor = 0x00FFFF;
    testing::Span(t, 3, 1, 1, 2);
    t.At(3, 1).strContent = "wide";
    return t;
}

TableSpec PlainTable() {
    TableSpec t = testing::StartTable(2, 2);
    t.intBorder = 0;
    t.intCellPadding = -1;
    t.intCellSpacing = -1;
    for (int k = 0; k < 4; ++k) t.At(1 + k / 2, 1 + k % 2).strContent = std::to_string(k + 1);
    return t;
}

// clang-format off
struct ExportCase { const char* name; TableSpec (*table)(); ExportFormat format;
    std::string text, report; };
// clang-format on

TEST(ExportTableTest, WritesTheTableAndSaysWhatIsLost) {
    const std::string kNeeds =
        "% Needs \\usepackage[T1]{fontenc}, \\usepackage[table]{xcolor} and "
        "\\usepackage{multirow}.\n";
    // clang-format off
    const ExportCase cases[] = {
        {"Markdown", PriceTable, ExportFormat::Markdown,
         "| Name | Price | Note |\n| --- | ---: | --- |\n| a\\|b\\_\\* | 1 000 $ | x<br>y |\n| wide |  |  |\n",
         "Markdown has no merged cells: 2 spans are written as repeated empty cells; the caption is dropped; "
         "colours are dropped; the border, padding and spacing are dropped"},
        {"MarkdownWithoutHead", PlainTable, ExportFormat::Markdown, "|  |  |\n| --- | --- |\n| 1 | 2 |\n| 3 | 4 |\n",
         "Markdown: a table needs a head row: an empty one is written"},
        {"Csv", PriceTable, ExportFormat::Csv, "Name,Price,Note\r\na|b_*,1 000 $,\"x\r\ny\"\r\nwide,,\r\n",
         "CSV has no merged cells: 2 spans are written as repeated empty cells; header rows and columns become "
         "ordinary values; the caption is dropped; colours, alignment, sizes and fonts are dropped"},
        {"MediaWiki", PriceTable, ExportFormat::MediaWiki,
         "{| class=\"wikitable\" style=\"border:4px solid gray; background-color:#FFFFFF\" border=\"4\" "
         "cellpadding=\"4\" cellspacing=\"4\"\n|+ Prices & more\n|-\n! Name\n! Price\n! Note\n"
         "|-\n| a&#124;b_*\n| style=\"text-align:right\" | 1 000 $\n"
         "| rowspan=\"2\" style=\"background-color:#FFFF00\" | x<br />y\n|-\n| colspan=\"2\" | wide\n|}\n", ""},
        {"LaTeX", PriceTable, ExportFormat::Latex,
         kNeeds + "\\begin{table}[htbp]\n\\caption{Prices \\& more}\n\\begin{tabular}{|l|l|l|}\n\\hline\n"
         "\\textbf{Name} & \\textbf{Price} & \\textbf{Note} \\\\\n\\hline\n"
         "a|b\\_* & \\multicolumn{1}{r|}{1 000 \\$} & "
         "\\cellcolor[HTML]{FFFF00}\\multirow{2}{*}{\\begin{tabular}{@{}l@{}}x\\\\ y\\end{tabular}} \\\\\n"
         "\\cline{1-2}\n\\multicolumn{2}{|l|}{wide} & \\cellcolor[HTML]{FFFF00} \\\\\n\\hline\n"
         "\\end{tabular}\n\\end{table}\n",
         "LaTeX: the border is drawn as thin black rules, without padding or spacing"},
        {"LaTeXWithoutRules", PlainTable, ExportFormat::Latex,
         kNeeds + "\\begin{tabular}{ll}\n1 & 2 \\\\\n3 & 4 \\\\\n\\end{tabular}\n", ""}};
    // clang-format on
    for (const ExportCase& c : cases) {
        const ExportResult result = ExportTable(c.table(), c.format);
        EXPECT_EQ(result.text, c.text) << c.name;
        EXPECT_EQ(LossReport(c.format, result.losses), c.report) << c.name;
    }
}

using Rows = std::vector<std::vector<std::string>>;

TEST(ReadDelimitedTest, ReadsRowsAndFields) {
    // clang-format off
    const struct { const char* name; std::string text; char separator; Rows rows;
        std::vector<int> lines; } cases[] = {
        {"Empty", "", ',', {}, {}},
        {"CommasCrLf", "a,b\r\nc,d\r\n", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"LoneCr", "a,b\rc,d", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"TabsWin", "a,1\tb\r\nc\td,2\r\n", '\t', {{"a,1", "b"}, {"c", "d,2"}}, {}},
        // A separator at the very end leaves one empty field.
        {"TrailingTabAtEnd", "a\t", '\t', {{"a", ""}}, {}},
        {"EmptyLineIsARow", "a\n\nb\n", ',', {{"a"}, {""}, {"b"}}, {1, 2, 3}},
        {"TabOnlyInsideQuotes", "\"a\tb\",c\nd,\"\"\"\t\"", ',', {{"a\tb", "c"}, {"d", "\"\t"}}, {}},
        {"QuoteInsideUnquotedField", "5\" disk,x", ',', {{"5\" disk", "x"}}, {}},
        {"LfInQuotesBecomesCrLf", "\"one\ntwo\",x\nnext\n", ',', {{"one\r\ntwo", "x"}, {"next"}}, {1, 3}},
        {"CrLfAndCrInQuotes", "\"a\r\nb\rc\"\tz\r\nq", '\t', {{"a\r\nb\r\nc", "z"}, {"q"}}, {1, 4}},
        {"RaggedRows", "a\nb,c,d\n", ',', {{"a"}, {"b", "c", "d"}}, {}},
        {"ByteOrderMarkDropped", "\xEF\xBB\xBFname,x", ',', {{"name", "x"}}, {}},
        {"Utf8", "Größe,€ 5,日本\n", ',', {{"Größe", "€ 5", "日本"}}, {}},
        {"BlanksKept", " a , b ", ',', {{" a ", " b "}}, {}}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DelimitedResult result = ReadDelimited(c.text);
        ASSERT_TRUE(result.ok) << "line " << result.line << ": " << result.reason;
        EXPECT_EQ(result.data.separator, c.separator);
        EXPECT_EQ(result.data.rows, c.rows);
        EXPECT_TRUE(c.lines.empty() || result.data.rowLines == c.lines);
    }
}

TEST(ReadDelimitedTest, RefusesWithTheLine) {
    const struct {
        const char* name;
        std::string text;
        int line;
    } cases[] = {// clang-format off
        {"QuoteNotClosed", "a,b\n\"c,d\ne\n", 2}, {"TextAfterClosingQuote", "a\r\nb\r\n\"x\"y,z", 3},
        {"TextAfterQuoteOverLines", "\"a\nb\"c", 2}, {"Latin1Byte", "ok\nGr\xF6\xDF!\n", 2},
        {"TruncatedSequence", "a\r\nb\r\nc\xE2\x82", 3}, {"OverlongSlash", "\xC0\xAF", 1},
        {"Surrogate", "x\n\xED\xA0\x80", 2}, {"BeyondUnicode", "\xF4\x90\x80\x80", 1},
        {"NulByte", std::string("a\nb\0c", 5), 2}};
    // clang-format on
    for (const auto& c : cases) {
        const DelimitedResult result = ReadDelimited(c.text);
        EXPECT_EQ(std::tie(result.ok, result.line), std::make_tuple(false, c.line)) << c.name;
        EXPECT_TRUE(!result.reason.empty() && result.data.rows.empty()) << c.name;
    }
}

// Writing quotes every field, so rows survive a round trip whatever
// separators, quotes or line breaks the fields hold (the CSV fuzzer tries
// many more).
TEST(WriteDelimitedTest, RoundTrips) {
    const Rows rows = {{"", "a,b", "\"q\""}, {"line\r\nbreak", "tab\there", "Gr\xC3\xB6\xC3\x9F"}};
    for (char sep : {',', '\t'}) {
        const DelimitedResult result = ReadDelimited(WriteDelimited(rows, sep));
        ASSERT_TRUE(result.ok) << result.reason;
        EXPECT_EQ(result.data.rows, rows);
    }
}

}  // namespace
}  // namespace tabloom
