#include "core/export/export_table.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/csv/delimited_text.h"
#include "table_builders.h"

namespace tabloom {
namespace {

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
        {"CsvQuoting", PlainTable, ExportFormat::Csv, "1,2\r\n3,4\r\n", ""},
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
        {"NoFinalLineBreak", "a,b\r\nc,d", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"TabsWin", "a,1\tb\r\nc\td,2\r\n", '\t', {{"a,1", "b"}, {"c", "d,2"}}, {}},
        {"TrailingEmptyFields", "a,,\n,,\n", ',', {{"a", "", ""}, {"", "", ""}}, {}},
        // A separator at the very end leaves one empty field.
        {"TrailingTabAtEnd", "a\t", '\t', {{"a", ""}}, {}},
        {"EmptyLineIsARow", "a\n\nb\n", ',', {{"a"}, {""}, {"b"}}, {1, 2, 3}},
        {"LoneLineBreak", "\n", ',', {{""}}, {1}},
        {"QuotedSeparators", "\"a,b\",c\n", ',', {{"a,b", "c"}}, {}},
        {"TabOnlyInsideQuotes", "\"a\tb\",c\nd,\"\"\"\t\"", ',', {{"a\tb", "c"}, {"d", "\"\t"}}, {}},
        {"DoubledQuotes", "\"say \"\"hi\"\"\",x", ',', {{"say \"hi\"", "x"}}, {}},
        {"OnlyQuotes", "\"\"\"\"", ',', {{"\""}}, {}},
        {"QuoteInsideUnquotedField", "5\" disk,x", ',', {{"5\" disk", "x"}}, {}},
        {"LfInQuotesBecomesCrLf", "\"one\ntwo\",x\nnext\n", ',', {{"one\r\ntwo", "x"}, {"next"}}, {1, 3}},
        {"CrLfAndCrInQuotes", "\"a\r\nb\rc\"\tz\r\nq", '\t', {{"a\r\nb\r\nc", "z"}, {"q"}}, {1, 4}},
        {"RaggedRows", "a\nb,c,d\n", ',', {{"a"}, {"b", "c", "d"}}, {}},
        {"Utf8", "Größe,€ 5,日本\n", ',', {{"Größe", "€ 5", "日本"}}, {}},
        {"ByteOrderMarkDropped", "\xEF\xBB\xBFname,x", ',', {{"name", "x"}}, {}},
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
