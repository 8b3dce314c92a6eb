#include "core/csv/delimited_text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace tabloom {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(ReadDelimitedTest, ReadsRowsAndFields) {
    const struct {
        const char* name;
        std::string text;
        char separator;
        Rows rows;
        std::vector<int> lines;
    } cases[] = {
        // clang-format off
        {"Empty", "", ',', {}, {}},
        {"CommasCrLf", "a,b\r\nc,d\r\n", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"LoneCr", "a,b\rc,d", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"NoFinalLineBreak", "a,b\r\nc,d", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"TabsWin", "a,1\tb\r\nc\td,2\r\n", '\t', {{"a,1", "b"}, {"c", "d,2"}}, {}},
        {"TrailingEmptyFields", "a,,\n,,\n", ',', {{"a", "", ""}, {"", "", ""}}, {}},
        // A separator at the very end leaves one empty field.
        {"TrailingTabAtEnd", "a\t", '\t', {{"a", ""}}, {}},
        {"EmptyLineIsARow", "a\n\nb\n", ',', {{"a"}, {""}, {"b"}}, {1, 2, 3}},
        {"LoneLineBreak", "\n", ',', {{""}}, {1}},
        {"QuotedSeparators", "\"a,b\",c\n", ',', {{"a,b", "c"}}, {}},
        {"TabOnlyInsideQuotes", "\"a\tb\",c\nd,\"\"\"\t\"", ',', {{"a\tb", "c"}, {"d", "\"\t"}}, {}},
        {"DoubledQuotes", "\"say \"\"hi\"\"\",x", ',', {{"say \"hi\"", "x"}}, {}},
        {"OnlyQuotes", "\"\"\"\"", ',', {{"\""}}, {}},
        {"QuoteInsideUnquotedField", "5\" disk,x", ',', {{"5\" disk", "x"}}, {}},
        {"LfInQuotesBecomesCrLf", "\"one\ntwo\",x\nnext\n", ',', {{"one\r\ntwo", "x"}, {"next"}}, {1, 3}},
        {"CrLfAndCrInQuotes", "\"a\r\nb\rc\"\tz\r\nq", '\t', {{"a\r\nb\r\nc", "z"}, {"q"}}, {1, 4}},
        {"RaggedRows", "a\nb,c,d\n", ',', {{"a"}, {"b", "c", "d"}}, {}},
        {"Utf8", "Größe,€ 5,日本\n", ',', {{"Größe", "€ 5", "日本"}}, {}},
        {"ByteOrderMarkDropped", "\xEF\xBB\xBFname,x", ',', {{"name", "x"}}, {}},
        {"BlanksKept", " a , b ", ',', {{" a ", " b "}}, {}}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DelimitedResult result = ReadDelimited(c.text);
        ASSERT_TRUE(result.ok) << "line " << result.line << ": " << result.reason;
        EXPECT_EQ(result.data.separator, c.separator);
        EXPECT_EQ(result.data.rows, c.rows);
        EXPECT_TRUE(c.lines.empty() || result.data.rowLines == c.lines);
    }
}

TEST(ReadDelimitedTest, RefusesWithTheLine) {
    const struct {
        const char* name;
        std::string text;
        int line;
    } cases[] = {// clang-format off
        {"QuoteNotClosed", "a,b\n\"c,d\ne\n", 2}, {"TextAfterClosingQuote", "a\r\nb\r\n\"x\"y,z", 3},
        {"TextAfterQuoteOverLines", "\"a\nb\"c", 2}, {"Latin1Byte", "ok\nGr\xF6\xDF!\n", 2},
        {"TruncatedSequence", "a\r\nb\r\nc\xE2\x82", 3}, {"OverlongSlash", "\xC0\xAF", 1},
        {"Surrogate", "x\n\xED\xA0\x80", 2}, {"BeyondUnicode", "\xF4\x90\x80\x80", 1},
        {"NulByte", std::string("a\nb\0c", 5), 2}};
    // clang-format on
    for (const auto& c : cases) {
        const DelimitedResult result = ReadDelimited(c.text);
        EXPECT_EQ(std::tie(result.ok, result.line), std::make_tuple(false, c.line)) << c.name;
        EXPECT_TRUE(!result.reason.empty() && result.data.rows.empty()) << c.name;
    }
}

// Writing quotes every field, so rows survive a round trip whatever
// separators, quotes or line breaks the fields hold (the CSV fuzzer tries
// many more).
TEST(WriteDelimitedTest, RoundTrips) {
    const Rows rows = {{"", "a,b", "\"q\""}, {"line\r\nbreak", "tab\there", "Gr\xC3\xB6\xC3\x9F"}};
    for (char sep : {',', '\t'}) {
        const DelimitedResult result = ReadDelimited(WriteDelimited(rows, sep));
        ASSERT_TRUE(result.ok) << result.reason;
        EXPECT_EQ(result.data.rows, rows);
    }
}

}  // namespace
}  // namespace tabloom
