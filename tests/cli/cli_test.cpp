#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "cli_run.h"
#include "core/audit/table_audit.h"
#include "core/html/render_table_html.h"
#include "core/model/clock.h"
#include "core/storage/table_file.h"
#include "core/texts/program_texts.h"
#include "table_builders.h"
#include "temp_folder.h"

namespace tabloom {
namespace {

using testing::Cli;
using testing::ReadBytes;
using testing::RichTable;
using testing::RunProgram;
using testing::RunResult;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

std::string SuccessText() {
    const char* dir = std::getenv("TABLOOM_DATA_DIR");
    ProgramTexts texts;
    EXPECT_GT(texts.Load(std::string(dir != nullptr ? dir : ".") + "/tbm.dat"), 0);
    return texts.ProgramText(29);
}

std::string ExpectedHtml(const TableSpec& table) { return RenderTableHtml(table, SystemClock()); }

TEST(CliTest, VersionHelpAndWrongCommandLines) {
    TempFolder folder;
    const RunResult version = Cli({"--version"}, folder);
    const RunResult help = Cli({"--help"}, folder);
    EXPECT_EQ(std::tie(version.code, version.out, help.code, help.err),
              std::make_tuple(0, std::string("tabloom-cli 12.00\n"), 0, std::string()));
    EXPECT_EQ(help.out.rfind("usage: tabloom-cli html [--force]", 0), 0u) << help.out;
    // clang-format off
    const std::vector<std::vector<std::string>> wrong = {
        {}, {"frobnicate"}, {"html"}, {"html", "a.tbl", "--style"},
        {"html", "--force", "a.tbl", "b.htm", "--force"}, {"html", "--style", "fancy", "a.tbl"},
        {"audit"}, {"audit", "a.tbl", "b.tbl"}};
    // clang-format on
    for (const auto& args : wrong) {
        const RunResult run = Cli(args, folder);
        EXPECT_EQ(run.code, 2) << (args.empty() ? "(none)" : args.back());
        EXPECT_NE(run.err.find("usage:"), std::string::npos);
    }
}

TEST(CliTest, CheckReportsDimensionsOrTheReason) {
    TempFolder folder;
    const std::string good = folder.File("good.tbl");
    TableSpec table = RichTable();
    table.outputStyle = OutputStyle::Standard;
    table.intHeaderRows = 1;
    table.strCaption = "Fruit \xCE\xB1";
    ASSERT_TRUE(SaveTable(table, "/o.htm", good));
    const RunResult ok = Cli({"check", good}, folder);
    EXPECT_EQ(ok.code, 0);
    EXPECT_EQ(ok.out,
              "ok: 4 rows, 5 columns\nstyle: standard\nlang: (the user's locale)\n"
              "header rows: 1\nheader columns: 0\ncaption: Fruit \xCE\xB1\n");

    const std::string bad = folder.File("bad.tbl");
    WriteBytes(bad, " 0  0  0 \r\n 21  1 \r\n");
    const RunResult refused = Cli({"check", bad}, folder);
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, "error: line 2: number out of range for intNumRows\n");
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

// Without OUTPUT the stored path is written; --style overrides the stored
// style.
TEST(CliTest, HtmlWritesWhatCreateWrites) {
    TempFolder folder;
    const std::string stored = folder.File("stored.htm"), tbl = folder.File("t.tbl");
    ASSERT_TRUE(SaveTable(RichTable(), stored, tbl));
    TableSpec expected = RichTable();
    expected.outputStyle = OutputStyle::Standard;
    // The page carries the time to the minute: accept the minute before or
    // after the run.
    const std::string before = ExpectedHtml(expected);
    const RunResult run = Cli({"html", "--style", "standard", tbl}, folder);
    const std::string after = ExpectedHtml(expected);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, SuccessText() + "\n");
    const std::string bytes = ReadBytes(stored);
    EXPECT_TRUE(bytes == before || bytes == after);
}

// Every refusal exits 1 with the reason on stderr, prints nothing on stdout
// and leaves the files it names as they were. The stored path is used when it
// names an HTML file; an existing one is replaced with --force, and a given
// OUTPUT is written whatever its name.
TEST(CliTest, HtmlRefusesOrWritesWhereAllowed) {
    // stored: output path in the table file; "@" is the test folder; args: after "html"; "@" as
    // above; text: the start of stderr, or the file written.
    // clang-format off
    struct Case { const char* name; const char* stored; std::vector<std::string> args; int code;
        const char* text; };
    const Case cases[] = {
        {"NoOutputAnywhere", "", {"@/t.tbl"}, 1, "error: no output file given"},
        {"DeviceOutput", "", {"@/t.tbl", "/dev/null"}, 1, "Failure: Nothing written"},
        {"OutputLinksToTheTable", "", {"@/t.tbl", "@/link.htm"}, 1, "error: the output file is"},
        {"StoredPathNotHtml", "@/profile", {"@/t.tbl"}, 1, "error: the output file named in"},
        {"StoredPathExists", "@/old.HTML", {"@/t.tbl"}, 1, "error: @/old.HTML exists; give --force"},
        {"FifoAsTable", "", {"@/fifo.tbl", "@/x.htm"}, 1, "error: @/fifo.tbl: not a regular file"},
        {"StoredUpperCaseName", "@/NEW.HTM", {"@/t.tbl"}, 0, "@/NEW.HTM"},
        {"StoredExistingForced", "@/old.html", {"@/t.tbl", "--force"}, 0, "@/old.html"},
        {"GivenOutputAnyName", "@/profile", {"@/t.tbl", "@/old.txt"}, 0, "@/old.txt"}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string root = folder.Path().string();
        auto at = [&root](std::string text) {
            for (std::size_t i; (i = text.find('@')) != std::string::npos;) {
                text.replace(i, 1, root);
            }
            return text;
        };
        ASSERT_TRUE(SaveTable(RichTable(), at(c.stored), folder.File("t.tbl")));
        for (const char* name : {"old.HTML", "old.html", "old.txt"}) {
            WriteBytes(folder.File(name), "old");
        }
        fs::create_symlink(folder.File("t.tbl"), folder.File("link.htm"));
        ASSERT_EQ(::mkfifo(folder.File("fifo.tbl").c_str(), 0600), 0);
        const std::string table = ReadBytes(folder.File("t.tbl"));

        std::vector<std::string> args = {"html"};
        for (const std::string& arg : c.args) args.push_back(at(arg));
        const RunResult run = Cli(args, folder);
        EXPECT_EQ(run.code, c.code) << run.err;
        if (c.code == 0) {
            EXPECT_EQ(run.out, SuccessText() + "\n");
            EXPECT_EQ(ReadBytes(at(c.text)).rfind("<!DOCTYPE", 0), 0u);
            continue;
        }
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_EQ(run.err.rfind(at(c.text), 0), 0u) << run.err;
        EXPECT_EQ(ReadBytes(folder.File("t.tbl")), table);
        EXPECT_EQ(ReadBytes(folder.File("old.HTML")), "old");
        EXPECT_FALSE(fs::exists(folder.File("profile")));
        EXPECT_FALSE(fs::exists(folder.File("x.htm")));
    }
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

TEST(AuditCliTest, PrintsOneFindingALineAndExitsOneWithSome) {
    TempFolder folder;
    const std::string grey = folder.File("grey.tbl");
    ASSERT_TRUE(SaveTable(testing::GreyTitledTable(), "", grey));
    const RunResult run = Cli({"audit", grey}, folder);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out,
              "contrast\tR1C1 R2C1 R2C2 R2C3 R3C1 R3C2 R3C3 R4C1 R4C2 R4C3\t2.32:1, needs 4.5:1\n"
              "no-headers\tR2C1 R2C2 R2C3\t4 rows and 3 columns with text, no header cells\n"
              "no-caption\tR1C1\tno caption; row 1 is the title\n"
              "title-row\tR1C1\tone cell over all 3 columns\n"
              "classic-style\ttable\tClassic style on a data table: it writes font, center and "
              "bgcolor, which HTML no longer has, and no header cells or caption\n");

    const std::string clean = folder.File("clean.tbl");
    ASSERT_TRUE(SaveTable(testing::StartTable(1, 2), "", clean));
    const RunResult none = Cli({"audit", clean}, folder);
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(none.out, "");
    // A table that does not load and a repair that cannot be written fail.
    WriteBytes(folder.File("plain"), "x");
    for (const auto& args : {std::vector<std::string>{"audit", folder.File("missing.tbl")},
                             {"audit", grey, "--fix", folder.File("plain/fixed.tbl")}}) {
        const RunResult failed = Cli(args, folder);
        EXPECT_EQ(failed.code, 1) << args.back();
        EXPECT_EQ(failed.err.rfind("error: ", 0), 0u) << failed.err;
    }
}

TEST(AuditCliTest, FixWritesTheRepairedTable) {
    TempFolder folder;
    const std::string grey = folder.File("grey.tbl");
    const std::string fixed = folder.File("fixed.tbl");
    ASSERT_TRUE(SaveTable(testing::GreyTitledTable(), "/x/out.htm", grey));
    const RunResult run = Cli({"audit", "--fix", fixed, grey}, folder);
    EXPECT_EQ(run.code, 0) << run.err;  // everything found had a repair
    EXPECT_NE(run.out.find("title-row"), std::string::npos);

    const TableLoadResult loaded = LoadTable(fixed);
    ASSERT_TRUE(loaded.ok) << loaded.reason;
    EXPECT_EQ(loaded.data.strOutputFile, "/x/out.htm");
    // The stored header rows, caption and style keep every repair.
    for (const Finding& f : AuditTable(loaded.data.table)) ADD_FAILURE() << f.figure;
}

}  // namespace
}  // namespace tabloom
