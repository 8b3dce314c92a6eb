#include "core/storage/delete_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "table_builders.h"
#include "temp_folder.h"

namespace tabloom {
namespace {

using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

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

    struct Case {
        std::string path;
        bool clearReadOnly;
    };
    for (const Case& c : {Case{folder.File("plain"), false}, Case{folder.File("readonly"), true},
                          Case{folder.File("link"), true}, Case{folder.File("never"), false},
                          Case{folder.File("no/such/folder/file"), true}, Case{"", true}}) {
        Waits waits;
        EXPECT_TRUE(DeleteFile(c.path, true, c.clearReadOnly, true, waits.Function())) << c.path;
        EXPECT_FALSE(fs::exists(fs::symlink_status(c.path))) << c.path;
        EXPECT_TRUE(waits.seen.empty()) << c.path;
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

}  // namespace
}  // namespace tabloom
