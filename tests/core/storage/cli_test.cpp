#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/html/write_table_html.h"
#include "core/model/clock.h"
#include "core/storage/table_file.h"
#include "core/texts/program_texts.h"
#include "table_builders.h"
#include "temp_folder.h"

namespace tabloom {
namespace {

using testing::ReadBytes;
using testing::RichTable;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

struct RunResult {
    int code = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& arg) {
    std::string q = "'";
    for (char ch : arg) {
        if (ch == '\'') {
            q += "'\\''";
        } else {
            q += ch;
        }
    }
    return q + "'";
}

// Runs the command line program at exe with args; its output goes to files
// in folder.
RunResult RunProgram(const std::string& exe, const std::vector<std::string>& args,
                     const TempFolder& folder) {
    std::string command = Quoted(exe);
    for (const std::string& arg : args) command += " " + Quoted(arg);
    const std::string out = folder.File("stdout.txt");
    const std::string err = folder.File("stderr.txt");
    command += " >" + Quoted(out) + " 2>" + Quoted(err);
    const int status = std::system(command.c_str());
    RunResult run;
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadBytes(out);
    run.err = ReadBytes(err);
    fs::remove(out);
    fs::remove(err);
    return run;
}

RunResult Cli(const std::vector<std::string>& args, const TempFolder& folder) {
    return RunProgram(TABLOOM_CLI_PATH, args, folder);
}

std::string SuccessText() {
    const char* dir = std::getenv("TABLOOM_DATA_DIR");
    ProgramTexts texts;
    EXPECT_GT(texts.Load(std::string(dir != nullptr ? dir : ".") + "/tbm.dat"), 0);
    return texts.ProgramText(29);
}

// The HTML that Create writes for table now, for comparison.
std::string ExpectedHtml(const TableSpec& table, const TempFolder& folder) {
    const std::string file = folder.File("expected.htm");
    const HtmlResult result = WriteTableHtml(table, file, SystemClock(), SuccessText());
    EXPECT_EQ(result.stage, 0);
    std::string bytes = ReadBytes(file);
    fs::remove(file);
    return bytes;
}

TEST(CliTest, VersionAndHelp) {
    TempFolder folder;
    const RunResult version = Cli({"--version"}, folder);
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "tabloom-cli 12.00\n");

    const RunResult help = Cli({"--help"}, folder);
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out.rfind("usage: tabloom-cli html TABLE.tbl [OUTPUT]", 0), 0u) << help.out;
    EXPECT_TRUE(help.err.empty());
}

TEST(CliTest, WrongCommandLinesPrintUsageAndExit2) {
    TempFolder folder;
    const std::vector<std::vector<std::string>> lines = {
        {},
        {"frobnicate"},
        {"check"},
        {"check", "a.tbl", "b.tbl"},
        {"html"},
        {"html", "a.tbl", "b.htm", "c"},
        {"resave", "a.tbl"},
        {"--version", "extra"},
        {"--HELP"},
    };
    for (const auto& args : lines) {
        const RunResult run = Cli(args, folder);
        EXPECT_EQ(run.code, 2) << (args.empty() ? "(none)" : args[0]);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("usage:"), std::string::npos);
    }
}

TEST(CliTest, CheckReportsDimensionsOrTheReason) {
    TempFolder folder;
    const std::string good = folder.File("good.tbl");
    ASSERT_TRUE(SaveTable(RichTable(), "/o.htm", good));
    const RunResult ok = Cli({"check", good}, folder);
    EXPECT_EQ(ok.code, 0);
    EXPECT_EQ(ok.out, "ok: 4 rows, 5 columns\n");

    const std::string bad = folder.File("bad.tbl");
    WriteBytes(bad, " 0  0  0 \r\n 21  1 \r\n");
    const RunResult refused = Cli({"check", bad}, folder);
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_EQ(refused.err, "error: line 2: number out of range for intNumRows\n");

    const RunResult missing = Cli({"check", folder.File("none.tbl")}, folder);
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("cannot open"), std::string::npos);

    // Arbitrary bytes: refused, never a crash.
    std::string noise;
    for (int i = 0; i < 4096; ++i) noise.push_back(static_cast<char>((i * 7919) % 256));
    WriteBytes(bad, noise);
    EXPECT_EQ(Cli({"check", bad}, folder).code, 1);
}

