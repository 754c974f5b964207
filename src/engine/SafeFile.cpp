// The temporary file, its flush and the rename.
#include "SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

std::string ReplaceFile(const std::string& fileName, std::string_view bytes)
{
    auto failure = [&](const char* what) {
        return std::string(what) + " \"" + fileName + "\": " + std::strerror(errno);
    };
    std::string temp = fileName + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return failure("Cannot create");
    fchmod(fd, 0644); // mkstemp's 0600 would hide the file from other programs of the user's
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            const std::string error = failure("Cannot write");
            close(fd);
            unlink(temp.c_str());
            return error;
        }
        done += std::size_t(n);
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        const std::string error = failure("Cannot write");
        unlink(temp.c_str());
        return error;
    }
    if (std::rename(temp.c_str(), fileName.c_str()) != 0) {
        const std::string error = failure("Cannot replace");
        unlink(temp.c_str());
        return error;
    }
    return {};
}
