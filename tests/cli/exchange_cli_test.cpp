#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "cli_run.h"
#include "core/export/cell_text.h"
#include "core/export/export_table.h"
#include "core/storage/table_file.h"
#include "table_builders.h"
#include "temp_folder.h"

namespace tabloom {
namespace {

using testing::RunResult;
using testing::TempFolder;
using testing::WriteBytes;

const std::string kPage =
    "<html><body><table border=1><tr><th>Fruit</th><th>Price</th></tr>"
    "<tr><td colspan=2 style='font-weight:bold'>apple, &quot;red&quot;</td></tr></table>"
    "<table><tr><td>second</td></tr>" +
    [] {
        std::string rows;
        for (int i = 0; i < 21; ++i) rows += "<tr><td>r</td></tr>";
        return rows;
    }() +
    "</table></body></html>";

// A written table reports on standard error what did not fit; a refusal
// ends standard error with its reason.
TEST(FromHtmlCliTest, WritesATableFileOrRefusesWithAReason) {
    TempFolder folder;
    const std::string page = folder.File("page.html");
    WriteBytes(page, kPage);
    const std::string empty = folder.File("empty.html");
    WriteBytes(empty, "<p>none</p>");
    const std::string out = folder.File("out.tbl");
    // args: after "from-html".
    // clang-format off
    const struct { std::vector<std::string> args; bool viaStdin; int code; std::string err;
        int rows = 0, cols = 0; const char* firstCell = ""; } cases[] = {
        {{"-", out}, true, 0,
         "note: standard input holds 2 tables; the first is taken (--table N for another)\n"
         "note: The table does not fit entirely: styles not kept: font-weight.\n", 2, 2, "Fruit"},
        {{page, out, "--table", "2"}, false, 0,
         "note: The table does not fit entirely: 2 rows beyond 20 cut.\n", 20, 1, "second"},
        {{empty, out}, false, 1, "error: " + empty + ": the page holds no table\n"},
        {{page, out, "--table", "0"}, false, 2, "error: --table takes a table number from 1 on, not 0\n"},
        {{folder.File(""), out}, false, 1, "error: cannot read " + folder.File("") + ": is a folder\n"},
        {{page, page + "/x.tbl"}, false, 1, ""}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        std::filesystem::remove(out);
        std::vector<std::string> args = {"from-html"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const RunResult run = testing::Cli(args, folder, c.viaStdin ? page : "/dev/null");
        EXPECT_EQ(run.code, c.code) << run.err;
        EXPECT_TRUE(run.err.size() >= c.err.size() &&
                    run.err.compare(run.err.size() - c.err.size(), c.err.size(), c.err) == 0)
            << run.err;
        if (c.code != 0) continue;
        EXPECT_EQ(run.err, c.err);
        const TableLoadResult loaded = LoadTable(out);
        ASSERT_TRUE(loaded.ok) << loaded.reason;
        EXPECT_EQ(loaded.data.table.intNumRows, c.rows);
        EXPECT_EQ(loaded.data.table.intNumCols, c.cols);
        EXPECT_EQ(loaded.data.table.At(1, 1).strContent, c.firstCell);
    }
}

TEST(ExportCli, WritesTheFormatAndReportsTheLosses) {
    TempFolder folder;
    const std::string page = folder.File("page.html");
    WriteBytes(page,
               "<table><tr><td colspan=2 bgcolor=red>a,b</td></tr><tr><td>1</td><td>2</td>"
               "</tr></table>");
    const std::string table = folder.File("t.tbl");
    ASSERT_EQ(testing::Cli({"from-html", page, table}, folder).code, 0);

    const RunResult toStdout = testing::Cli({"export", "--to", "csv", table}, folder);
    EXPECT_EQ(toStdout.code, 0);
    EXPECT_EQ(toStdout.out, "\"a,b\",\r\n1,2\r\n");
    EXPECT_EQ(toStdout.err,
              "note: CSV has no merged cells: 1 span is written as repeated empty cells; "
              "colours, alignment, sizes and fonts are dropped\n");

    const std::string md = folder.File("t.md");
    const RunResult toFile = testing::Cli({"export", table, md, "--to", "markdown"}, folder);
    EXPECT_EQ(toFile.code, 0) << toFile.err;
    EXPECT_EQ(testing::ReadBytes(md), "|  |  |\n| --- | --- |\n| a,b |  |\n| 1 | 2 |\n");

    const struct {
        std::vector<std::string> args;
        int code;
    } refused[] = {{{"export", "--to", "rtf", table}, 2},
                   {{"export", table}, 2},
                   {{"export", "--to", "csv", table, table}, 1},
                   {{"export", "--to", "csv", table, page + "/out.csv"}, 1},
                   {{"export", "--to", "csv", folder.File("missing.tbl")}, 1}};
    for (const auto& c : refused) {
        const RunResult run = testing::Cli(c.args, folder);
        EXPECT_EQ(run.code, c.code) << c.args.back();
        EXPECT_NE(run.err, "") << c.args.back();
    }
    EXPECT_NE(testing::ReadBytes(table), "");  // not overwritten by the refused export
}

std::string FullText() {
    std::string text;
    for (int r = 1; r <= 20; ++r) {
        for (int c = 1; c <= 20; ++c) text += std::to_string(r * 100 + c) + (c < 20 ? "," : "\n");
    }
    return text;
}

TEST(FromCsvTest, WritesATableFileThatLoads) {
    // corners: the first and the last cell.
    // clang-format off
    const struct { std::string text; bool viaStdin; int rows, cols; const char* corners;
        } cases[] = {// The file's stand-in for a quote must not turn a real one into a quote.
                 {"\"\xC3\xBD \"\"q\"\"\"\n", false, 1, 1, "&#253; \"q\"|&#253; \"q\""},
                 {"a,b,c\n", true, 1, 3, "a|c"},
                 {FullText(), false, 20, 20, "101|2020"}};
    // clang-format on
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string in = folder.File("in.csv");
        const std::string out = folder.File("out.tbl");
        WriteBytes(in, c.text);
        const RunResult run = testing::Cli({"from-csv", c.viaStdin ? "-" : in, out}, folder,
                                           c.viaStdin ? in : "/dev/null");
        ASSERT_EQ(run.code, 0) << run.err;
        const TableLoadResult loaded = LoadTable(out);
        ASSERT_TRUE(loaded.ok) << loaded.reason;
        const TableSpec& t = loaded.data.table;
        EXPECT_EQ(std::pair(t.intNumRows * 1, t.intNumCols * 1), std::pair(c.rows, c.cols));
        EXPECT_EQ(t.At(1, 1).strContent + "|" + t.At(c.rows, c.cols).strContent, c.corners);
    }
}

std::string Rows(int n) {
    std::string text;
    for (int i = 1; i <= n; ++i) text += std::to_string(i) + "\n";
    return text;
}

// Every refusal exits 1 with the reason and leaves no table file.
TEST(FromCsvRefusalTest, ExitsOneWithTheReasonAndLeavesNoFile) {
    TempFolder folder;
    const std::string blocker = folder.File("plain");
    WriteBytes(blocker, "a file where a folder should be");
    // text: the input, when in.csv is read.
    // clang-format off
    const struct { const char* name; std::string text; std::string in, out; const char* expected;
        } cases[] = {
        {"TwentyOneColumns", "a\nb\n1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21\n",
         folder.File("in.csv"), folder.File("a.tbl"), "line 3: 21 fields"},
        // A line break inside a field moves the line of every later row.
        {"TwentyOneRowsAfterAQuotedBreak", "\"a\nb\"\n" + Rows(20), folder.File("in.csv"),
         folder.File("a.tbl"), "line 22: row 21"},
        {"NoRows", "", folder.File("in.csv"), folder.File("a.tbl"), "holds no rows"},
        {"Missing", "", folder.File("missing.csv"), folder.File("a.tbl"), "cannot read"},
        {"Unwritable", "a,b\n", folder.File("in.csv"), blocker + "/out.tbl", "error:"}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(folder.File("in.csv"), c.text);
        const RunResult run = testing::Cli({"from-csv", c.in, c.out}, folder);
        EXPECT_EQ(run.code, 1);
        EXPECT_NE(run.err.find(c.expected), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(c.out));
    }
}

// Spans, a head row, a caption, a line break inside a cell, colours and the
// characters the formats give a meaning of their own.
TableSpec ReaderTable() {
    TableSpec t = testing::StartTable(4, 3);
    t.intHeaderRows = 1;
    t.strCaption = "Prices & more, 50%";
    const char* texts[4][3] = {{"Name", "Price & tax", "Note"},
                               {"50% off $5 #1", "x_y {z} [a]", "two\r\nlines"},
                               {"1 < 2 > 0 ~^\\ |", "", ""},
                               {"caf\xC3\xA9 *b* -- c", "back\\slash", "end"}};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c) t.At(r + 1, c + 1).strContent = texts[r][c];
    }
    testing::Span(t, 2, 3, 2, 1);
    testing::Span(t, 3, 1, 1, 2);
    t.At(2, 1).lngBgColor = 0x00FFFF;
    t.At(4, 2).lngTextColor = 0xFF0000;
    t.At(4, 2).intAlign = 3;
    return t;
}

