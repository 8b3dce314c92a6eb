#include "core/csv/delimited_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tabloom {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct ReadCase {
    const char* name;
    std::string text;
    char separator;
    Rows rows;
    std::vector<int> lines;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadDelimitedTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadDelimitedTest, ReadsRowsAndFields) {
    const ReadCase& c = GetParam();
    const DelimitedResult result = ReadDelimited(c.text);
    ASSERT_TRUE(result.ok) << "line " << result.line << ": " << result.reason;
    EXPECT_EQ(result.data.separator, c.separator);
    EXPECT_EQ(result.data.rows, c.rows);
    if (!c.lines.empty()) {
        EXPECT_EQ(result.data.rowLines, c.lines);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDelimitedTest,
    ::testing::Values(
        ReadCase{"Empty", "", ',', {}, {}}, ReadCase{"OneValue", "hello", ',', {{"hello"}}, {1}},
        ReadCase{"CommasLf", "a,b\nc,d\n", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        ReadCase{"CommasCrLf", "a,b\r\nc,d\r\n", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        ReadCase{"LoneCr", "a,b\rc,d", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        ReadCase{"NoFinalLineBreak", "a,b\r\nc,d", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        ReadCase{"TabsWin", "a,1\tb\r\nc\td,2\r\n", '\t', {{"a,1", "b"}, {"c", "d,2"}}, {}},
        ReadCase{"TrailingEmptyFields", "a,,\n,,\n", ',', {{"a", "", ""}, {"", "", ""}}, {}},
        ReadCase{"TrailingTabAtEnd", "a\t", '\t', {{"a", ""}}, {}},
        ReadCase{"EmptyLineIsARow", "a\n\nb\n", ',', {{"a"}, {""}, {"b"}}, {1, 2, 3}},
        ReadCase{"LoneLineBreak", "\n", ',', {{""}}, {1}},
        ReadCase{"QuotedSeparators", "\"a,b\",c\n", ',', {{"a,b", "c"}}, {}},
        ReadCase{"TabOnlyInsideQuotes",
                 "\"a\tb\",c\nd,\"\"\"\t\"",
                 ',',
                 {{"a\tb", "c"}, {"d", "\"\t"}},
                 {}},
        ReadCase{"DoubledQuotes", "\"say \"\"hi\"\"\",x", ',', {{"say \"hi\"", "x"}}, {}},
        ReadCase{"OnlyQuotes", "\"\"\"\"", ',', {{"\""}}, {}},
        ReadCase{"EmptyQuoted", "\"\",\"\"", ',', {{"", ""}}, {}},
        ReadCase{"QuoteInsideUnquotedField", "5\" disk,x", ',', {{"5\" disk", "x"}}, {}},
        ReadCase{"LfInQuotesBecomesCrLf",
                 "\"one\ntwo\",x\nnext\n",
                 ',',
                 {{"one\r\ntwo", "x"}, {"next"}},
                 {1, 3}},
        ReadCase{"CrLfAndCrInQuotes",
                 "\"a\r\nb\rc\"\tz\r\nq",
                 '\t',
                 {{"a\r\nb\r\nc", "z"}, {"q"}},
                 {1, 4}},
        ReadCase{"RaggedRows", "a\nb,c,d\n", ',', {{"a"}, {"b", "c", "d"}}, {}},
        ReadCase{"Utf8", "Größe,€ 5,日本\n", ',', {{"Größe", "€ 5", "日本"}}, {}},
        ReadCase{"ByteOrderMarkDropped", "\xEF\xBB\xBFname,x", ',', {{"name", "x"}}, {}},
        ReadCase{"BlanksKept", " a , b ", ',', {{" a ", " b "}}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    std::string text;
    int line;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class ReadDelimitedRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ReadDelimitedRefusalTest, RefusesWithTheLine) {
    const RefusalCase& c = GetParam();
    const DelimitedResult result = ReadDelimited(c.text);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.line, c.line);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_TRUE(result.data.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDelimitedRefusalTest,
    ::testing::Values(RefusalCase{"QuoteNotClosed", "a,b\n\"c,d\ne\n", 2},
                      RefusalCase{"TextAfterClosingQuote", "a\r\nb\r\n\"x\"y,z", 3},
                      RefusalCase{"TextAfterQuoteOverLines", "\"a\nb\"c", 2},
                      RefusalCase{"Latin1Byte",
                                  "ok\nGr\xF6\xDF"
                                  "e\n",
                                  2},
                      RefusalCase{"TruncatedSequence", "a\r\nb\r\nc\xE2\x82", 3},
                      RefusalCase{"OverlongSlash", "\xC0\xAF", 1},
                      RefusalCase{"Surrogate", "x\n\xED\xA0\x80", 2},
                      RefusalCase{"BeyondUnicode", "\xF4\x90\x80\x80", 1},
                      RefusalCase{"NulByte", std::string("a\nb\0c", 5), 2}),
    [](const auto& info) { return std::string(info.param.name); });

// Writing quotes every field, so any rows survive a round trip, whatever
// separators, quotes or line breaks the fields hold.
TEST(WriteDelimitedTest, RoundTrips) {
    const Rows samples[] = {
        {{"a", "b"}, {"c", "d"}}, {{""}},
        {{"", ""}, {"x"}},        {{"a,b", "\"q\"", "line\r\nbreak"}},
        {{"tab\there", "x"}},     {{"Größe"}, {"€"}},
    };
    for (const Rows& rows : samples) {
        for (char sep : {',', '\t'}) {
            const DelimitedResult result = ReadDelimited(WriteDelimited(rows, sep));
            ASSERT_TRUE(result.ok) << result.reason;
            EXPECT_EQ(result.data.rows, rows);
        }
    }
}

}  // namespace
}  // namespace tabloom
