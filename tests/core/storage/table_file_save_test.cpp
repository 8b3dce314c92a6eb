#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/storage/delete_file.h"
#include "core/storage/file_text.h"
#include "core/storage/settings_file.h"
#include "core/storage/table_file.h"
#include "table_builders.h"
#include "temp_folder.h"

namespace tabloom {
namespace {

using testing::ReadBytes;
using testing::RichTable;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

std::string FileBytes(const TableSpec& t, const std::string& path) {
    std::string bytes;
    std::string reason;
    EXPECT_TRUE(FormatTable(t, path, bytes, reason)) << reason;
    return bytes;
}

// The new table keeps the replaced file's permissions (the failure test
// below replaces longer files whole).
TEST(TableFileSaveTest, ReplacesAnExistingFileWithTheNewTable) {
    TempFolder folder;
    const std::string file = folder.File("t.tbl");
    WriteBytes(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_TRUE(SaveTable(RichTable(), "/o.htm", file));
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Saving through a link writes the file it names, existing or not, and the
// link stays; a loop is refused with nothing written.
TEST(TableFileSaveTest, SymbolicLinksStayLinks) {
    using Links = std::vector<std::pair<const char*, const char*>>;  // at, to; "@" the folder
    const struct {
        const char* name;
        Links links;
        const char* written;  // nullptr: refused
    } cases[] = {{"ExistingTarget", {{"link.tbl", "@/real.tbl"}}, "real.tbl"},
                 {"MissingTargetBesideTheLink", {{"sub/link.tbl", "real.tbl"}}, "sub/real.tbl"},
                 {"ChainToAMissingFile", {{"a.tbl", "b.tbl"}, {"b.tbl", "c.tbl"}}, "c.tbl"},
                 {"Loop", {{"a.tbl", "b.tbl"}, {"b.tbl", "a.tbl"}}, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        fs::create_directory(folder.Path() / "sub");
        if (std::string(c.name) == "ExistingTarget") WriteBytes(folder.File("real.tbl"), "old");
        for (const auto& [at, to] : c.links) {
            fs::create_symlink(to[0] == '@' ? folder.Path().string() + (to + 1) : to,
                               folder.Path() / at);
        }
        std::string reason;
        const bool saved =
            SaveTable(RichTable(), "", folder.File(c.links[0].first), SaveOptions{}, &reason);
        EXPECT_EQ(saved, c.written != nullptr) << reason;
        for (const auto& link : c.links) EXPECT_TRUE(fs::is_symlink(folder.Path() / link.first));
        if (c.written != nullptr) {
            EXPECT_EQ(ReadBytes(folder.File(c.written)), FileBytes(RichTable(), ""));
        } else {
            EXPECT_NE(reason.find(std::strerror(ELOOP)), std::string::npos) << reason;
        }
    }
}

// Whether the file is replaced through a temporary file or, in a folder
// where none can be made, rewritten in place: a failed write leaves the old
// bytes, shorter or longer than the new ones, and no other file.
TEST(TableFileSaveTest, FailuresLeaveTheOldFileAndNoTemporary) {
    TempFolder folder;
    const std::string file = folder.File("t.tbl");
    const std::string wanted = FileBytes(RichTable(), "/o.htm");
    const std::size_t size = wanted.size();

    for (const bool refused : {false, true}) {
        for (const std::string& old :
             {std::string("old table file\r\n"), std::string(size * 3, 'z')}) {
            for (const std::size_t budget : {std::size_t{0}, size - 1}) {
                SCOPED_TRACE(std::string(refused ? "in place" : "through a temporary") +
                             ", old size " + std::to_string(old.size()) + ", budget " +
                             std::to_string(budget));
                WriteBytes(file, old);
                std::string reason;
                EXPECT_FALSE(
                    SaveTable(RichTable(), "/o.htm", file, SaveOptions{budget, refused}, &reason));
                EXPECT_NE(reason.find(refused ? "cannot rewrite" : "cannot write"),
                          std::string::npos)
                    << reason;
                EXPECT_EQ(ReadBytes(file), old);
                EXPECT_EQ(folder.Entries(), std::vector<std::string>{"t.tbl"});
            }
            // A budget of exactly the file's size is enough.
            WriteBytes(file, old);
            std::string reason;
            EXPECT_TRUE(SaveTable(RichTable(), "/o.htm", file, SaveOptions{size, refused}, &reason))
                << reason;
            EXPECT_EQ(ReadBytes(file), wanted);
            EXPECT_EQ(folder.Entries(), std::vector<std::string>{"t.tbl"});
        }
    }
    // Without a file to rewrite, a folder that allows no new files refuses.
    std::string reason;
    EXPECT_FALSE(
        SaveTable(RichTable(), "", folder.File("new.tbl"), SaveOptions{size, true}, &reason));
    EXPECT_NE(reason.find("cannot create a temporary file"), std::string::npos) << reason;
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"t.tbl"});
}

// Unusable places and an unstorable table fail and leave what was there.
TEST(TableFileSaveTest, UnusablePlacesAndUnstorableTablesFail) {
    TempFolder folder;
    WriteBytes(folder.File("plain"), "old");
    fs::create_directory(folder.File("dir.tbl"));
    WriteBytes(folder.File("dir.tbl/inner"), "x");
    TableSpec broken = RichTable();
    broken.At(2, 4).intRowSpan = 3;  // inside the block of (1, 2)
    for (const auto& [table, target] : {std::pair{RichTable(), folder.File("plain/t.tbl")},
                                        {RichTable(), folder.File("dir.tbl")},
                                        {broken, folder.File("plain")}}) {
        std::string reason;
        EXPECT_FALSE(SaveTable(table, "", target, SaveOptions{}, &reason)) << target;
        EXPECT_FALSE(reason.empty()) << target;
    }
    EXPECT_EQ(ReadBytes(folder.File("plain")), "old");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"dir.tbl", "plain"}));
    std::string reason;
    SaveTable(broken, "", folder.File("plain"), SaveOptions{}, &reason);
    EXPECT_EQ(reason.rfind("row 2, column 4: ", 0), 0u) << reason;
}

