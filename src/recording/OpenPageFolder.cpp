#include "recording/OpenPageFolder.h"

#include "recording/PageFolder.h"

#include <cerrno>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvppvw {

OpenPageFolder::OpenPageFolder(const std::string& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)), error_(fd_ < 0 ? errno : 0)
{
}

OpenPageFolder::~OpenPageFolder()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::unordered_map<std::string, std::vector<std::string>> OpenPageFolder::pageFiles(const StampIndex& wanted,
                                                                                    int& scanError) const
{
    std::unordered_map<std::string, std::vector<std::string>> found;
    scanError = 0;
    // A copy for the stream, close-on-exec as the folder's own (dup drops it).
    const int dupFd = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
    if (dupFd < 0) {
        scanError = errno;
        return found;
    }
    DIR* dir = ::fdopendir(dupFd);
    if (!dir) {
        scanError = errno;
        ::close(dupFd);
        return found;
    }
    for (;;) {
        errno = 0;
        const dirent* e = ::readdir(dir);
        if (!e) {
            scanError = errno;
            break;
        }
        const std::string_view name = e->d_name;
        const std::string_view stamp = StampOfPageFile(name);
        if (stamp.empty())
            continue;
        auto it = wanted.find(stamp);
        if (it != wanted.end() && isRegularFile(e->d_name, e->d_type))
            found[it->first].emplace_back(name);
    }
    ::closedir(dir);
    return found;
}

int OpenPageFolder::remove(const std::vector<std::string>& names, std::size_t first, std::size_t last) const
{
    int firstError = 0;
    for (std::size_t i = first; i < last; ++i)
        if (::unlinkat(fd_, names[i].c_str(), 0) != 0 && errno != ENOENT && firstError == 0)
            firstError = errno;
    return firstError;
}

// Most file systems say in the entry; others need a look.
bool OpenPageFolder::isRegularFile(const char* name, unsigned char type) const
{
    if (type != DT_UNKNOWN)
        return type == DT_REG;
    struct stat st{};
    return ::fstatat(fd_, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
}

}  // namespace kelvppvw
