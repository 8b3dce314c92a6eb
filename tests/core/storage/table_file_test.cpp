#include "core/storage/table_file.h"

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

#include "table_builders.h"
#include "temp_folder.h"

namespace tabloom {
namespace {

using testing::RichTable;
using testing::Span;
using testing::StartTable;

std::string Format(const TableSpec& t, const std::string& path) {
    std::string bytes;
    std::string reason;
    EXPECT_TRUE(FormatTable(t, path, bytes, reason)) << reason;
    return bytes;
}

const std::string kEmptyCell12 =
    " 1  1 \r\n 2147483647  2147483647 \r\n 1  1 \r\n 0  0 -1  1 -1  1 \r\n\"\"\r\n\"\"\r\n\r\n";
const std::string kWorkedExample =
    " 0  0  0 \r\n 1  2 \r\n-1  1  4  4  4 \r\n 0  16777215  0  2 \r\n" + kEmptyCell12 +
    " 1  1 \r\n 2147483647  2147483647 \r\n 1  2 \r\n 0  0 -1  1 -1  1 \r\n\"\"\r\n\"\"\r\n\r\n"
    "\r\n";

// Quotes are stored as byte 253 and come back as quotes, and so does y
// acute, which is byte 253. Outside the code page a character reference
// loads as the character; one the user typed gains a zero to stay text.
TEST(TableFileFormatTest, TextIsStoredInWindows1252) {
    TableSpec t = StartTable(1, 1);
    t.At(1, 1).strContent =
        "\"ex\" \xE2\x82\xAC\xC3\xBD \xE4\xB8\xAD &#945; &#0945; &#233; &#x3B1;";
    const std::string bytes = Format(t, "");
    EXPECT_NE(bytes.find("\r\n\"\xFD"
                         "ex\xFD \x80\xFD &#20013; &#0945; &#00945; &#233; &#x3B1;\"\r\n"),
              std::string::npos);
    const TableLoadResult loaded = ParseTable(bytes);
    ASSERT_TRUE(loaded.ok) << loaded.reason;
    EXPECT_EQ(loaded.data.table.At(1, 1).strContent,
              "\"ex\" \xE2\x82\xAC\" \xE4\xB8\xAD &#945; &#0945; &#233; &#x3B1;");
}

// The table rules themselves refuse a save in the save tests.
TEST(TableFileFormatTest, RefusesAPathThatWouldNotLoadAgain) {
    std::string bytes;
    std::string reason;
    EXPECT_FALSE(FormatTable(StartTable(3, 3), "a\r\nb", bytes, reason));
    EXPECT_EQ(reason, "table: control character for txbOutputFile");
}

// Save, load into a table full of other values, save again: the same table
// and the same bytes.
TEST(TableFileRoundTripTest, SaveLoadSaveIsByteIdentical) {
    // clang-format off
    struct Case { const char* name; TableSpec table; std::string path; };
    // clang-format on
    std::vector<Case> cases;
    cases.push_back({"rich", RichTable(), "/home/user/tables/out, final.htm"});
    {
        TableSpec t = StartTable(3, 2);
        t.At(1, 1).strContent = "\xCE\xB1 \xCE\xB2 \xCE\xA9\r\n&#945; &#0945;";
        t.At(1, 2).strFontFace = "\xE5\xAE\x8B\xE4\xBD\x93";
        t.outputStyle = OutputStyle::Standard;
        t.strLang = "el";
        t.intHeaderRows = 3;
        t.intHeaderCols = 1;
        t.strCaption = std::string(1000, 'c') + "\xCE\xA9\"";
        cases.push_back({"extension block and Greek text", t, "/t/\xCE\xB1.htm"});
    }
    {
        TableSpec t = StartTable(20, 20);
        t.At(20, 20).strContent = "R20C20";
        Span(t, 1, 1, 20, 1);
        Span(t, 19, 19, 2, 2);
        t.blnAddPlaceMarkers = true;
        t.At(1, 2).strContent = std::string(2048, 'x');
        t.At(2, 2).lngTextColor = -5;
        t.At(2, 2).intWidth = -32768;
        t.At(2, 2).intHeight = 32767;
        cases.push_back({"full, with extreme values", t, "relative/path.htm"});
    }

    for (const Case& c : cases) {
        const std::string first = Format(c.table, c.path);
        const TableLoadResult loaded = ParseTable(first);
        ASSERT_TRUE(loaded.ok) << c.name << ": " << loaded.reason;
        TableSpec other = RichTable();
        other.intNumRows = 20;
        other.intNumCols = 20;
        const std::string path = ApplyLoadedTable(loaded.data, other);
        EXPECT_TRUE(other.SameSpec(c.table)) << c.name;
        EXPECT_EQ(path, c.path) << c.name;
        EXPECT_EQ(Format(other, path), first) << c.name;
    }
}

TEST(TableFileLoadTest, HandWrittenFileLoadsToTheExpectedModel) {
    const std::string file =
        "1,2,0\n"
        " 2 , 1\n"
        "+50 0 2 3 4\n"
        " 255  65280  3  5 \r\n"
        // cell (1, 1): anchor of a 2 x 1 block
        " 2  1 \r\n 0 -1 \r\n 1  1 \r\n 1  2  40  0 -1  9 \r\n"
        "\"two\r\nlines \xFDq\xFD\" \r\n  \"Verdana\"\r\n3\r\n"
        // cell (2, 1): covered, but keeps its own content
        " 0 0\r\n2147483647,2147483647\r\n1,1\r\n0,0,-1,1,-1,1\r\n\"kept\"\r\n\"\"\r\n\r\n"
        "   /out, file.htm   \r\n";
    const TableLoadResult loaded = ParseTable(file);
    ASSERT_TRUE(loaded.ok) << loaded.reason;

    // Saved again, it is the same table in the form the program writes;
    // state 2, the greyed box, is not checked.
    TableSpec table;
    InitTableState(table);
    const std::string path = ApplyLoadedTable(loaded.data, table);
    EXPECT_EQ(path, "/out, file.htm");
    EXPECT_EQ(Format(table, path),
              " 1  0  0 \r\n 2  1 \r\n 50  0  2  3  4 \r\n 255  65280  3  5 \r\n"
              " 2  1 \r\n 0 -1 \r\n 1  1 \r\n 1  2  40  0 -1  9 \r\n"
              "\"two\r\nlines \xFDq\xFD\"\r\n\"Verdana\"\r\n3\r\n"
              " 0  0 \r\n 2147483647  2147483647 \r\n 1  1 \r\n 0  0 -1  1 -1  1 \r\n"
              "\"kept\"\r\n\"\"\r\n\r\n/out, file.htm\r\n");
}

// The output path is trimmed of blanks; only references to characters the
// writer encodes are decoded ("&#65;" is an A: it stays literal text).
TEST(TableFileLoadTest, OutputPathIsTrimmedAndForeignReferencesDecoded) {
    std::string bytes = kWorkedExample;
    bytes.replace(bytes.size() - 2, 0, "  /x&#20013;&#65;&#0;&#;&#020013;.htm   ");
    const TableLoadResult loaded = ParseTable(bytes);
    ASSERT_TRUE(loaded.ok) << loaded.reason;
    EXPECT_EQ(loaded.data.strOutputFile, "/x\xE4\xB8\xAD&#65;&#0;&#;&#20013;.htm");
}

// Settings at their defaults write no block: the bytes are the worked
// example; each other setting writes its own line, in a fixed order.
TEST(TableFileFormatTest, ExtensionBlockHoldsTheSettingsThatDiffer) {
    // clang-format off
    struct Case { const char* name; void (*change)(TableSpec&); const char* block; };
    // clang-format on
    const Case cases[] = {
        {"defaults", [](TableSpec&) {}, ""},
        {"all",
         [](TableSpec& t) {
             t.outputStyle = OutputStyle::Standard;
             t.strLang = "de-CH";
             t.intHeaderRows = 1;
             t.intHeaderCols = 2;
             t.strCaption = "Fruit \"stall\" \xCE\xB1 &#945;";
         },
         "[tabloom]\r\nstyle \"standard\"\r\nlang \"de-CH\"\r\nheader-rows 1\r\n"
         "header-columns 2\r\ncaption \"Fruit \xFDstall\xFD &#945; &#0945;\"\r\n"},
    };
    for (const Case& c : cases) {
        TableSpec t = StartTable(1, 2);
        c.change(t);
        const std::string bytes = Format(t, "");
        ASSERT_EQ(bytes.substr(0, kWorkedExample.size()), kWorkedExample) << c.name;
        EXPECT_EQ(bytes.substr(kWorkedExample.size()), c.block) << c.name;
        const TableLoadResult loaded = ParseTable(bytes);
        ASSERT_TRUE(loaded.ok) << c.name << ": " << loaded.reason;
        EXPECT_TRUE(loaded.data.table.SameSpec(t)) << c.name;
    }
}

// A newer version's settings and anything after the path that is no block
// are passed over.
TEST(TableFileLoadTest, UnknownSettingsAreIgnored) {
    const char* tails[] = {
        "[tabloom]\r\ncolour-scheme \"dark\r\nstill the value\"\r\nheader-rows 1\r\n\r\n"
        "future\r\n",
        "[tabloom]\nheader-rows 1\n",
    };
    for (const char* tail : tails) {
        const TableLoadResult loaded = ParseTable(kWorkedExample + tail);
        ASSERT_TRUE(loaded.ok) << loaded.reason;
        EXPECT_EQ(loaded.data.table.intHeaderRows, 1) << tail;
    }
    const TableLoadResult other = ParseTable(kWorkedExample + "notes\r\nheader-rows 1\r\n");
    ASSERT_TRUE(other.ok) << other.reason;
    EXPECT_EQ(other.data.table.intHeaderRows, 0);
}

TEST(TableFileLoadTest, CellsOutsideTheLoadedDimensionsAreReset) {
    TableSpec t = RichTable();
    t.intNumRows = 20;
    t.intNumCols = 20;
    t.At(5, 5).strContent = "outside";
    t.At(1, 6).strContent = "outside too";
    ApplyLoadedTable(ParseTable(kWorkedExample).data, t);
    EXPECT_EQ(t.At(5, 5).strContent + t.At(1, 6).strContent + t.At(2, 1).strContent, "");
    EXPECT_EQ(t.intNumRows * 100 + t.intNumCols, 102);
}

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
        {{{1, " 0  3  0 "}}, "line 1: number out of range for chkCenterTable4"},
        // The limits of a 16-bit field, then past 32 bits and past 64.
        {{{3, " 40000  1  4  4  4 "}}, "line 3: number out of range for intTableWidth"},
        {{{4, " 2147483648  16777215  0  2 "}}, "line 4: number out of range for lngTableTextColor"},
        {{{4, " 0  99999999999999999999999999  0  2 "}},
         "line 4: number out of range for lngTableBgColor"},
        {{{3, "-1  1  4x  4  4 "}}, "line 3: not a number for intBorder"},
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
    }
    EXPECT_EQ(ParseTable("").reason, "line 1: end of file for chkAddHTMLWrapper4");
    EXPECT_TRUE(ParseTable(std::string_view(bytes).substr(0, bytes.size() - 1)).ok);
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
