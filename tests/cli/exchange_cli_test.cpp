#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "cli_run.h"
#include "core/storage/table_file.h"
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
    EXPECT_EQ(toFile.out, "");
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

// Every value of a 20 x 20 table: row * 100 + column.
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
        } cases[] = {{"Name,Price\r\nPear,\"1,20\"\r\n", false, 2, 2, "Name|1,20"},
                 // The file's stand-in for a quote must not turn a real one into a quote.
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
        EXPECT_EQ(run.err, "");
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

}  // namespace
}  // namespace tabloom
