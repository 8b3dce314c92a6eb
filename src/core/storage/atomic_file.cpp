#include "core/storage/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "core/storage/file_text.h"

namespace tabloom {

namespace {

std::string Failure(std::string_view what, const std::string& path, int error) {
    std::string text(what);
    text += " ";
    text += path;
    text += ": ";
    text += std::strerror(error);
    return text;
}

bool WriteAll(int fd, std::string_view bytes, std::size_t budget) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (budget == 0) {
            errno = ENOSPC;
            return false;
        }
        const std::size_t chunk = std::min(bytes.size() - done, budget);
        const ssize_t n = ::write(fd, bytes.data() + done, chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
        budget -= static_cast<std::size_t>(n);
    }
    return true;
}

// Follows path through symbolic links to the file they name; a link whose
// target does not exist yet names that target, relative to the link's
// folder. False, with error set, on a loop or an unreadable link.
bool FollowLinks(const std::string& path, std::string& target, int& error) {
    constexpr int kMaxHops = 40;
    target = path;
    for (int hop = 0; hop < kMaxHops; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n <= 0) {
            error = n < 0 ? errno : EINVAL;
            return false;
        }
        link.resize(static_cast<std::size_t>(n));
        target = link[0] == '/' ? link : FolderOf(target) + "/" + link;
    }
    error = ELOOP;
    return false;
}

// The whole of fd, read from its start.
bool ReadAll(int fd, std::string& out) {
    out.clear();
    char buffer[65536];
    off_t at = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        out.append(buffer, static_cast<std::size_t>(n));
        at += n;
    }
}

// Writes bytes over the start of fd, then cuts the file to their length.
// Nothing is cut before the write, so old bytes written back always fit in
// the space the file already has.
bool Overwrite(int fd, std::string_view bytes, std::size_t budget) {
    return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, bytes, budget) &&
           ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// The plain rewrite, for a folder where no temporary file can be made. The
// old bytes are kept in memory and put back when the rewrite fails; reason
// gains what went wrong.
bool RewriteInPlace(const std::string& target, std::string_view bytes, std::size_t budget,
                    std::string& reason) {
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        reason += "; " + Failure("cannot rewrite", target, errno);
        return false;
    }
    std::string old;
    bool ok = ReadAll(fd, old);
    if (!ok) reason += "; " + Failure("cannot read", target, errno);
    if (ok && !Overwrite(fd, bytes, budget)) {
        reason += "; " + Failure("cannot rewrite", target, errno);
        ok = false;
        if (!Overwrite(fd, old, std::numeric_limits<std::size_t>::max())) {
            reason += "; " + Failure("cannot put back the old contents of", target, errno);
        }
    }
    if (::close(fd) != 0 && ok) {
        reason += "; " + Failure("cannot close", target, errno);
        ok = false;
    }
    return ok;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, const WriteFaults& faults,
                         std::string& reason) {
    reason.clear();
    // A symbolic link stays a link: its target is the file replaced.
    std::string target;
    int error = 0;
    if (!FollowLinks(path, target, error)) {
        reason = Failure("cannot save through", path, error);
        return false;
    }
    struct stat st {};
    const bool existed = ::stat(target.c_str(), &st) == 0;
    if (existed && S_ISDIR(st.st_mode)) {
        reason = Failure("cannot replace", target, EISDIR);
        return false;
    }

    static std::atomic<unsigned> counter{0};
    const std::string folder = FolderOf(target);
    std::string temp;
    int fd = -1;
    int createError = EACCES;  // what an injected refusal reports
    for (int attempt = 0; attempt < 100 && fd < 0 && !faults.refuseTemporaryFile; ++attempt) {
        temp = folder + "/.tbl-" + std::to_string(::getpid()) + "-" +
               std::to_string(counter.fetch_add(1)) + ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) createError = errno;
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        reason = Failure("cannot create a temporary file in", folder, createError);
        if (!existed || !S_ISREG(st.st_mode) ||
            !RewriteInPlace(target, bytes, faults.byteBudget, reason)) {
            return false;
        }
        reason.clear();
        return true;
    }
    if (existed) ::fchmod(fd, st.st_mode & 07777);  // keep the old file's permissions

    bool ok = WriteAll(fd, bytes, faults.byteBudget);
    if (!ok) reason = Failure("cannot write", temp, errno);
    if (ok && ::fsync(fd) != 0) {
        reason = Failure("cannot flush", temp, errno);
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        reason = Failure("cannot close", temp, errno);
        ok = false;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        reason = Failure("cannot replace", target, errno);
        ok = false;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // Makes the rename itself durable; the file is complete either way.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace tabloom
