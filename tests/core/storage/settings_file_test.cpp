#include "core/storage/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/storage/file_text.h"
#include "table_builders.h"
#include "temp_folder.h"

namespace tabloom {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

TEST(SettingsFileTest, CreatesTheFolderAndNamesTbmUsr) {
    TempFolder folder;
    struct Case {
        std::string given;
        std::string expected;
    };
    for (const Case& c : {Case{folder.File("a/b/tabloom"), folder.File("a/b/tabloom/tbm.usr")},
                          Case{folder.File("slash") + "//", folder.File("slash/tbm.usr")},
                          Case{folder.Path().string(), folder.File("tbm.usr")}}) {
        const SettingsFileLocation location = LocateSettingsFile(c.given);
        EXPECT_TRUE(location.ok) << c.given << ": " << location.reason;
        EXPECT_EQ(location.path, c.expected);
        EXPECT_TRUE(fs::is_directory(fs::path(location.path).parent_path()));
        EXPECT_EQ(FileNameOf(location.path, true), "tbm.usr");
    }
}

TEST(SettingsFileTest, ARegularFileInTheWayFails) {
    TempFolder folder;
    testing::WriteBytes(folder.File("file"), "x");
    for (const std::string& given : {folder.File("file"), folder.File("file/below")}) {
        const SettingsFileLocation location = LocateSettingsFile(given);
        EXPECT_FALSE(location.ok) << given;
        EXPECT_FALSE(location.reason.empty()) << given;
        EXPECT_EQ(FileNameOf(location.path, true), "tbm.usr");
    }
    EXPECT_TRUE(fs::is_regular_file(folder.File("file")));
}

TEST(SettingsFileTest, NoFolderGivenFails) {
    const SettingsFileLocation location = LocateSettingsFile("");
    EXPECT_FALSE(location.ok);
    EXPECT_TRUE(location.path.empty());
}

}  // namespace
}  // namespace tabloom
