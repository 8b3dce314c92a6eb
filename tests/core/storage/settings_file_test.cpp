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

// The settings file is written whatever happened to its folder while the
// program ran; the unsaved-table file keeps the table even when its output
// path cannot be stored.
TEST(SettingsFileTest, SavesForTheNextStart) {
    struct Case {
        const char* name;
        bool keepUnsaved;
        const char* folderState;  // "removed", "kept" or "a file"
        std::string outputPath;
        const char* pathRead;  // nullptr: refused
    };
    const Case cases[] = {
        {"settings, folder kept", false, "kept", "/o.htm", "/o.htm"},
        {"settings, folder removed", false, "removed", "/o.htm", "/o.htm"},
        {"settings, a file in the way", false, "a file", "/o.htm", nullptr},
        {"settings, path with a tab", false, "kept", "/a\tb/o.htm", nullptr},
        {"unsaved, folder removed", true, "removed", "/o.htm", "/o.htm"},
        {"unsaved, path with a tab", true, "kept", "/a\tb/o.htm", ""},
        {"unsaved, a file in the way", true, "a file", "/o.htm", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string config = folder.File("config");
        const std::string settings = LocateSettingsFile(config).path;
        fs::remove_all(config);
        if (std::string(c.folderState) == "kept") fs::create_directory(config);
        if (std::string(c.folderState) == "a file") testing::WriteBytes(config, "x");

        std::string reason;
        const bool saved =
            c.keepUnsaved
                ? KeepUnsavedTable(testing::RichTable(), c.outputPath, settings, {}, reason)
                : SaveSettingsFile(testing::RichTable(), c.outputPath, settings, {}, reason);
        EXPECT_EQ(saved, c.pathRead != nullptr) << reason;
        EXPECT_EQ(reason.empty(), saved) << reason;
        if (!saved) continue;
        const TableLoadResult read =
            LoadTable(c.keepUnsaved ? UnsavedTableFile(settings) : settings);
        ASSERT_TRUE(read.ok) << read.reason;
        EXPECT_TRUE(read.data.table.SameSpec(testing::RichTable()));
        EXPECT_EQ(read.data.strOutputFile, c.pathRead);
        EXPECT_EQ(fs::exists(settings), !c.keepUnsaved);
    }
    std::string reason;
    EXPECT_FALSE(KeepUnsavedTable(testing::RichTable(), "", "", {}, reason));
    EXPECT_FALSE(reason.empty());
}

}  // namespace
}  // namespace tabloom
