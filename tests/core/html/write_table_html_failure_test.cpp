#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

#include "core/html/output_path_check.h"
#include "core/html/write_table_html.h"
#include "core/model/clock.h"
#include "core/model/table_spec.h"
#include "table_builders.h"
#include "temp_folder.h"

namespace tabloom {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const FixedClock kClock(LocalDateTime{2026, 12, 5, 14, 5, 0});
const std::string kSuccess = "Done.";
const std::string kNothing = "Failure: Nothing written";
const std::string kOldContent = "older output\r\n";

// A file buffer that accepts only a fixed number of bytes, then refuses
// like a full disk.
class BudgetBuffer : public std::streambuf {
  public:
    BudgetBuffer(const std::string& path, std::size_t budget) : left_(budget) {
        file_.open(path, std::ios::out | std::ios::binary | std::ios::trunc);
    }

  protected:
    int_type overflow(int_type ch) override {
        if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
        if (left_ == 0) return traits_type::eof();
        --left_;
        return file_.sputc(traits_type::to_char_type(ch));
    }
    int sync() override { return file_.pubsync(); }

  private:
    std::filebuf file_;
    std::size_t left_;
};

// The buffer is a base so that it is built before the stream that uses it.
struct BudgetStream : private BudgetBuffer, public std::ostream {
    BudgetStream(const std::string& path, std::size_t budget)
        : BudgetBuffer(path, budget), std::ostream(this) {}
};

HtmlStreamOpener BudgetOpener(std::size_t budget) {
    return [budget](const std::string& path) -> std::unique_ptr<std::ostream> {
        return std::make_unique<BudgetStream>(path, budget);
    };
}

TableSpec FullTable() {
    TableSpec table = testing::StartTable(20, 20);
    table.blnAddHTMLWrapper = true;
    for (int r = 1; r <= 20; ++r) {
        for (int c = 1; c <= 20; ++c) table.At(r, c).strContent = "cell\r\n text";
    }
    return table;
}

void ExpectResult(const HtmlResult& result, int stage, const std::string& text) {
    EXPECT_EQ(result.stage, stage);
    EXPECT_EQ(result.strResult, text);
    EXPECT_FALSE(result.blnOutputWritten);
}

class WriteTableHtmlFailureTest : public ::testing::Test {
  protected:
    // The bytes a run without failure writes for the table.
    std::string Reference(const TableSpec& table) {
        const std::string path = folder_.File("reference.htm");
        EXPECT_TRUE(WriteTableHtml(table, path, kClock, kSuccess).blnOutputWritten);
        return ReadBytes(path);
    }

    TempFolder folder_;
};

// Paths that cannot be opened as the output: nothing is written and what
// is there stays. A NUL would cut the path short and write another file.
TEST_F(WriteTableHtmlFailureTest, UnusablePathsWriteNothing) {
    WriteBytes(folder_.File("plain"), kOldContent);
    std::filesystem::create_directory(folder_.File("dir.htm"));
    WriteBytes(folder_.File("dir.htm/inner.txt"), kOldContent);
    for (const std::string& path :
         {folder_.File("missing/out.htm"), folder_.File("plain/out.htm"), folder_.File("dir.htm"),
          std::string(), folder_.File("cut") + std::string(1, '\0') + ".htm"}) {
        SCOPED_TRACE(path);
        ExpectResult(WriteTableHtml(FullTable(), path, kClock, kSuccess), 2, kNothing);
    }
    EXPECT_EQ(ReadBytes(folder_.File("plain")), kOldContent);
    EXPECT_EQ(ReadBytes(folder_.File("dir.htm/inner.txt")), kOldContent);
    EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"dir.htm", "plain"}));
}

TEST_F(WriteTableHtmlFailureTest, FullDeviceWritesNothing) {
    ASSERT_TRUE(std::filesystem::exists("/dev/full"));
    const HtmlResult result = WriteTableHtml(FullTable(), "/dev/full", kClock, kSuccess);
    // The head is pushed out before the rows, so the device refuses it there.
    ExpectResult(result, 3, kNothing);
}

