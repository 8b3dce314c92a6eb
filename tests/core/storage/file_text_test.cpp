#include "core/storage/file_text.h"

#include <gtest/gtest.h>

namespace tabloom {
namespace {

TEST(ReplaceCharTest, ReplacesEveryOccurrence) {
    struct Case {
        std::string text;
        unsigned char from, to;
        std::string expected;
    };
    const Case cases[] = {
        {"a\"b\"\"c", 34, 253,
         "a\xFD"
         "b\xFD\xFD"
         "c"},
        {"\xFD\xFDx", 253, 34, "\"\"x"},
        {"", 34, 253, ""},
        {"none", 34, 253, "none"},
        {"aaa", 'a', 'a', "aaa"},
        {"abab", 'a', 'b', "bbbb"},  // a replaced byte is not looked at again
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        ReplaceChar(text, c.from, c.to);
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

TEST(FileNameOfTest, TakesThePartAfterTheLastSlash) {
    struct Case {
        const char* path;
        bool lower;
        const char* expected;
    };
    const Case cases[] = {
        {"/home/u/Tables/My.TBL", false, "My.TBL"},
        {"/home/u/Tables/My.TBL", true, "my.tbl"},
        {"relative/TBM.USR", true, "tbm.usr"},
        {"no-slash.tbl", true, ""},
        {"/folder/", true, ""},
        {"/x/\xC3\x80\xC3\x89\xC3\x8E\xC3\x95\xC3\x9C\xC3\x9E.HTM", true,
         "\xC3\xA0\xC3\xA9\xC3\xAE\xC3\xB5\xC3\xBC\xC3\xBE.htm"},
        // The multiplication sign and sharp s have no other case.
        {"/x/\xC3\x97\xC3\x9F", true, "\xC3\x97\xC3\x9F"},
        // The capitals among 0x80..0x9F: S caron, OE, Z caron, Y diaeresis.
        {"/x/\xC5\xA0\xC5\x92\xC5\xBD\xC5\xB8", true, "\xC5\xA1\xC5\x93\xC5\xBE\xC3\xBF"},
        // Outside the code page nothing changes.
        {"/x/\xD0\x96\xE4\xB8\xAD", true, "\xD0\x96\xE4\xB8\xAD"},
        {"/x/\xC3\x80", false, "\xC3\x80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileNameOf(c.path, c.lower), c.expected) << c.path;
    }
}

}  // namespace
}  // namespace tabloom
