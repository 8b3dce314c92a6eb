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
    for (const auto& [given, expected] :
         {std::pair{folder.File("a/b/tabloom"), folder.File("a/b/tabloom/tbm.usr")},
          {folder.File("slash") + "//", folder.File("slash/tbm.usr")},
          {folder.Path().string(), folder.File("tbm.usr")}}) {
        const SettingsFileLocation location = LocateSettingsFile(given);
        EXPECT_TRUE(location.ok) << given << ": " << location.reason;
        EXPECT_EQ(location.path, expected);
        EXPECT_TRUE(fs::is_directory(fs::path(location.path).parent_path()));
        EXPECT_EQ(FileNameOf(location.path, true), "tbm.usr");
    }
}

TEST(SettingsFileTest, ARegularFileInTheWayOrNoFolderFails) {
    TempFolder folder;
    testing::WriteBytes(folder.File("file"), "x");
    for (const std::string& given : {folder.File("file"), folder.File("file/below")}) {
        const SettingsFileLocation location = LocateSettingsFile(given);
        EXPECT_FALSE(location.ok) << given;
        EXPECT_FALSE(location.reason.empty()) << given;
        EXPECT_EQ(FileNameOf(location.path, true), "tbm.usr");
    }
    EXPECT_TRUE(fs::is_regular_file(folder.File("file")));
    EXPECT_FALSE(LocateSettingsFile("").ok);
    EXPECT_TRUE(LocateSettingsFile("").path.empty());
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
        {"settings, folder removed", false, "removed", "/o.htm", "/o.htm"},
        {"settings, a file in the way", false, "a file", "/o.htm", nullptr},
        {"settings, path with a tab", false, "kept", "/a\tb/o.htm", nullptr},
        {"unsaved, folder removed", true, "removed", "/o.htm", "/o.htm"},
        {"unsaved, path with a tab", true, "kept", "/a\tb/o.htm", ""},
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

TEST(FileNameOfTest, TakesThePartAfterTheLastSlash) {
    struct Case {
        const char* path;
        bool lower;
        const char* expected;
    };
    // clang-format off
    const Case cases[] = {
        {"/home/u/Tables/My.TBL", false, "My.TBL"}, {"/home/u/Tables/My.TBL", true, "my.tbl"},
        {"no-slash.tbl", true, ""}, {"/folder/", true, ""},
        {"/x/\xC3\x80\xC3\x89\xC3\x8E\xC3\x95\xC3\x9C\xC3\x9E.HTM", true, "\xC3\xA0\xC3\xA9\xC3\xAE\xC3\xB5\xC3\xBC\xC3\xBE.htm"},
        // The multiplication sign and sharp s have no other case.
        {"/x/\xC3\x97\xC3\x9F", true, "\xC3\x97\xC3\x9F"},
        // The capitals among 0x80..0x9F: S caron, OE, Z caron, Y diaeresis.
        {"/x/\xC5\xA0\xC5\x92\xC5\xBD\xC5\xB8", true, "\xC5\xA1\xC5\x93\xC5\xBE\xC3\xBF"},
        // Outside the code page nothing changes.
        {"/x/\xD0\x96\xE4\xB8\xAD", true, "\xD0\x96\xE4\xB8\xAD"}};
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(FileNameOf(c.path, c.lower), c.expected) << c.path;
}

}  // namespace
}  // namespace tabloom
