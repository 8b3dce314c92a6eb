#include "core/export/export_table.h"

#include <gtest/gtest.h>

#include <string>

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

struct ExportCase {
    const char* name;
    TableSpec (*table)();
    ExportFormat format;
    std::string text, report;
};

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

}  // namespace
}  // namespace tabloom
