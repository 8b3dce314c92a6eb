#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

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

class BudgetStream : public std::ostream {
  public:
    BudgetStream(const std::string& path, std::size_t budget)
        : std::ostream(nullptr), buffer_(path, budget) {
        rdbuf(&buffer_);
    }

  private:
    BudgetBuffer buffer_;
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

struct OpenFailureCase {
    const char* name;
    HtmlStreamOpener opener;
};

class OpenFailureTest : public WriteTableHtmlFailureTest,
                        public ::testing::WithParamInterface<OpenFailureCase> {};

// A failed open writes nothing, and an older file that cannot be replaced
// stays as it was with the failed open reported.
TEST_P(OpenFailureTest, ReportsStageTwoAndKeepsTheOlderFile) {
    const std::string path = folder_.File("out.htm");
    ExpectResult(WriteTableHtml(FullTable(), path, kClock, kSuccess, GetParam().opener), 2,
                 kNothing);
    WriteBytes(path, kOldContent);
    ExpectResult(WriteTableHtml(FullTable(), path, kClock, kSuccess, GetParam().opener), 2,
                 "Failure: Error #2");
    EXPECT_EQ(ReadBytes(path), kOldContent);
}

INSTANTIATE_TEST_SUITE_P(
    Openers, OpenFailureTest,
    ::testing::Values(OpenFailureCase{"NullStream",
                                      [](const std::string&) -> std::unique_ptr<std::ostream> {
                                          return nullptr;
                                      }},
                      OpenFailureCase{"FailedStream",
                                      [](const std::string&) -> std::unique_ptr<std::ostream> {
                                          auto stream = std::make_unique<std::ofstream>();
                                          stream->setstate(std::ios::failbit);
                                          return stream;
                                      }},
                      OpenFailureCase{"Throws",
                                      [](const std::string&) -> std::unique_ptr<std::ostream> {
                                          throw std::runtime_error("locked");
                                      }},
                      OpenFailureCase{"NoOpener", HtmlStreamOpener{}}),
    [](const auto& info) { return info.param.name; });

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
        {1, 3, "Failure: Error #3"},
        {headSize - 1, 3, "Failure: Error #3"},
        {headSize, 4, "Failure: Error #4"},
        {full.size() / 2, 4, "Failure: Error #4"},
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

// A table the rules refuse stops the run before the file is touched.
TEST_F(WriteTableHtmlFailureTest, OutOfRangeIndexesStopBeforeOpening) {
    struct Case {
        const char* name;
        void (*spoil)(TableSpec&);
    };
    const Case cases[] = {
        {"border colour", [](TableSpec& t) { t.intBorderColorIndex = 7; }},
        {"covered valign", [](TableSpec& t) { t.At(3, 4).intVAlign = 99; }},
        {"span past the edge", [](TableSpec& t) { t.At(20, 1).intRowSpan = 2; }},
        {"NUL in a font face", [](TableSpec& t) { t.At(2, 2).strFontFace.push_back('\0'); }},
        {"no rows", [](TableSpec& t) { t.intNumRows = 0; }},
    };
    const std::string path = folder_.File("out.htm");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TableSpec table = FullTable();
        c.spoil(table);
        std::filesystem::remove(path);
        ExpectResult(WriteTableHtml(table, path, kClock, kSuccess), 1, kNothing);
        EXPECT_FALSE(std::filesystem::exists(path));
        WriteBytes(path, kOldContent);
        ExpectResult(WriteTableHtml(table, path, kClock, kSuccess), 1, "Failure: Error #1");
        EXPECT_EQ(ReadBytes(path), kOldContent);
    }
}

}  // namespace
}  // namespace tabloom
