#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"
#include "core/audit/table_audit.h"
#include "core/storage/table_file.h"
#include "table_builders.h"
#include "temp_folder.h"

namespace tabloom {
namespace {

using testing::Cli;
using testing::RunResult;
using testing::TempFolder;
using testing::WriteBytes;

TableSpec GreyTitled() { return testing::GreyTitledTable(); }

TEST(AuditCliTest, PrintsOneFindingALineAndExitsOneWithSome) {
    TempFolder folder;
    const std::string grey = folder.File("grey.tbl");
    ASSERT_TRUE(SaveTable(GreyTitled(), "", grey));
    const RunResult run = Cli({"audit", grey}, folder);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out,
              "contrast\tR1C1 R2C1 R2C2 R2C3 R3C1 R3C2 R3C3 R4C1 R4C2 R4C3\t2.32:1, needs 4.5:1\n"
              "no-headers\tR2C1 R2C2 R2C3\t4 rows and 3 columns with text, no header cells\n"
              "no-caption\tR1C1\tno caption; row 1 is the title\n"
              "title-row\tR1C1\tone cell over all 3 columns\n"
              "classic-style\ttable\tClassic style on a data table: it writes font, center and "
              "bgcolor, which HTML no longer has, and no header cells or caption\n");
    EXPECT_EQ(run.err, "");

    const std::string clean = folder.File("clean.tbl");
    ASSERT_TRUE(SaveTable(testing::StartTable(1, 2), "", clean));
    const RunResult none = Cli({"audit", clean}, folder);
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(none.out, "");
}

TEST(AuditCliTest, FixWritesTheRepairedTable) {
    TempFolder folder;
    const std::string grey = folder.File("grey.tbl");
    const std::string fixed = folder.File("fixed.tbl");
    ASSERT_TRUE(SaveTable(GreyTitled(), "/x/out.htm", grey));
    const RunResult run = Cli({"audit", "--fix", fixed, grey}, folder);
    EXPECT_EQ(run.code, 0) << run.err;  // everything found had a repair
    EXPECT_NE(run.out.find("title-row"), std::string::npos);

    const TableLoadResult loaded = LoadTable(fixed);
    ASSERT_TRUE(loaded.ok) << loaded.reason;
    EXPECT_EQ(loaded.data.strOutputFile, "/x/out.htm");
    EXPECT_EQ(loaded.data.table.intNumRows, 3);
    // The stored header rows, caption and style keep every repair.
    for (const Finding& f : AuditTable(loaded.data.table)) ADD_FAILURE() << f.figure;
    EXPECT_EQ(Cli({"audit", fixed}, folder).code, 0);
}

TEST(AuditCliTest, FailuresAndWrongCommandLines) {
    TempFolder folder;
    const std::string grey = folder.File("grey.tbl");
    ASSERT_TRUE(SaveTable(GreyTitled(), "", grey));
    WriteBytes(folder.File("plain"), "x");
    struct Line {
        std::vector<std::string> args;
        int code;
        const char* err;  // a part of standard error
    };
    const Line lines[] = {
        {{"audit"}, 2, "usage:"},
        {{"audit", grey, grey}, 2, "usage:"},
        {{"audit", grey, "--fix"}, 2, "usage:"},
        {{"audit", "--fix", folder.File("a.tbl"), "--fix", folder.File("b.tbl"), grey},
         2,
         "usage:"},
        {{"audit", folder.File("missing.tbl")}, 1, "error: "},
        {{"audit", grey, "--fix", folder.File("plain/fixed.tbl")}, 1, "error: "}};
    for (const Line& line : lines) {
        const RunResult run = Cli(line.args, folder);
        EXPECT_EQ(run.code, line.code) << line.args.back();
        EXPECT_NE(run.err.find(line.err), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace tabloom
