#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <utility>
#include <vector>

#include "core/storage/table_file.h"
#include "table_builders.h"
#include "temp_folder.h"

namespace tabloom {
namespace {

using testing::RichTable;
using testing::SameWholeGrid;
using testing::TempFolder;

// A 3 x 3 table whose (1, 1) spans two columns, so (1, 2) is covered. Each
// content fits on one line: cell k (row-major, from 0) has its spans on line
// 5 + 7k, owner on 7 + 7k, alignments on 8 + 7k, font size on 11 + 7k.
std::string BaseFile() {
    TableSpec t;
    InitTableState(t);
    t.intNumRows = 3;
    t.intNumCols = 3;
    testing::Span(t, 1, 1, 1, 2);
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 3; ++c) {
            t.At(r, c).strContent = "cell " + std::to_string(r) + std::to_string(c);
        }
    }
    std::string bytes;
    std::string reason;
    EXPECT_TRUE(FormatTable(t, "/out.htm", bytes, reason)) << reason;
    return bytes;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

struct Refusal {
    std::vector<std::pair<int, std::string>> lines;  // line number, new text
    const char* reason;
};

const std::vector<Refusal>& Refusals() {
    // clang-format off
    static const std::vector<Refusal> cases = {
        {{{2, " 21  3 "}}, "line 2: number out of range for intNumRows"},
        {{{2, " 3  0 "}}, "line 2: number out of range for intNumCols"},
        {{{1, " 0  3  0 "}}, "line 1: number out of range for chkCenterTable4"},
        // The limits of a 16-bit field, then past 32 bits and past 64.
        {{{3, " 40000  1  4  4  4 "}}, "line 3: number out of range for intTableWidth"},
        {{{3, "-1  1 -32769  4  4 "}}, "line 3: number out of range for intBorder"},
        {{{4, " 2147483648  16777215  0  2 "}}, "line 4: number out of range for lngTableTextColor"},
        {{{4, " 0  99999999999999999999999999  0  2 "}},
         "line 4: number out of range for lngTableBgColor"},
        {{{3, "-1  1  4x  4  4 "}}, "line 3: not a number for intBorder"},
        {{{1, " 0 ,, 0 "}}, "line 1: not a number for chkCenterTable4"},
        {{{8, " 4  0 -1  1 -1  1 "}}, "line 8: number out of range for intAlign"},
        // Two blocks over one position.
        {{{5, " 1  1 "}, {12, " 2  1 "}, {14, " 1  2 "}, {26, " 1  2 "}, {33, " 0  0 "}, {35, " 1  2 "}},
         "line 26: span overlaps the cell at row 2, column 2 for intRowSpan"},
        {{{61, " 0  0 "}}, "line 61: covered by no span for intRowSpan"},
        {{{61, " 2  1 "}}, "line 61: span leaves the table for intRowSpan"},
        {{{67, "\"1,2\""}}, "line 67: text not storable for strFontSize"},
        {{{66, "\"Arial"}}, "line 66: no closing quote for strFontFace"},
        // A NUL would cut the path or font short wherever the text is used.
        {{{68, std::string("/home/x/.profile\0.htm", 22)}}, "line 68: control character for txbOutputFile"},
        {{{25, std::string("3\0", 2)}}, "line 25: control character for strFontSize"},
        {{{68, "<drop>"}}, "line 68: end of file for txbOutputFile"},
        {{{69, "[tabloom]"}, {70, "header-rows 4"}}, "line 70: value out of range for header-rows"},
        {{{69, "[tabloom]"}, {70, "lang \"de\""}, {71, "header-columns 1x"}}, "line 71: value out of range for header-columns"},
        {{{69, "[tabloom]"}, {70, "style \"fancy\""}}, "line 70: value out of range for style"},
        {{{69, "[tabloom]"}, {70, "lang \"de_DE\""}}, "line 70: value out of range for lang"},
        {{{69, "[tabloom]"}, {70, "caption \"Prices"}}, "line 70: value out of range for caption"},
        {{{69, "[tabloom]"}, {70, "caption \"" + std::string(1025, 'c') + "\""}},
         "line 70: value out of range for caption"}};
    // clang-format on
    return cases;
}

std::string Crafted(const Refusal& refusal) {
    std::vector<std::string> lines = SplitLines(BaseFile());
    for (const auto& [line, text] : refusal.lines) {
        if (text == "<drop>") {
            lines.resize(static_cast<std::size_t>(line - 1));
        } else {
            if (static_cast<std::size_t>(line) > lines.size()) lines.resize(line);
            lines.at(static_cast<std::size_t>(line - 1)) = text;
        }
    }
    return JoinLines(lines);
}

TEST(TableFileRefusalTest, EachRuleRefusesAndLeavesTheTableAsItWas) {
    ASSERT_EQ(SplitLines(BaseFile()).size(), 68u);
    ASSERT_TRUE(ParseTable(BaseFile()).ok);
    TempFolder folder;
    for (const Refusal& refusal : Refusals()) {
        SCOPED_TRACE(refusal.reason);
        const std::string file = folder.File("crafted.tbl");
        testing::WriteBytes(file, Crafted(refusal));

        TableSpec table = RichTable();
        const TableSpec before = table;
        std::string path = "/previous/out.htm";
        std::string reason;
        EXPECT_FALSE(LoadTableInto(file, table, path, reason));
        EXPECT_EQ(reason, refusal.reason);
        EXPECT_TRUE(table.SameSpec(before));
        EXPECT_TRUE(SameWholeGrid(table, before));
        EXPECT_EQ(path, "/previous/out.htm");

        const TableLoadResult parsed = ParseTable(Crafted(refusal));
        EXPECT_FALSE(parsed.ok);
        EXPECT_TRUE(parsed.data.table.SameSpec(TableSpec{}));
    }
}

TEST(TableFileRefusalTest, EveryTruncationFails) {
    TableSpec t = RichTable();
    std::string bytes;
    std::string reason;
    ASSERT_TRUE(FormatTable(t, "/out.htm", bytes, reason)) << reason;
    // Cutting the last byte leaves CR, which still ends the last line.
    for (std::size_t n = 0; n + 1 < bytes.size(); ++n) {
        const TableLoadResult loaded = ParseTable(std::string_view(bytes).substr(0, n));
        EXPECT_FALSE(loaded.ok) << "cut at " << n;
        EXPECT_EQ(loaded.reason.rfind("line ", 0), 0u) << "cut at " << n;
    }
    EXPECT_EQ(ParseTable("").reason, "line 1: end of file for chkAddHTMLWrapper4");
    EXPECT_TRUE(ParseTable(std::string_view(bytes).substr(0, bytes.size() - 1)).ok);
    EXPECT_TRUE(ParseTable(bytes).ok);
}

// Anything but a regular file is refused at once; a FIFO would block the
// open until a writer came.
TEST(TableFileRefusalTest, OnlyRegularFilesAreRead) {
    TempFolder folder;
    const std::string fifo = folder.File("fifo.tbl");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(folder.Path() / "folder.tbl");
    for (const std::string& file : {fifo, folder.File("folder.tbl"), std::string("/dev/null")}) {
        SCOPED_TRACE(file);
        auto load = std::async(std::launch::async, [&file] { return LoadTable(file); });
        if (load.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
            // Opening the other end frees the blocked reader.
            const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            load.wait();
            if (writer >= 0) ::close(writer);
            ADD_FAILURE() << "blocked";
            continue;
        }
        const TableLoadResult loaded = load.get();
        EXPECT_FALSE(loaded.ok);
        EXPECT_EQ(loaded.reason, file + ": not a regular file");
    }
}

}  // namespace
}  // namespace tabloom
