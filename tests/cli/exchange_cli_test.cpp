#include <gtest/gtest.h>

#include <filesystem>
#include <string>
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
    const struct {
        std::vector<std::string> args;  // after "from-html"
        bool viaStdin;
        int code;
        std::string err;
        int rows = 0, cols = 0;
        const char* firstCell = "";
    } cases[] = {
        // clang-format off
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

}  // namespace
}  // namespace tabloom
