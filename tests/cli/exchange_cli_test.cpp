#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"
#include "core/storage/table_file.h"
#include "param_name.h"
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

struct FromHtmlCase {
    const char* name;
    std::vector<std::string> extra;  // after IN OUT
    bool viaStdin;
    int rows, cols;
    std::string firstCell;
    std::vector<std::string> notes;  // each on a line of its own on standard error
};

void PrintTo(const FromHtmlCase& c, std::ostream* os) { *os << c.name; }

class FromHtmlCliTest : public ::testing::TestWithParam<FromHtmlCase> {};

TEST_P(FromHtmlCliTest, WritesATableFileAndReportsWhatDidNotFit) {
    const FromHtmlCase& c = GetParam();
    TempFolder folder;
    const std::string in = folder.File("page.html");
    const std::string out = folder.File("out.tbl");
    WriteBytes(in, kPage);
    std::vector<std::string> args = {"from-html", c.viaStdin ? "-" : in, out};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const RunResult run = testing::Cli(args, folder, c.viaStdin ? in : "/dev/null");
    ASSERT_EQ(run.code, 0) << run.err;
    std::string expected;
    for (const std::string& note : c.notes) expected += "note: " + note + "\n";
    EXPECT_EQ(run.err, expected);
    const TableLoadResult loaded = LoadTable(out);
    ASSERT_TRUE(loaded.ok) << loaded.reason;
    EXPECT_EQ(loaded.data.table.intNumRows, c.rows);
    EXPECT_EQ(loaded.data.table.intNumCols, c.cols);
    EXPECT_EQ(loaded.data.table.At(1, 1).strContent, c.firstCell);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, FromHtmlCliTest,
    ::testing::Values(
        FromHtmlCase{"FirstTableFromStdin",
                     {},
                     true,
                     2,
                     2,
                     "Fruit",
                     {"standard input holds 2 tables; the first is taken (--table N for another)",
                      "The table does not fit entirely: styles not kept: font-weight."}},
        FromHtmlCase{"ChosenTable",
                     {"--table", "2"},
                     false,
                     20,
                     1,
                     "second",
                     {"The table does not fit entirely: 2 rows beyond 20 cut."}}),
    ByCaseName());

TEST(FromHtmlCliErrors, RefuseWithAReason) {
    TempFolder folder;
    const std::string page = folder.File("page.html");
    WriteBytes(page, kPage);
    const std::string empty = folder.File("empty.html");
    WriteBytes(empty, "<p>none</p>");
    const std::string out = folder.File("out.tbl");
    const struct {
        std::vector<std::string> args;
        int code;
        std::string err;
    } cases[] = {
        {{"from-html", empty, out}, 1, "error: " + empty + ": the page holds no table\n"},
        {{"from-html", page, out, "--table", "3"},
         1,
         "error: " + page + ": the page holds 2 tables, not 3\n"},
        {{"from-html", page, out, "--table", "0"},
         2,
         "error: --table takes a table number from 1 on, not 0\n"},
        {{"from-html", folder.File(""), out},
         1,
         "error: cannot read " + folder.File("") + ": is a folder\n"},
        {{"from-html", page, page + "/x.tbl"}, 1, ""},
    };
    for (const auto& c : cases) {
        const RunResult run = testing::Cli(c.args, folder);
        EXPECT_EQ(run.code, c.code) << c.args[1];
        if (!c.err.empty()) {
            EXPECT_EQ(run.err.substr(run.err.size() - c.err.size()), c.err);
        }
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
    } refused[] = {
        {{"export", "--to", "rtf", table}, 2},
        {{"export", table}, 2},
        {{"export", "--to", "csv", table, table}, 1},
        {{"export", "--to", "csv", table, page + "/out.csv"}, 1},
        {{"export", "--to", "csv", folder.File("missing.tbl")}, 1},
    };
    for (const auto& c : refused) {
        const RunResult run = testing::Cli(c.args, folder);
        EXPECT_EQ(run.code, c.code) << c.args.back();
        EXPECT_NE(run.err, "") << c.args.back();
    }
    EXPECT_NE(testing::ReadBytes(table), "");  // not overwritten by the refused export
}

}  // namespace
}  // namespace tabloom
