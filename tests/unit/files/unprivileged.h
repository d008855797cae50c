// Running a check as an unprivileged user, so that file and device permissions apply even when
// the tests run as root (as they do in CI).
#pragma once

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace kv::test {

// The overflow user and group: owns nothing, belongs to no group.
inline constexpr uid_t kUnprivilegedId = 65534;

// Runs `check` and returns its result. As root it runs in a child process that has dropped to
// the overflow user first; the child's result comes back as its exit status. Objects the check
// changes in a child stay unchanged here.
inline bool RunUnprivileged(const std::function<bool()>& check) {
    if (::geteuid() != 0) return check();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kUnprivilegedId) == 0 &&
                             ::setuid(kUnprivilegedId) == 0 && ::geteuid() != 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

}  // namespace kv::test
