// Bounded, non-blocking reads; the temporary file, its flush and the rename.
#include "SafeFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
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
            path
                = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + target;
        }
    }
    errno = ELOOP;
    return false;
}

// Whether this process may not write the file as its permissions stand. Root may write anything,
// so for root a file without a single write bit counts as protected, as rm sees it.
bool IsWriteProtected(const std::string& path, const struct stat& st)
{
    if (geteuid() == 0)
        return (st.st_mode & 0222) == 0;
    return faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

// After a rename the folder's entry is on disk only once the folder itself is synced; a file
// system that cannot sync a folder has nothing to lose by it.
void SyncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

// An old-style temporary ends in six random letters and digits after the file's own name, where a
// user's copy might end in a word ("reversi.ini.backup"): only a mix of upper and lower case
// counts, which leaves a few of the old ones behind rather than ever take one of the user's.
bool LooksRandom(std::string_view s)
{
    bool upper = false, lower = false;
    for (const char c : s) {
        upper = upper || std::isupper(static_cast<unsigned char>(c));
        lower = lower || std::islower(static_cast<unsigned char>(c));
    }
    return upper && lower && s.size() == 6 && std::all_of(s.begin(), s.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c));
    });
}

constexpr std::string_view TemporaryPrefix = ".corvana-";
constexpr std::string_view TemporarySuffix = ".tmp";
constexpr std::size_t TemporaryRandom = 6; // the XXXXXX of mkstemps

bool IsRandomPart(std::string_view s)
{
    if (s.size() != TemporaryRandom)
        return false;
    for (const char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

std::string BaseName(const std::string& fileName)
{
    const std::size_t slash = fileName.find_last_of('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

Error NotOpened(const std::string& fileName, const Error& why)
{
    return Error { why.Kind,
        Say(QT_TRANSLATE_NOOP("Reasons", "%1 was not opened: %2"),
            { Plain(BaseName(fileName)), why.Said() }) };
}

Result<FileBytes> ReadFileBounded(const std::string& fileName, std::size_t maxBytes)
{
    // Non-blocking, so that a FIFO without a writer (or a device) cannot hold the program.
    const int fd = open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return Error { ErrorKind::NotFound,
                Say(QT_TRANSLATE_NOOP("Reasons", "it does not exist")) };
        return Error { ErrorKind::Io,
            Say(QT_TRANSLATE_NOOP("Reasons", "it could not be opened: %1"),
                { Plain(SystemReason()) }) };
    }
    struct stat st { };
    if (fstat(fd, &st) != 0) {
        Error error { ErrorKind::Io,
            Say(QT_TRANSLATE_NOOP("Reasons", "it could not be read: %1"),
                { Plain(SystemReason()) }) };
        close(fd);
        return error;
    }
    if (!S_ISREG(st.st_mode)) {
        close(fd);
        return Error { ErrorKind::NotAFile,
            S_ISDIR(st.st_mode) ? Say(QT_TRANSLATE_NOOP("Reasons", "it is a folder"))
                                : Say(QT_TRANSLATE_NOOP("Reasons", "it is not a regular file")) };
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
            Error error { ErrorKind::Io,
                Say(QT_TRANSLATE_NOOP("Reasons", "it could not be read: %1"),
                    { Plain(SystemReason()) }) };
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
            Say(QT_TRANSLATE_NOOP("Reasons", "it is larger than %1 bytes"), { Number(maxBytes) }) };
        got = maxBytes;
    }
    result.Bytes.resize(got);
    return result;
}

std::string FolderOf(const std::string& fileName)
{
    const std::size_t slash = fileName.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : fileName.substr(0, slash);
}

Status RemoveFile(const std::string& fileName)
{
    struct stat st { };
    if (stat(fileName.c_str(), &st) != 0)
        return errno == ENOENT ? Status {}
                               : Error { ErrorKind::Io,
                                     Say(QT_TRANSLATE_NOOP("Reasons", "Cannot remove \"%1\": %2"),
                                         { Plain(fileName), Plain(SystemReason()) }) };
    if (!S_ISREG(st.st_mode))
        return Error { ErrorKind::NotAFile,
            Say(QT_TRANSLATE_NOOP("Reasons", "Cannot remove \"%1\": it is not a regular file"),
                { Plain(fileName) }) };
    if (IsWriteProtected(fileName, st))
        return Error { ErrorKind::ReadOnly,
            Say(QT_TRANSLATE_NOOP("Reasons", "Cannot remove \"%1\": the file is read-only"),
                { Plain(fileName) }) };
    if (unlink(fileName.c_str()) != 0 && errno != ENOENT)
        return Error { ErrorKind::Io,
            Say(QT_TRANSLATE_NOOP("Reasons", "Cannot remove \"%1\": %2"),
                { Plain(fileName), Plain(SystemReason()) }) };
    return {};
}

bool IsOwnTemporaryName(std::string_view name)
{
    if (name.size() != TemporaryPrefix.size() + TemporaryRandom + TemporarySuffix.size()
        || name.substr(0, TemporaryPrefix.size()) != TemporaryPrefix
        || name.substr(name.size() - TemporarySuffix.size()) != TemporarySuffix)
        return false;
    return IsRandomPart(name.substr(TemporaryPrefix.size(), TemporaryRandom));
}

int RemoveStaleTemporaries(
    const std::string& folder, const std::vector<std::string>& legacyPrefixes, int minAgeSeconds)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return 0;
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        bool ours = IsOwnTemporaryName(name);
        for (const std::string& prefix : legacyPrefixes)
            ours = ours
                || (name.size() == prefix.size() + TemporaryRandom
                    && name.substr(0, prefix.size()) == prefix
                    && LooksRandom(name.substr(prefix.size())));
        if (!ours)
            continue;
        const std::string path = folder + "/" + std::string(name);
        struct stat st { };
        if (lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()
            || now - st.st_mtime < minAgeSeconds)
            continue;
        if (unlink(path.c_str()) == 0)
            ++removed;
    }
    closedir(dir);
    return removed;
}

