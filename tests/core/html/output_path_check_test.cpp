#include "core/html/output_path_check.h"

#include <gtest/gtest.h>

#include <string>

namespace tabloom {
namespace {

TEST(OutputPathCheckTest, RefusesControlCharactersAndNamesThem) {
    struct Case {
        std::string path;
        const char* shown;  // nullptr: accepted
    };
    const Case cases[] = {
        {"/home/ann/tables/sample.htm", nullptr},
        {"/home/ann/Tabellen äöü €/Übersicht.htm", nullptr},
        {"/home/ann/a b,c;d/x.htm", nullptr},
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