// Budgets around the boundaries: inside the head, exactly the head, inside
// the rows, one byte short and exactly enough.
TEST_F(WriteTableHtmlFailureTest, WriteFailureLeavesThePartialFile) {
    const TableSpec table = FullTable();
    const std::string full = Reference(table);
    const std::size_t headSize = full.find("<tr>");
    ASSERT_NE(headSize, std::string::npos);

    struct Case {
        std::size_t budget;
        int stage;
        std::string text;
    };
    const Case cases[] = {
        {0, 3, kNothing},
        {headSize - 1, 3, "Failure: Error #3"},
        {headSize, 4, "Failure: Error #4"},
        {full.size() - 1, 4, "Failure: Error #4"},
    };
    const std::string path = folder_.File("out.htm");
    for (const Case& c : cases) {
        SCOPED_TRACE("budget " + std::to_string(c.budget));
        ExpectResult(WriteTableHtml(table, path, kClock, kSuccess, BudgetOpener(c.budget)), c.stage,
                     c.text);
        EXPECT_EQ(ReadBytes(path), full.substr(0, c.budget));
    }

    const HtmlResult enough =
        WriteTableHtml(table, path, kClock, kSuccess, BudgetOpener(full.size()));
    EXPECT_EQ(enough.stage, 0);
    EXPECT_EQ(enough.strResult, kSuccess);
    EXPECT_TRUE(enough.blnOutputWritten);
    EXPECT_EQ(ReadBytes(path), full);
}

// A run that fails before writing leaves no file, and an older file stays as
// it was with the stage reported: a table the rules refuse stops before the
// file is opened, then come the ways an open fails.
TEST_F(WriteTableHtmlFailureTest, EarlyFailuresKeepTheOlderFile) {
    using Stream = std::unique_ptr<std::ostream>;
    struct Case {
        int stage;
        void (*spoil)(TableSpec&);
        HtmlStreamOpener open;
    };
    const auto none = [](TableSpec&) {};
    const Case cases[] = {
        {1, [](TableSpec& t) { t.intBorderColorIndex = 7; }, OpenHtmlFileStream},
        {1, [](TableSpec& t) { t.At(2, 2).strFontFace.push_back('\0'); }, OpenHtmlFileStream},
        {1, [](TableSpec& t) { t.intNumRows = 0; }, OpenHtmlFileStream},
        {2, none,
         [](const std::string&) -> Stream {
             auto stream = std::make_unique<std::ofstream>();
             stream->setstate(std::ios::failbit);
             return stream;
         }},
        {2, none, [](const std::string&) -> Stream { throw std::runtime_error("locked"); }},
        {2, none, HtmlStreamOpener{}},
    };
    const std::string path = folder_.File("out.htm");
    for (const Case& c : cases) {
        TableSpec table = FullTable();
        c.spoil(table);
        std::filesystem::remove(path);
        ExpectResult(WriteTableHtml(table, path, kClock, kSuccess, c.open), c.stage, kNothing);
        EXPECT_FALSE(std::filesystem::exists(path));
        WriteBytes(path, kOldContent);
        ExpectResult(WriteTableHtml(table, path, kClock, kSuccess, c.open), c.stage,
                     "Failure: Error #" + std::to_string(c.stage));
        EXPECT_EQ(ReadBytes(path), kOldContent);
    }
}

TEST(OutputPathCheckTest, RefusesControlCharactersAndNamesThem) {
    struct Case {
        std::string path;
        const char* shown;  // nullptr: accepted
    };
    const Case cases[] = {
        {"/home/ann/Tabellen äöü €/Übersicht.htm", nullptr},
        {"/tmp/a\tb/x.htm", "/tmp/a[tab]b/x.htm"},
        {"/tmp/x\n.htm", "/tmp/x[line break].htm"},
        {"/tmp/x\r.htm", "/tmp/x[line break].htm"},
        {std::string("/tmp/\0x.htm", 11), "/tmp/[control character 0]x.htm"},
        {"/tmp/\x1fx.htm", "/tmp/[control character 31]x.htm"},
    };
    for (const Case& c : cases) {
        const std::string message = OutputPathRefusal(c.path);
        if (c.shown == nullptr) {
            EXPECT_EQ(message, "") << c.path;
        } else {
            EXPECT_NE(message.find("control character, which a saved table cannot keep"),
                      std::string::npos)
                << message;
            EXPECT_NE(message.find(std::string("\n\n") + c.shown + "\n\n"), std::string::npos)
                << message;
        }
    }
}

}  // namespace
}  // namespace tabloom
