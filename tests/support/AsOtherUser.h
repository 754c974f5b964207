// Runs a check as an unprivileged user, so that tests about files a user may not read or write
// mean the same as root (where CI runs) as they do for a developer: as root the check runs in a
// child process that has given up root for "nobody". Used by the file and settings tests.
#pragma once

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Runs check() without root's rights and returns what it returned (false if it could not run).
inline bool AsUnprivilegedUser(const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        constexpr uid_t Nobody = 65534;
        if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
            ::_exit(3);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) { }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
