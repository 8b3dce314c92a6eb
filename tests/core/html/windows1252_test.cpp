#include "core/encoding/windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace tabloom {
namespace {

struct CodePageCase {
    const char* name;
    std::string utf8;
    std::string bytes;
};

class CodePageTest : public ::testing::TestWithParam<CodePageCase> {};

// Characters the code page holds map both ways.
TEST_P(CodePageTest, EncodesAndDecodes) {
    EXPECT_EQ(EncodeWindows1252(GetParam().utf8), GetParam().bytes);
    EXPECT_EQ(DecodeWindows1252(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Characters, CodePageTest,
                         ::testing::Values(CodePageCase{"Ascii", "<td a=\"1\">&x</td>\r\n",
                                                        "<td a=\"1\">&x</td>\r\n"},
                                           CodePageCase{"Euro", "\xE2\x82\xAC", "\x80"},
                                           CodePageCase{"YAcute", "\xC3\xBD", "\xFD"},
                                           CodePageCase{"CapitalYDiaeresis", "\xC5\xB8", "\x9F"},
                                           CodePageCase{"TradeMark", "\xE2\x84\xA2", "\x99"},
                                           CodePageCase{"Undefined81", "\xC2\x81", "\x81"},
                                           CodePageCase{"Undefined9D", "\xC2\x9D", "\x9D"},
                                           CodePageCase{"Empty", "", ""}),
                         [](const auto& info) { return info.param.name; });

struct ReferenceCase {
    const char* name;
    std::string utf8;
    std::string bytes;
};

class ReferenceTest : public ::testing::TestWithParam<ReferenceCase> {};

// Anything else becomes a numeric reference, never a "?".
TEST_P(ReferenceTest, EncodesAsNumericReference) {
    EXPECT_EQ(EncodeWindows1252(GetParam().utf8), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, ReferenceTest,
    ::testing::Values(ReferenceCase{"Cjk", "\xE4\xB8\xAD", "&#20013;"},
                      ReferenceCase{"Emoji", "\xF0\x9F\x98\x80", "&#128512;"},
                      ReferenceCase{"C1ControlWithCharacterAtItsByte", "\xC2\x80", "&#128;"},
                      ReferenceCase{"Mixed",
                                    "a\xE4\xB8\xAD"
                                    "b\xC3\xA9",
                                    "a&#20013;b\xE9"},
                      ReferenceCase{"LoneContinuationByte", "a\x80z", "a&#65533;z"},
                      ReferenceCase{"TruncatedSequence", "\xE4\xB8", "&#65533;&#65533;"},
                      ReferenceCase{"Overlong", "\xC0\xAF", "&#65533;&#65533;"},
                      ReferenceCase{"Surrogate", "\xED\xA0\x80", "&#65533;&#65533;&#65533;"},
                      ReferenceCase{"BeyondUnicode", "\xF4\x90\x80\x80",
                                    "&#65533;&#65533;&#65533;&#65533;"}),
    [](const auto& info) { return info.param.name; });

TEST(Windows1252Test, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string utf8 = DecodeWindows1252(one);
        EXPECT_EQ(EncodeWindows1252(utf8), one) << "byte " << b;
        EXPECT_EQ(utf8.find("&#"), std::string::npos) << "byte " << b;
        all += one;
    }
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
}

}  // namespace
}  // namespace tabloom