// What the reader should find: the caption when the format has one, then
// every non-empty cell row by row, line breaks as \n.
std::string ExpectedTexts(const TableSpec& t, bool withCaption) {
    std::string out = withCaption ? "caption: " + t.strCaption + "\n" : "";
    for (int r = 1; r <= t.intNumRows; ++r) {
        for (int c = 1; c <= t.intNumCols; ++c) {
            const CellSpec& cell = t.At(r, c);
            if (cell.intRowSpan < 1 || cell.strContent.empty()) continue;
            out += CellText::Joined(cell.strContent, "\\n") + "\n";
        }
    }
    return out;
}

RunResult ReadBack(const std::string& kind, const std::string& file, const TempFolder& folder) {
    return testing::RunProgram("python3", {TABLOOM_READER_SCRIPT, kind, file}, folder);
}

std::string Exported(const TableSpec& t, ExportFormat format, const TempFolder& folder) {
    const std::string file = folder.File(std::string("table") + ExportFileSuffix(format));
    testing::WriteBytes(file, ExportTable(t, format).text);
    return file;
}

TEST(ExportReadersTest, PandocReadsTheSameCellTexts) {
    const TableSpec t = ReaderTable();
    // clang-format off
    const struct { ExportFormat format; const char* kind; bool caption;
        } cases[] = {{ExportFormat::Markdown, "markdown", false},
                 {ExportFormat::MediaWiki, "mediawiki", true},
                 {ExportFormat::Latex, "latex", true}};
    // clang-format on
    for (const auto& c : cases) {
        // pandoc 2.17 reads no line break inside a LaTeX cell, however written
        // (a tabular inside the cell, \shortstack); pdflatex checks those below.
        TableSpec table = t;
        if (c.format == ExportFormat::Latex) table.At(2, 3).strContent = "two lines";
        TempFolder folder;
        const RunResult run = ReadBack(c.kind, Exported(table, c.format, folder), folder);
        ASSERT_EQ(run.code, 0) << c.kind << ": " << run.err;
        EXPECT_EQ(run.out, ExpectedTexts(table, c.caption)) << c.kind;
    }
}

