#pragma once

#include <sys/wait.h>
#include <unistd.h>

// Runs body in a forked child and returns its exit status (-1 when it died),
// so that a test can change what the process may do (user, limits) without
// changing it for the rest of the suite.
template <typename Body>
int inChild(Body body)
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// CI runs as root, for whom permissions mean nothing: the child becomes
// "nobody" so that file and folder modes apply to it.
inline void becomeNobody()
{
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
        ::_exit(99);
}

// Whether the child that becomeNobody makes can enter path: a TMPDIR of mode
// 0700, as mktemp -d makes, shuts it out of every folder below.
inline bool nobodyCanEnter(const char* path)
{
    return inChild([&] {
        becomeNobody();
        return ::access(path, X_OK) == 0 ? 0 : 1;
    }) == 0;
}

#define SKIP_UNLESS_NOBODY_CAN_ENTER(path)                                                    \
    if (!nobodyCanEnter(path))                                                                \
    GTEST_SKIP() << "an unprivileged child cannot enter " << (path)                           \
                 << "; give TMPDIR search permission for others to run this case"

inline bool exitedCleanly(pid_t pid)
{
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

#ifdef PROFILE_WRITER_PATH
// Starts the profile_writer program: <count> keys "<prefix><n>" into one
// section of <file>, one call each.
inline pid_t startProfileWriter(const char* file, const char* prefix, const char* count)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl(PROFILE_WRITER_PATH, PROFILE_WRITER_PATH, file, prefix, count, nullptr);
        ::_exit(127);
    }
    return pid;
}
#endif
