#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

#include "core/html/cell_markup.h"
#include "core/html/header_structure.h"
#include "core/html/output_path_check.h"
#include "core/html/page_language.h"
#include "core/html/render_standard_html.h"
#include "core/html/render_table_html.h"
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
    EXPECT_EQ(result.blnOutputWritten, stage == 0);
}

class WriteTableHtmlFailureTest : public ::testing::Test {
  protected:
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

// Budgets around the boundaries: nothing, one byte short of the head,
// exactly the head, one byte short of the file and exactly enough.
TEST_F(WriteTableHtmlFailureTest, WriteFailureLeavesThePartialFile) {
    const TableSpec table = FullTable();
    const std::string full = Reference(table);
    const std::size_t headSize = full.find("<tr>");
    ASSERT_NE(headSize, std::string::npos);

    // clang-format off
    struct Case { std::size_t budget; int stage; std::string text; };
    // clang-format on
    const Case cases[] = {
        {0, 3, kNothing},
        {headSize - 1, 3, "Failure: Error #3"},
        {headSize, 4, "Failure: Error #4"},
        {full.size() - 1, 4, "Failure: Error #4"},
        {full.size(), 0, kSuccess},
    };
    const std::string path = folder_.File("out.htm");
    for (const Case& c : cases) {
        SCOPED_TRACE("budget " + std::to_string(c.budget));
        ExpectResult(WriteTableHtml(table, path, kClock, kSuccess, BudgetOpener(c.budget)), c.stage,
                     c.text);
        EXPECT_EQ(ReadBytes(path), full.substr(0, c.budget));
    }
}

// A run that fails before writing leaves no file, and an older file stays as
// it was with the stage reported: a table the rules refuse stops before the
// file is opened, then come the ways an open fails.
TEST_F(WriteTableHtmlFailureTest, EarlyFailuresKeepTheOlderFile) {
    using Stream = std::unique_ptr<std::ostream>;
    // clang-format off
    struct Case { int stage; void (*spoil)(TableSpec&); HtmlStreamOpener open; };
    // clang-format on
    const auto none = [](TableSpec&) {};
    const Case cases[] = {
        {1, [](TableSpec& t) { t.intBorderColorIndex = 7; }, OpenHtmlFileStream},
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
        {"/tmp/x\n.htm", "/tmp/x[line break].htm"},
        {std::string("/tmp/\0x.htm", 11), "/tmp/[control character 0]x.htm"},
        {"/tmp/\x1fx.htm", "/tmp/[control character 31]x.htm"},
    };
    for (const Case& c : cases) {
        const std::string message = OutputPathRefusal(c.path);
        EXPECT_EQ(message.empty(), c.shown == nullptr) << c.path;
        if (c.shown == nullptr) continue;
        EXPECT_NE(message.find("control character, which a saved table cannot keep"),
                  std::string::npos)
            << message;
        EXPECT_NE(message.find(std::string("\n\n") + c.shown + "\n\n"), std::string::npos)
            << message;
    }
}

using testing::Span;
using testing::StartTable;

TableSpec PriceTable() {
    TableSpec t = StartTable(3, 2);
    t.blnAddHTMLWrapper = true;
    t.blnCenterTable = true;
    t.intTableWidth = 80;
    t.intTableWidthUnit = 0;
    t.intBorder = 2;
    t.intCellPadding = 3;
    t.intCellSpacing = 0;
    t.strLang = "de";
    t.intHeaderRows = 1;
    t.intHeaderCols = 1;
    t.strCaption = "Fruit & <prices> \xCE\xB1";
    t.At(1, 1).strContent = "Name";
    t.At(1, 2).strContent = "Price";
    t.At(1, 2).intAlign = 3;
    // clang-format off
    t.At(2, 1) = {.lngTextColor = 0xFF0000, .strContent = "Apple\r\n  red<br>\r\nsweet",
                  .intOwnerRow = 2, .intOwnerCol = 1, .strFontFace = "Arial, sans-serif",
                  .strFontSize = "+1"};
    // clang-format on
    t.At(2, 2).strContent = "1.20 \xE2\x82\xAC";
    t.At(2, 2).intWidth = 40;
    t.At(2, 2).intVAlign = 1;
    t.At(3, 1).lngBgColor = 0x00FF00;
    t.At(3, 2).lngBgColor = 0x00FF00;
    return t;
}

TEST(StandardHtmlTest, PageOfATableWithHeadersAndCaption) {
    TableSpec t = PriceTable();
    t.outputStyle = OutputStyle::Standard;
    const std::string cell = "style=\"border:1px inset gray;padding:3px";
    const std::string black = "<span style=\"color:#000000\">";
    const std::string expected =
        "<!DOCTYPE html>\r\n<html lang=\"de\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n"
        "<title>Fruit &amp; &lt;prices&gt; \xCE\xB1</title>\r\n</head>\r\n<body>\r\n\r\n"
        "<!-- HTML code generated by Tabloom V12.00 at 14:05 on 2026-12-05. -->\r\n\r\n"
        "<table style=\"width:80%;border:2px solid gray;border-spacing:0px;"
        "background-color:#FFFFFF;margin-inline:auto\">\r\n"
        "<caption>Fruit &amp; &lt;prices&gt; \xCE\xB1</caption>\r\n<thead>\r\n<tr>\r\n"
        "<th scope=\"col\" " +
        cell + "\">" + black + "Name</span></th>\r\n<th scope=\"col\" " + cell +
        ";text-align:right\">" + black + "Price</span></th>\r\n</tr>\r\n\r\n</thead>\r\n" +
        "<tbody>\r\n<tr>\r\n<th scope=\"row\" " + cell +
        "\"><span style=\"color:#0000FF;font-family:Arial,sans-serif;font-size:large\">"
        "Apple<br>\r\n&nbsp;&nbsp;red<br>\r\nsweet</span></th>\r\n<td " +
        cell + ";width:40px;vertical-align:top\">" + black + "1.20 \xE2\x82\xAC</span></td>\r\n" +
        "</tr>\r\n\r\n<tr style=\"background-color:#00FF00\">\r\n<th scope=\"row\" " + cell +
        "\">&nbsp;</th>\r\n<td " + cell + "\">&nbsp;</td>\r\n</tr>\r\n\r\n</tbody>\r\n" +
        "</table>\r\n\r\n</body>\r\n</html>\r\n\r\n";
    EXPECT_EQ(RenderTableHtml(t, kClock), expected);
}

// Header cells and the caption in the classic markup; the rest as before.
TEST(StandardHtmlTest, ClassicMarkupGetsHeaderCellsAndCaption) {
    TableSpec t = PriceTable();
    t.blnAddHTMLWrapper = false;
    t.blnCenterTable = false;
    t.strCaption = "Fruit & \xE2\x82\xAC \xCE\xB1";
    const std::string bytes = RenderTableHtml(t, kClock);
    const std::string start =
        " bgcolor=\"#FFFFFF\">\r\n<caption>Fruit &amp; \x80 &#945;</caption>\r\n"
        "<tr>\r\n<th scope=\"col\"><font color=\"#000000\">Name</font></th>\r\n"
        "<th scope=\"col\" align=\"right\">";
    EXPECT_NE(bytes.find(start), std::string::npos) << bytes;
}

// Rows in which no cell begins are left out and the spans over them
// shortened, as a conforming table has no such rows.
TEST(StandardHtmlTest, RowsWithoutCellsAreLeftOut) {
    TableSpec t = StartTable(4, 2);
    t.outputStyle = OutputStyle::Standard;
    t.intBorder = -1;
    t.intCellPadding = -1;
    Span(t, 1, 1, 3, 1);
    Span(t, 1, 2, 2, 1);
    const std::string bytes = RenderTableHtml(t, kClock);
    EXPECT_NE(bytes.find("<tr>\r\n<td rowspan=\"2\">&nbsp;</td>\r\n<td>&nbsp;</td>\r\n</tr>\r\n"
                         "\r\n<tr>\r\n<td>&nbsp;</td>\r\n</tr>\r\n\r\n<tr>\r\n<td>&nbsp;</td>\r\n"
                         "<td>&nbsp;</td>\r\n</tr>\r\n\r\n</tbody>"),
              std::string::npos)
        << bytes;
}

TEST(StandardHtmlTest, LineBreaksBecomeBreakTags) {
    const std::pair<const char*, const char*> cases[] = {
        {"a<BR />\r\nb", "a<BR />\r\nb"},
        {"a<br> \r\n\r\n  b\r\n", "a<br> \r\n&nbsp;<br>\r\n&nbsp;&nbsp;b"},
        {"a<b>\r\n   \r\nc", "a<b><br>\r\n<br>\r\nc"},
        {"\r\n\xCE\xB1\r\n  ", "\xCE\xB1"}};
    for (const auto& [content, standard] : cases) {
        std::string out;
        AppendContent(out, content, OutputStyle::Standard);
        EXPECT_EQ(out, standard) << content;
    }
}

// As a browser reads the font element's size and face.
TEST(StandardHtmlTest, FontSizesAndFacesAsCss) {
    const std::pair<const char*, const char*> sizes[] = {
        {"1", "x-small"}, {" 7", "xxx-large"}, {"9", "xxx-large"}, {"0", "x-small"},
        {"+1", "large"},  {"-5", "x-small"},   {"2.5", "small"},   {"x", "none"},
        {"+", "none"},    {"", "none"}};
    for (const auto& [size, keyword] : sizes) {
        const char* got = FontSizeKeyword(size);
        EXPECT_STREQ(got != nullptr ? got : "none", keyword) << size;
    }
    const std::pair<const char*, const char*> faces[] = {
        {"Arial", "Arial"},
        {" Times New Roman , serif", "Times New Roman,serif"},
        {"'Gill Sans', \"Noto Sans\"", "'Gill Sans',\"Noto Sans\""},
        {"Arial \"Narrow\"", ""},
        {"3D Font", ""},
        {"Arial,", ""}};
    for (const auto& [face, family] : faces) EXPECT_EQ(FontFamilyList(face), family) << face;

    // A face outside ASCII stays UTF-8 in the page, quotes as references.
    TableSpec t = PriceTable();
    t.outputStyle = OutputStyle::Standard;
    t.At(2, 2).strFontFace = "\xC3\xB6ko, \"Noto Sans\"";
    EXPECT_NE(RenderTableHtml(t, kClock).find("font-family:\xC3\xB6ko,&quot;Noto Sans&quot;"),
              std::string::npos);
}

TEST(StandardHtmlTest, LanguageOfTheUsersLocale) {
    // clang-format off
    const struct { const char* lcAll; const char* lang; const char* language;
        } cases[] = {{"", "de_DE.UTF-8", "de"},
                 {"el_GR.UTF-8", "de_DE", "el"},
                 {"", "C.UTF-8", "en"},
                 {"", "", "en"},
                 {"", "fil_PH", "fil"}};
    // clang-format on
    for (const auto& c : cases) {
        ::setenv("LC_ALL", c.lcAll, 1);
        ::unsetenv("LC_MESSAGES");
        ::setenv("LANG", c.lang, 1);
        EXPECT_EQ(UserLanguage(), c.language) << c.lcAll << " " << c.lang;
    }
    ::unsetenv("LC_ALL");
    TableSpec t = StartTable(1, 1);
    t.strLang = "pt-BR";
    EXPECT_EQ(PageLanguage(t), "pt-BR");
}

struct HeaderCase {
    int rows, cols, headerRows, headerCols;
    const char* spans;  // "row col rows cols" groups
    // Rows separated by '|', per column: C col, G colgroup, R row, Q rowgroup,
    // - data cell, . covered.
    const char* scopes;
    const char* colGroups;  // their spans
    const char* sections;   // "h1-2 b3-4": head or body, first and last row
    bool rowGroups;
};

TEST(HeaderStructureTest, HeaderCellsScopesAndGroups) {
    const HeaderCase cases[] = {
        {2, 2, 2, 0, "", "CC|CC", "", "h1-2", false},
        // The two-tier headers of the WAI tables tutorial.
        {6, 5, 2, 1, "1 1 2 1  1 2 1 2  1 4 1 2  3 1 2 1  5 1 2 1",
         "CG.G.|.CCCC|Q----|.----|Q----|.----", "1 2 2 ", "h1-2 b3-4 b5-6", true},
        // Spans that do not line up make no group: the scope stays col.
        {2, 4, 2, 0, "1 1 1 2  2 2 1 2", "C.CC|CC.C", "1 1 1 1 ", "h1-2", false},
        // A header cell spanning into the body rows: no head section.
        {4, 1, 1, 0, "1 1 2 1", "C|.|-|-", "", "b1-4", false},
        // Another cell's span crosses the row group's end.
        {4, 3, 0, 1, "1 1 2 1  2 2 2 1", "R--|.--|R.-|R--", "", "b1-4", false},
    };
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(c.scopes);
        TableSpec t = StartTable(c.rows, c.cols);
        t.intHeaderRows = static_cast<std::int16_t>(c.headerRows);
        t.intHeaderCols = static_cast<std::int16_t>(c.headerCols);
        std::istringstream spans(c.spans);
        for (int r, col, rows, cols; spans >> r >> col >> rows >> cols;)
            Span(t, r, col, rows, cols);
        const HeaderStructure s = FindHeaderStructure(t);
        std::string scopes;
        for (int r = 1; r <= c.rows; ++r) {
            if (r > 1) scopes += '|';
            for (int col = 1; col <= t.intNumCols; ++col) {
                const char* letters = "-CRGQ";
                scopes +=
                    t.At(r, col).intRowSpan < 1 ? '.' : letters[static_cast<int>(s.scope[r][col])];
            }
        }
        EXPECT_EQ(scopes, c.scopes);
        std::string colGroups;
        for (const int span : s.colGroupSpans) colGroups += std::to_string(span) + " ";
        EXPECT_EQ(colGroups, c.colGroups);
        std::string sections;
        for (const RowSection& section : s.sections) {
            if (!sections.empty()) sections += ' ';
            sections += (section.head ? "h" : "b") + std::to_string(section.first) + "-" +
                        std::to_string(section.last);
        }
        EXPECT_EQ(sections, c.sections);
        EXPECT_EQ(s.rowGroups, c.rowGroups);
    }
}

}  // namespace
}  // namespace tabloom
