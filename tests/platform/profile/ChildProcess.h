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