Status ReplaceFile(const std::string& fileName, std::string_view bytes, WriteProtection protection)
{
    // what: a text with the file's name for %1 and the system's reason for %2.
    auto failure = [&](const char* what) {
        return Error { ErrorKind::Io, Say(what, { Plain(fileName), Plain(SystemReason()) }) };
    };
    std::string path = fileName;
    if (!ResolveLinks(path))
        return failure(QT_TRANSLATE_NOOP("Reasons", "Cannot follow \"%1\": %2"));
    const std::string folder = FolderOf(path);

    struct stat st { };
    const bool exists = stat(path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return Error { ErrorKind::NotAFile,
            Say(QT_TRANSLATE_NOOP("Reasons", "Cannot replace \"%1\": it is not a regular file"),
                { Plain(fileName) }) };
    }
    if (exists && protection == WriteProtection::Respect && IsWriteProtected(path, st))
        return Error { ErrorKind::ReadOnly,
            Say(QT_TRANSLATE_NOOP("Reasons", "Cannot replace \"%1\": the file is read-only"),
                { Plain(fileName) }) };
    // The new file would be ours: only root can hand it back to the owner of the old one.
    if (exists && st.st_uid != geteuid() && geteuid() != 0)
        return Error { ErrorKind::Io,
            Say(QT_TRANSLATE_NOOP("Reasons", "Cannot replace \"%1\": it belongs to another user"),
                { Plain(fileName) }) };

    std::string temp = folder + "/" + std::string(TemporaryPrefix)
        + std::string(TemporaryRandom, 'X') + std::string(TemporarySuffix);
    const int fd = mkstemps(temp.data(), int(TemporarySuffix.size()));
    if (fd < 0) {
        if (errno == EACCES || errno == EPERM || errno == EROFS)
            return Error { ErrorKind::Io,
                Say(QT_TRANSLATE_NOOP(
                        "Reasons", "Cannot write \"%1\": the folder \"%2\" is read-only"),
                    { Plain(fileName), Plain(folder) }) };
        return failure(QT_TRANSLATE_NOOP("Reasons", "Cannot create \"%1\": %2"));
    }
    if (exists) {
        fchmod(fd, st.st_mode & 07777);
        if (fchown(fd, st.st_uid, st.st_gid) != 0) { } // the group only where we may choose it
    } else {
        fchmod(fd, NewFileMode());
    }
    if (!WriteAll(fd, bytes)) {
        Error error = failure(QT_TRANSLATE_NOOP("Reasons", "Cannot write \"%1\": %2"));
        close(fd);
        unlink(temp.c_str());
        return error;
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        Error error = failure(QT_TRANSLATE_NOOP("Reasons", "Cannot write \"%1\": %2"));
        unlink(temp.c_str());
        return error;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        Error error = failure(QT_TRANSLATE_NOOP("Reasons", "Cannot replace \"%1\": %2"));
        unlink(temp.c_str());
        return error;
    }
    SyncFolder(folder);
    return {};
}
