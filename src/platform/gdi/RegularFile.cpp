#include "platform/gdi/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvppvw::gdi {
namespace {

// Keeps fd when it is a regular file (for writing: with no other name, and
// emptied); closes it and returns -errno otherwise.
int keepIfRegular(int fd, bool forWriting)
{
    if (fd < 0)
        return errno ? -errno : -EIO;
    struct stat st {};
    int error = 0;
    if (::fstat(fd, &st) != 0)
        error = errno;
    else if (!S_ISREG(st.st_mode) || (forWriting && st.st_nlink > 1))
        error = forWriting ? EEXIST : EINVAL;
    else if (forWriting && st.st_size > 0 && ::ftruncate(fd, 0) != 0)
        error = errno;
    if (error == 0)
        return fd;
    ::close(fd);
    return -error;
}

} // namespace

int openRegularForReading(const std::string& path)
{
    return keepIfRegular(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC), false);
}

int openRegularForWriting(const std::string& path)
{
    // Not truncated by the open: a file that is refused keeps its bytes.
    return keepIfRegular(::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666), true);
}

} // namespace kelvppvw::gdi