// Records the waits instead of sleeping.
struct Waits {
    std::vector<std::chrono::milliseconds> seen;
    SleepFunction Function() {
        return [this](std::chrono::milliseconds wait) { seen.push_back(wait); };
    }
};

TEST(DeleteFileTest, DeletesFilesAndAcceptsMissingOnes) {
    TempFolder folder;
    WriteBytes(folder.File("plain"), "x");
    WriteBytes(folder.File("readonly"), "x");
    ::chmod(folder.File("readonly").c_str(), 0444);
    WriteBytes(folder.File("target"), "x");
    fs::create_symlink(folder.File("target"), folder.File("link"));

    for (const auto& [path, clearReadOnly] : {std::pair{folder.File("plain"), false},
                                              {folder.File("readonly"), true},
                                              {folder.File("link"), true},
                                              {folder.File("no/such/folder/file"), true},
                                              {std::string(), true}}) {
        Waits waits;
        EXPECT_TRUE(DeleteFile(path, true, clearReadOnly, true, waits.Function())) << path;
        EXPECT_FALSE(fs::exists(fs::symlink_status(path))) << path;
        EXPECT_TRUE(waits.seen.empty()) << path;
    }
    // The link went, not what it pointed to.
    EXPECT_TRUE(fs::exists(folder.File("target")));
}

TEST(DeleteFileTest, KeepsTheFolderModeWhenClearingReadOnly) {
    TempFolder folder;
    const fs::path sub = folder.Path() / "sub";
    fs::create_directory(sub);
    WriteBytes((sub / "f").string(), "x");
    ::chmod((sub / "f").c_str(), 0444);
    ::chmod(sub.c_str(), 0555);
    EXPECT_TRUE(DeleteFile((sub / "f").string(), false, true, false, Waits{}.Function()));
    EXPECT_FALSE(fs::exists(sub / "f"));
    struct stat st {};
    ASSERT_EQ(::stat(sub.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0555u);
}

TEST(DeleteFileTest, GivesUpAfterFourAttemptsHalfASecondApart) {
    TempFolder folder;
    // A folder cannot be deleted as a file, empty or not.
    fs::create_directories(folder.Path() / "full");
    WriteBytes(folder.File("full/inner"), "x");
    fs::create_directories(folder.Path() / "empty");
    for (const char* name : {"full", "empty"}) {
        Waits waits;
        EXPECT_FALSE(DeleteFile(folder.File(name), true, true, true, waits.Function())) << name;
        EXPECT_EQ(waits.seen,
                  std::vector<std::chrono::milliseconds>(3, std::chrono::milliseconds(500)))
            << name;
        EXPECT_TRUE(fs::is_directory(folder.File(name))) << name;
    }
}

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
    }
}

TEST(SettingsFileTest, ARegularFileInTheWayOrNoFolderFails) {
    TempFolder folder;
    testing::WriteBytes(folder.File("file"), "x");
    for (const std::string& given : {folder.File("file"), folder.File("file/below")}) {
        const SettingsFileLocation location = LocateSettingsFile(given);
        EXPECT_FALSE(location.ok) << given;
        EXPECT_FALSE(location.reason.empty()) << given;
    }
    EXPECT_TRUE(fs::is_regular_file(folder.File("file")));
    EXPECT_FALSE(LocateSettingsFile("").ok);
    EXPECT_TRUE(LocateSettingsFile("").path.empty());
}

// The settings file is written whatever happened to its folder while the
// program ran; the unsaved-table file keeps the table even when its output
// path cannot be stored.
TEST(SettingsFileTest, SavesForTheNextStart) {
    const struct {
        const char* name;
        bool keepUnsaved;
        const char *folderState, *outputPath;  // "removed", "kept" or "a file"
        const char* pathRead;                  // nullptr: refused
    } cases[] = {{"settings, folder removed", false, "removed", "/o.htm", "/o.htm"},
                 {"settings, a file in the way", false, "a file", "/o.htm", nullptr},
                 {"settings, path with a tab", false, "kept", "/a\tb/o.htm", nullptr},
                 {"unsaved, folder removed", true, "removed", "/o.htm", "/o.htm"},
                 {"unsaved, path with a tab", true, "kept", "/a\tb/o.htm", ""}};
    for (const auto& c : cases) {
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
    // clang-format off
    struct Case { const char* path; bool lower; const char* expected; };
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