TEST(ExportReadersTest, PythonCsvReadsEveryValue) {
    const TableSpec t = ReaderTable();
    TempFolder folder;
    const RunResult run = ReadBack("csv", Exported(t, ExportFormat::Csv, folder), folder);
    ASSERT_EQ(run.code, 0) << run.err;
    std::string expected;
    for (int r = 1; r <= t.intNumRows; ++r) {
        for (int c = 1; c <= t.intNumCols; ++c) {
            const CellSpec& cell = t.At(r, c);
            if (cell.intRowSpan >= 1) expected += CellText::Joined(cell.strContent, "\\n");
            expected += "\n";
        }
        expected += "\n";
    }
    EXPECT_EQ(run.out, expected);
}

TEST(ExportReadersTest, LatexCompilesWithPdflatex) {
    TableSpec t = ReaderTable();
    t.blnCenterTable = true;
    t.At(1, 1).strContent = "quotes ' \" ` and \\ { } $ & # % _ ^ ~ < > | -- ---";
    t.At(2, 2).strFontFace = "Arial";
    t.At(2, 2).intVAlign = 3;
    TempFolder folder;
    for (const TableSpec& table : {t, testing::RichTable()}) {
        const std::string doc = folder.File("doc.tex");
        testing::WriteBytes(doc,
                            "\\documentclass{article}\n\\usepackage[T1]{fontenc}\n"
                            "\\usepackage[table]{xcolor}\n\\usepackage{multirow}\n"
                            "\\begin{document}\n" +
                                ExportTable(table, ExportFormat::Latex).text + "\\end{document}\n");
        // Not through RunProgram: the first run may build fonts for a while.
        const std::string command = "cd '" + folder.File("") +
                                    "' && timeout 300 pdflatex -interaction=nonstopmode "
                                    "-halt-on-error doc.tex >pdflatex.out 2>&1";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << testing::ReadBytes(folder.File("pdflatex.out"));
    }
}

}  // namespace
}  // namespace tabloom