TEST(CliTest, ResaveWritesTheSameBytes) {
    TempFolder folder;
    const std::string in = folder.File("in.tbl");
    ASSERT_TRUE(SaveTable(RichTable(), "/out, with comma.htm", in));
    const std::string out = folder.File("out.tbl");
    const RunResult run = Cli({"resave", in, out}, folder);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(ReadBytes(out), ReadBytes(in));

    // A refused input writes nothing; an unusable output fails.
    WriteBytes(in, "garbage");
    EXPECT_EQ(Cli({"resave", in, folder.File("never.tbl")}, folder).code, 1);
    EXPECT_FALSE(fs::exists(folder.File("never.tbl")));
    ASSERT_TRUE(SaveTable(RichTable(), "", in));
    EXPECT_EQ(Cli({"resave", in, folder.File("in.tbl/x.tbl")}, folder).code, 1);
}

TEST(CliTest, HtmlWritesWhatCreateWrites) {
    TempFolder folder;
    const TableSpec table = RichTable();
    const std::string stored = folder.File("stored.htm");
    const std::string tbl = folder.File("t.tbl");
    ASSERT_TRUE(SaveTable(table, stored, tbl));

    struct Case {
        std::vector<std::string> args;
        std::string written;
    };
    for (const Case& c : {Case{{"html", tbl, folder.File("given.htm")}, folder.File("given.htm")},
                          Case{{"html", tbl}, stored}}) {
        // The page carries the time to the minute: accept the minute before
        // or after the run.
        const std::string before = ExpectedHtml(table, folder);
        const RunResult run = Cli(c.args, folder);
        const std::string after = ExpectedHtml(table, folder);
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.out, SuccessText() + "\n");
        const std::string bytes = ReadBytes(c.written);
        EXPECT_TRUE(bytes == before || bytes == after) << c.written;
    }
}

TEST(CliTest, HtmlFailures) {
    TempFolder folder;
    const std::string tbl = folder.File("t.tbl");
    ASSERT_TRUE(SaveTable(RichTable(), "", tbl));

    const RunResult noOutput = Cli({"html", tbl}, folder);
    EXPECT_EQ(noOutput.code, 1);
    EXPECT_NE(noOutput.err.find("no output file"), std::string::npos);

    const RunResult badFolder = Cli({"html", tbl, folder.File("t.tbl/x.htm")}, folder);
    EXPECT_EQ(badFolder.code, 1);
    EXPECT_TRUE(badFolder.out.empty());
    EXPECT_EQ(badFolder.err.rfind("Failure: ", 0), 0u) << badFolder.err;

    WriteBytes(folder.File("bad.tbl"), " 0  0  0 \r\n");
    EXPECT_EQ(Cli({"html", folder.File("bad.tbl"), folder.File("x.htm")}, folder).code, 1);
    EXPECT_FALSE(fs::exists(folder.File("x.htm")));
}

TEST(CliTest, FindsItsTextsBesideItOrInstalled) {
    TempFolder folder;
    const std::string tbl = folder.File("t.tbl");
    ASSERT_TRUE(SaveTable(RichTable(), "", tbl));
    const char* dir = std::getenv("TABLOOM_DATA_DIR");
    ASSERT_NE(dir, nullptr);

    // A copy without its texts ends with the start-up failure message.
    fs::create_directories(folder.Path() / "bare");
    const std::string bare = folder.File("bare/tabloom-cli");
    fs::copy_file(TABLOOM_CLI_PATH, bare);
    const RunResult missing = RunProgram(bare, {"html", tbl, folder.File("a.htm")}, folder);
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(
        missing.err,
        ProgramTextFailureMessage(ProgramTexts::kCannotOpen, folder.File("bare/tbm.dat")) + "\n");
    EXPECT_FALSE(fs::exists(folder.File("a.htm")));

    // The installed layout: bin/ and share/tabloom/.
    fs::create_directories(folder.Path() / "prefix/bin");
    fs::create_directories(folder.Path() / "prefix/share/tabloom");
    const std::string installed = folder.File("prefix/bin/tabloom-cli");
    fs::copy_file(TABLOOM_CLI_PATH, installed);
    fs::copy_file(std::string(dir) + "/tbm.dat", folder.File("prefix/share/tabloom/tbm.dat"));
    const RunResult run = RunProgram(installed, {"html", tbl, folder.File("b.htm")}, folder);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(fs::exists(folder.File("b.htm")));
}

}  // namespace
}  // namespace tabloom
