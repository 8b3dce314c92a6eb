#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
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
namespace fs = std::filesystem;

// Runs tabloom-cli from-csv in with stdin from stdinFile.
RunResult FromCsv(const std::string& in, const std::string& out, const TempFolder& folder,
                  const std::string& stdinFile = "/dev/null") {
    return testing::Cli({"from-csv", in, out}, folder, stdinFile);
}

struct ConvertCase {
    const char* name;
    std::string text;
    bool viaStdin;
    int rows, cols;
    const char* cells;  // "row col=content" separated by '|'
};

// Every value of a 20 x 20 table: row * 100 + column.
std::string FullText() {
    std::string text;
    for (int r = 1; r <= 20; ++r) {
        for (int c = 1; c <= 20; ++c) text += std::to_string(r * 100 + c) + (c < 20 ? "," : "\n");
    }
    return text;
}

TEST(FromCsvTest, WritesATableFileThatLoads) {
    const ConvertCase cases[] = {
        {"CommasCrLf", "Name,Price\r\nPear,\"1,20\"\r\n", false, 2, 2, "1 1=Name|2 2=1,20"},
        // The file's stand-in for a quote must not turn a real one into a quote.
        {"YAcuteStaysApartFromQuotes", "\"\xC3\xBD \"\"q\"\"\"\n", false, 1, 1, "1 1=&#253; \"q\""},
        {"StandardInput", "a,b,c\n", true, 1, 3, "1 3=c"},
        {"FullTable", FullText(), false, 20, 20, "1 1=101|20 20=2020|7 13=713"}};
    for (const ConvertCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string in = folder.File("in.csv");
        const std::string out = folder.File("out.tbl");
        WriteBytes(in, c.text);
        const RunResult run = c.viaStdin ? FromCsv("-", out, folder, in) : FromCsv(in, out, folder);
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const TableLoadResult loaded = LoadTable(out);
        ASSERT_TRUE(loaded.ok) << loaded.reason;
        const TableSpec& t = loaded.data.table;
        EXPECT_EQ(t.intNumRows, c.rows);
        EXPECT_EQ(t.intNumCols, c.cols);
        std::istringstream cells(c.cells);
        for (std::string cell; std::getline(cells, cell, '|');) {
            std::istringstream at(cell);
            int row = 0, col = 0;
            at >> row >> col;
            EXPECT_EQ(t.At(row, col).strContent, cell.substr(cell.find('=') + 1)) << cell;
        }
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
    const struct {
        const char* name;
        std::string text;  // the input, when in.csv is read
        std::string in, out;
        const char* expected;
    } cases[] = {
        {"TwentyOneColumns", "a\nb\n1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21\n",
         folder.File("in.csv"), folder.File("a.tbl"), "line 3: 21 fields"},
        // A line break inside a field moves the line of every later row.
        {"TwentyOneRowsAfterAQuotedBreak", "\"a\nb\"\n" + Rows(20), folder.File("in.csv"),
         folder.File("a.tbl"), "line 22: row 21"},
        {"NoRows", "", folder.File("in.csv"), folder.File("a.tbl"), "holds no rows"},
        {"Missing", "", folder.File("missing.csv"), folder.File("a.tbl"), "cannot read"},
        {"Folder", "", folder.Path().string(), folder.File("b.tbl"), "is a folder"},
        {"Unwritable", "a,b\n", folder.File("in.csv"), blocker + "/out.tbl", "error:"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(folder.File("in.csv"), c.text);
        const RunResult run = FromCsv(c.in, c.out, folder);
        EXPECT_EQ(run.code, 1);
        EXPECT_NE(run.err.find(c.expected), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(c.out));
    }
}

}  // namespace
}  // namespace tabloom
