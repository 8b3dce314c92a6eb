#include "core/storage/delete_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "core/storage/file_text.h"

namespace tabloom {

namespace {

constexpr int kAttempts = 4;
constexpr std::chrono::milliseconds kWait{500};

bool Gone(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

}  // namespace

bool DeleteFile(const std::string& path, bool clearHidden, bool clearReadOnly, bool clearSystem) {
    return DeleteFile(path, clearHidden, clearReadOnly, clearSystem,
                      [](std::chrono::milliseconds wait) { std::this_thread::sleep_for(wait); });
}

bool DeleteFile(const std::string& path, bool /*clearHidden*/, bool clearReadOnly,
                bool /*clearSystem*/, const SleepFunction& sleep) {
    if (path.empty() || Gone(path)) return true;

    struct stat st {};
    std::string folder;
    mode_t folderMode = 0;
    bool restoreFolder = false;
    if (clearReadOnly && ::lstat(path.c_str(), &st) == 0) {
        // Never through a symbolic link: that would change the link's target.
        if (S_ISREG(st.st_mode) && (st.st_mode & S_IWUSR) == 0) {
            ::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR);
        }
        folder = FolderOf(path);
        struct stat fst {};
        if (::access(folder.c_str(), W_OK | X_OK) != 0 && ::stat(folder.c_str(), &fst) == 0 &&
            ::chmod(folder.c_str(), (fst.st_mode & 07777) | S_IWUSR | S_IXUSR) == 0) {
            folderMode = fst.st_mode & 07777;
            restoreFolder = true;
        }
    }

    bool deleted = false;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (::unlink(path.c_str()) == 0 || Gone(path)) {
            deleted = true;
            break;
        }
        if (attempt < kAttempts) sleep(kWait);
    }
    if (restoreFolder) ::chmod(folder.c_str(), folderMode);
    return deleted;
}

}  // namespace tabloom
