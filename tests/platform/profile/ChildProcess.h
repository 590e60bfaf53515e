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
