#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_run.h"
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

// The HTML that Create writes for table now, for comparison.
std::string ExpectedHtml(const TableSpec& table) { return RenderTableHtml(table, SystemClock()); }

// Each line: the exit code and the start of standard output or, when that
// is empty, a part of standard error.
TEST(CliTest, VersionHelpAndWrongCommandLines) {
    TempFolder folder;
    const struct {
        std::vector<std::string> args;
        int code;
        const char* text;
    } lines[] = {{{"--version"}, 0, "tabloom-cli 12.00\n"},
                 {{"--help"}, 0, "usage: tabloom-cli html [--force]"},
                 {{}, 2, "usage:"},
                 {{"frobnicate"}, 2, "usage:"},
                 {{"check"}, 2, "usage:"},
                 {{"html", "--force", "a.tbl", "b.htm", "--force"}, 2, "usage:"},
                 {{"html", "--style", "fancy", "a.tbl"}, 2, "usage:"},
                 {{"html", "a.tbl", "--style"}, 2, "usage:"},
                 {{"html", "--style", "classic", "--style", "standard", "a.tbl"}, 2, "usage:"},
                 {{"resave", "a.tbl"}, 2, "usage:"}};
    for (const auto& line : lines) {
        const RunResult run = Cli(line.args, folder);
        EXPECT_EQ(run.code, line.code) << (line.args.empty() ? "(none)" : line.args[0]);
        EXPECT_EQ(run.code == 0 ? run.err : run.out, "");
        EXPECT_NE((run.code == 0 ? run.out : run.err).find(line.text), std::string::npos);
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
    EXPECT_TRUE(refused.out.empty());
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

TEST(CliTest, HtmlWritesWhatCreateWrites) {
    TempFolder folder;
    const TableSpec table = RichTable();
    const std::string stored = folder.File("stored.htm");
    const std::string tbl = folder.File("t.tbl");
    ASSERT_TRUE(SaveTable(table, stored, tbl));

    struct Case {
        std::vector<std::string> args;
        std::string written;
        OutputStyle style;
    };
    for (const Case& c :
         {Case{
              {"html", tbl, folder.File("given.htm")}, folder.File("given.htm"), table.outputStyle},
          Case{{"html", tbl}, stored, table.outputStyle},
          Case{{"html", "--style", "standard", tbl, folder.File("s.htm")},
               folder.File("s.htm"),
               OutputStyle::Standard}}) {
        TableSpec expected = table;
        expected.outputStyle = c.style;
        // The page carries the time to the minute: accept the minute before
        // or after the run.
        const std::string before = ExpectedHtml(expected);
        const RunResult run = Cli(c.args, folder);
        const std::string after = ExpectedHtml(expected);
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.out, SuccessText() + "\n");
        const std::string bytes = ReadBytes(c.written);
        EXPECT_TRUE(bytes == before || bytes == after) << c.written;
    }
}

// Every refusal exits 1 with the reason on stderr, prints nothing on stdout
// and leaves the files it names as they were. The stored path is used when it
// names an HTML file; an existing one is replaced with --force, and a given
// OUTPUT is written whatever its name.
TEST(CliTest, HtmlRefusesOrWritesWhereAllowed) {
    struct Case {
        const char* name;
        const char* stored;             // output path in the table file; "@" is the test folder
        std::vector<std::string> args;  // after "html"; "@" as above
        int code;
        const char* text;  // the start of stderr, or the file written
    };
    // clang-format off
    const Case cases[] = {
        {"NoOutputAnywhere", "", {"@/t.tbl"}, 1, "error: no output file given"},
        {"FolderMissing", "", {"@/t.tbl", "@/t.tbl/x.htm"}, 1, "Failure: Nothing written"},
        {"DeviceOutput", "", {"@/t.tbl", "/dev/null"}, 1, "Failure: Nothing written"},
        {"OutputIsTheTableSpeltOtherwise", "", {"@/t.tbl", "@/sub/../t.tbl"}, 1, "error: the output file is the table"},
        {"OutputLinksToTheTable", "", {"@/t.tbl", "@/link.htm"}, 1, "error: the output file is"},
        {"StoredPathIsTheTable", "@/self.htm", {"--force", "@/self.htm"}, 1, "error: the output"},
        {"StoredPathNotHtml", "@/profile", {"@/t.tbl"}, 1, "error: the output file named in"},
        {"StoredPathHtmInFolderName", "@/x.htm/rc", {"@/t.tbl"}, 1, "error: the output file"},
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
        fs::create_directory(folder.Path() / "sub");
        ASSERT_TRUE(SaveTable(RichTable(), at(c.stored), folder.File("t.tbl")));
        ASSERT_TRUE(SaveTable(RichTable(), at(c.stored), folder.File("self.htm")));
        for (const char* name : {"old.HTML", "old.html", "old.txt"}) {
            WriteBytes(folder.File(name), "old");
        }
        fs::create_symlink(folder.File("t.tbl"), folder.File("link.htm"));
        ASSERT_EQ(::mkfifo(folder.File("fifo.tbl").c_str(), 0600), 0);
        const std::string table = ReadBytes(folder.File("t.tbl"));
        const std::string self = ReadBytes(folder.File("self.htm"));

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
        EXPECT_EQ(ReadBytes(folder.File("self.htm")), self);
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
