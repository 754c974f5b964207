// Bounded, non-blocking reads; the temporary file, its flush and the rename.
#include "SafeFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string SystemReason() { return std::strerror(errno); }

// Writes all of bytes to fd; false with errno set when it could not.
bool WriteAll(int fd, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

// The mode a new file gets: what the umask leaves of 0666. The umask can only be read by setting
// it, so the process's status file is asked first.
mode_t NewFileMode()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return mode_t(0666 & ~std::stoul(line.substr(6), nullptr, 8));
    }
    const mode_t mask = umask(022);
    umask(mask);
    return mode_t(0666 & ~mask);
}

// Follows symbolic links from path to the file they name (which need not exist yet).
bool ResolveLinks(std::string& path)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st { };
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        char target[PATH_MAX];
        const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
        if (n < 0)
            return false;
        target[n] = '\0';
        if (target[0] == '/') {
            path = target;
        } else {
            const std::size_t slash = path.rfind('/');
            path = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + target;
        }
    }
    errno = ELOOP;
    return false;
}

// Rewrites an existing file in place: the way left when its folder takes no new file.
Status RewriteInPlace(const std::string& path, const std::string& shownName, std::string_view bytes)
{
    auto failure = [&](const char* what) {
        return Error { ErrorKind::Io,
            std::string(what) + " \"" + shownName + "\": " + SystemReason() };
    };
    const int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failure("Cannot create");
    if (!WriteAll(fd, bytes) || fsync(fd) != 0) {
        Error error = failure("Cannot write");
        close(fd);
        return error;
    }
    if (close(fd) != 0)
        return failure("Cannot write");
    return {};
}

} // namespace

std::string BaseName(const std::string& fileName)
{
    const std::size_t slash = fileName.find_last_of('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

Result<FileBytes> ReadFileBounded(const std::string& fileName, std::size_t maxBytes)
{
    // Non-blocking, so that a FIFO without a writer (or a device) cannot hold the program.
    const int fd = open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return Error { ErrorKind::NotFound, "it does not exist" };
        return Error { ErrorKind::Io, "it could not be opened: " + SystemReason() };
    }
    struct stat st { };
    if (fstat(fd, &st) != 0) {
        Error error { ErrorKind::Io, "it could not be read: " + SystemReason() };
        close(fd);
        return error;
    }
    if (!S_ISREG(st.st_mode)) {
        close(fd);
        return Error { ErrorKind::NotAFile,
            S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a regular file" };
    }
    // One byte more than the budget tells a file of exactly the budget from a larger one.
    FileBytes result;
    result.Bytes.resize(maxBytes + 1);
    std::size_t got = 0;
    while (got < result.Bytes.size()) {
        const ssize_t n = read(fd, result.Bytes.data() + got, result.Bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            Error error { ErrorKind::Io, "it could not be read: " + SystemReason() };
            close(fd);
            return error;
        }
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    close(fd);
    if (got > maxBytes) {
        result.Cut = Error { ErrorKind::TooLarge,
            "it is larger than " + std::to_string(maxBytes) + " bytes" };
        got = maxBytes;
    }
    result.Bytes.resize(got);
    return result;
}

Status ReplaceFile(const std::string& fileName, std::string_view bytes)
{
    auto failure = [&](const char* what) {
        return Error { ErrorKind::Io,
            std::string(what) + " \"" + fileName + "\": " + SystemReason() };
    };
    std::string path = fileName;
    if (!ResolveLinks(path))
        return failure("Cannot follow");

    struct stat st { };
    const bool exists = stat(path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return Error { ErrorKind::NotAFile,
            "Cannot replace \"" + fileName + "\": it is not a regular file" };
    }

    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        // A folder that takes no new file may still hold a file the user may write.
        if (exists && (errno == EACCES || errno == EPERM || errno == EROFS)
            && access(path.c_str(), W_OK) == 0)
            return RewriteInPlace(path, fileName, bytes);
        return failure("Cannot create");
    }
    if (exists) {
        fchmod(fd, st.st_mode & 07777);
        if (fchown(fd, st.st_uid, st.st_gid) != 0) { } // only a privileged user can give it away
    } else {
        fchmod(fd, NewFileMode());
    }
    if (!WriteAll(fd, bytes)) {
        Error error = failure("Cannot write");
        close(fd);
        unlink(temp.c_str());
        return error;
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        Error error = failure("Cannot write");
        unlink(temp.c_str());
        return error;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        Error error = failure("Cannot replace");
        unlink(temp.c_str());
        return error;
    }
    return {};
}
