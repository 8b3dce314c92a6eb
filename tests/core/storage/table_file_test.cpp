#include "core/storage/table_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table_builders.h"
#include "temp_folder.h"

namespace tabloom {
namespace {

using testing::RichTable;
using testing::SameWholeGrid;
using testing::Span;
using testing::StartTable;
using testing::TempFolder;

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

TEST(TableFileFormatTest, WritesTheWorkedExampleByteForByte) {
    EXPECT_EQ(Format(StartTable(1, 2), ""), kWorkedExample);
}

// Quotes are stored as byte 253 and come back as quotes.
TEST(TableFileFormatTest, TextIsStoredInWindows1252) {
    struct Case {
        const char* utf8;
        const char* stored;    // bytes of the content field
        const char* reloaded;  // content after loading
    };
    const Case cases[] = {
        {"Price\r\n10 \"ex\"",
         "\"Price\r\n10 \xFD"
         "ex\xFD\"",
         "Price\r\n10 \"ex\""},
        {"caf\xC3\xA9", "\"caf\xE9\"", "caf\xC3\xA9"},
        {"\xE2\x82\xAC", "\"\x80\"", "\xE2\x82\xAC"},
        // y acute is byte 253 and so reads back as a double quote.
        {"\xC3\xBD", "\"\xFD\"", "\""},
        // Outside the code page: a character reference that loads as the
        // character; one the user typed gains a zero so that it stays text.
        {"\xE4\xB8\xAD", "\"&#20013;\"", "\xE4\xB8\xAD"},
        {"\xCE\xB1 \xCE\xB2 \xCE\xA9", "\"&#945; &#946; &#937;\"", "\xCE\xB1 \xCE\xB2 \xCE\xA9"},
        {"&#945; &#0945; &#233; &#x3B1;", "\"&#0945; &#00945; &#233; &#x3B1;\"",
         "&#945; &#0945; &#233; &#x3B1;"},
    };
    for (const Case& c : cases) {
        TableSpec t = StartTable(1, 1);
        t.At(1, 1).strContent = c.utf8;
        const std::string bytes = Format(t, "");
        EXPECT_NE(bytes.find(std::string("\r\n") + c.stored + "\r\n"), std::string::npos) << c.utf8;
        const TableLoadResult loaded = ParseTable(bytes);
        ASSERT_TRUE(loaded.ok) << loaded.reason;
        EXPECT_EQ(loaded.data.table.At(1, 1).strContent, c.reloaded);
    }
}

TEST(TableFileFormatTest, RefusesTablesThatWouldNotLoadAgain) {
    struct Case {
        const char* name;
        void (*change)(TableSpec&);
        std::string path;
        const char* reason;
    };
    const Case cases[] = {
        {"rows", [](TableSpec& t) { t.intNumRows = 21; }, "",
         "table: number out of range for intNumRows"},
        {"path", [](TableSpec&) {}, "a\r\nb", "table: control character for txbOutputFile"},
        {"font size", [](TableSpec& t) { t.At(2, 2).strFontSize = "1,2"; }, "",
         "row 2, column 2: text not storable for strFontSize"},
    };
    for (const Case& c : cases) {
        TableSpec t = StartTable(3, 3);
        c.change(t);
        std::string bytes = "untouched";
        std::string reason;
        EXPECT_FALSE(FormatTable(t, c.path, bytes, reason)) << c.name;
        EXPECT_EQ(reason, c.reason) << c.name;
    }
}

// Save, load into a table full of other values, save again: the same table
// and the same bytes.
TEST(TableFileRoundTripTest, SaveLoadSaveIsByteIdentical) {
    struct Case {
        const char* name;
        TableSpec table;
        std::string path;
    };
    std::vector<Case> cases;
    cases.push_back({"rich", RichTable(), "/home/user/tables/out, final.htm"});
    cases.push_back({"start", StartTable(6, 6), ""});
    cases.push_back(
        {"path outside the code page", StartTable(1, 1), "/home/user/\xE4\xB8\xAD/x.htm"});
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
        for (int r = 1; r <= 20; ++r) {
            for (int c = 1; c <= 20; ++c) {
                t.At(r, c).strContent = "R" + std::to_string(r) + "C" + std::to_string(c);
                t.At(r, c).strFontSize = std::to_string(c % 7);
            }
        }
        Span(t, 1, 1, 20, 1);
        Span(t, 19, 19, 2, 2);
        Span(t, 5, 5, 3, 10);
        t.blnAddPlaceMarkers = true;
        cases.push_back({"full", t, "/o.htm"});
    }
    {
        TableSpec t = StartTable(2, 2);
        t.At(1, 1).strContent = std::string(2048, 'x');
        t.At(2, 2).lngTextColor = -5;
        t.At(2, 2).intWidth = -32768;
        t.At(2, 2).intHeight = 32767;
        cases.push_back({"extremes", t, "relative/path.htm"});
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

TEST(TableFileRoundTripTest, ThroughFilesOnDisk) {
    TempFolder folder;
    const std::string file = folder.File("table.tbl");
    const TableSpec rich = RichTable();
    ASSERT_TRUE(SaveTable(rich, "/out/t.htm", file));

    TableSpec loaded;
    InitTableState(loaded);
    std::string path;
    std::string reason;
    ASSERT_TRUE(LoadTableInto(file, loaded, path, reason)) << reason;
    EXPECT_TRUE(loaded.SameSpec(rich));
    EXPECT_EQ(path, "/out/t.htm");

    ASSERT_TRUE(SaveTable(loaded, path, folder.File("again.tbl")));
    EXPECT_EQ(testing::ReadBytes(folder.File("again.tbl")), testing::ReadBytes(file));
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

    TableSpec expected;
    InitTableState(expected);
    expected.intNumRows = 2;
    expected.intNumCols = 1;
    expected.blnAddHTMLWrapper = true;
    expected.blnCenterTable = false;  // state 2, the greyed box, is not checked
    expected.intTableWidth = 50;
    expected.intTableWidthUnit = 0;
    expected.intBorder = 2;
    expected.intCellPadding = 3;
    expected.intCellSpacing = 4;
    expected.lngTableTextColor = 255;
    expected.lngTableBgColor = 65280;
    expected.intBorderColorIndex = 3;
    expected.intBorderStyleIndex = 5;
    Span(expected, 1, 1, 2, 1);
    CellSpec& a = expected.At(1, 1);
    a.lngTextColor = 0;
    a.lngBgColor = -1;
    a.intAlign = 1;
    a.intVAlign = 2;
    a.intWidth = 40;
    a.intWidthUnit = 0;
    a.intHeightUnit = 9;
    a.strContent = "two\r\nlines \"q\"";
    a.strFontFace = "Verdana";
    a.strFontSize = "3";
    expected.At(2, 1).strContent = "kept";

    TableSpec table;
    InitTableState(table);
    EXPECT_EQ(ApplyLoadedTable(loaded.data, table), "/out, file.htm");
    EXPECT_TRUE(table.SameSpec(expected));
    EXPECT_TRUE(SameWholeGrid(table, expected));
}

TEST(TableFileLoadTest, OnlyState1CountsAsChecked) {
    for (const auto& [state, checked] : {std::pair{'0', false}, {'1', true}, {'2', false}}) {
        std::string bytes = kWorkedExample;
        bytes[1] = bytes[4] = bytes[7] = state;
        const TableLoadResult loaded = ParseTable(bytes);
        ASSERT_TRUE(loaded.ok) << loaded.reason;
        TableSpec t;
        InitTableState(t);
        t.blnAddHTMLWrapper = t.blnCenterTable = t.blnAddPlaceMarkers = !checked;
        ApplyLoadedTable(loaded.data, t);
        EXPECT_EQ(t.blnAddHTMLWrapper, checked) << state;
        EXPECT_EQ(t.blnCenterTable, checked) << state;
        EXPECT_EQ(t.blnAddPlaceMarkers, checked) << state;
    }
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

// Settings at their defaults write no block (the worked example above);
// each other setting writes its own line, in a fixed order.
TEST(TableFileFormatTest, ExtensionBlockHoldsTheSettingsThatDiffer) {
    struct Case {
        const char* name;
        void (*change)(TableSpec&);
        const char* block;
    };
    const Case cases[] = {
        {"defaults", [](TableSpec&) {}, ""},
        {"style", [](TableSpec& t) { t.outputStyle = OutputStyle::Standard; },
         "[tabloom]\r\nstyle \"standard\"\r\n"},
        {"header rows", [](TableSpec& t) { t.intHeaderRows = 1; },
         "[tabloom]\r\nheader-rows 1\r\n"},
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
    EXPECT_TRUE(t.At(5, 5).strContent.empty());
    EXPECT_TRUE(t.At(1, 6).strContent.empty());
    EXPECT_TRUE(t.At(2, 1).strContent.empty());
    EXPECT_EQ(t.intNumRows, 1);
    EXPECT_EQ(t.intNumCols, 2);
}

}  // namespace
}  // namespace tabloom
