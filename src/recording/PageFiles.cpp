#include "recording/PageFiles.h"

#include <cerrno>
#include <map>
#include <unordered_map>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvppvw {

namespace {

struct FileError {
    int number = 0;
    const char* description = "";
};

// The error numbers and texts the host's users know from file deletion.
FileError fileError(int err)
{
    switch (err) {
    case EACCES:
    case EPERM:
    case EROFS:
        return {70, "Permission denied"};
    default:
        return {75, "Path/File access error"};
    }
}

void report(const RecordingHooks& hooks, const FileError& e)
{
    hooks.showErrorBox("Error: " + std::to_string(e.number) + "\r\n" + e.description + "\r\nRemoveAllPages");
}

class Folder {
public:
    explicit Folder(const std::string& path)
        // The folder itself must not be a link either: nothing outside it is ours.
        : fd_(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)), error_(fd_ < 0 ? errno : 0)
    {
    }
    ~Folder()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    int fd() const { return fd_; }
    int error() const { return error_; }

    // Names of regular files in the folder whose stamp is wanted, by stamp.
    std::unordered_map<std::string, std::vector<std::string>> pageFiles(
        const std::unordered_map<std::string, std::size_t>& wanted, int& scanError) const
    {
        std::unordered_map<std::string, std::vector<std::string>> found;
        scanError = 0;
        const int dupFd = ::dup(fd_);
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
        while (const dirent* e = ::readdir(dir)) {
            const std::string_view name = e->d_name;
            const std::string_view stamp = StampOfPageFile(name);
            if (stamp.empty())
                continue;
            auto it = wanted.find(std::string(stamp));
            if (it == wanted.end())
                continue;
            struct stat st{};
            if (::fstatat(fd_, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
                continue;
            found[it->first].emplace_back(name);
        }
        ::closedir(dir);
        return found;
    }

private:
    int fd_;
    int error_;
};

}  // namespace

void RemoveAllPages(const PageFolder& folder, std::string_view stamp, const RecordingHooks& hooks)
{
    RemoveAllPages(folder, std::vector<std::string>{std::string(stamp)}, hooks);
}

void RemoveAllPages(const PageFolder& folder, const std::vector<std::string>& stamps, const RecordingHooks& hooks)
{
    std::unordered_map<std::string, std::size_t> wanted;
    for (const std::string& s : stamps)
        if (IsPageStamp(s))
            wanted.emplace(s, wanted.size());
    if (wanted.empty())
        return;

    Folder dir(folder.path);
    if (dir.fd() < 0) {
        // No folder means no page files; anything else is worth telling.
        if (dir.error() != ENOENT && dir.error() != ENOTDIR)
            report(hooks, fileError(dir.error()));
        return;
    }
    int scanError = 0;
    auto found = dir.pageFiles(wanted, scanError);
    if (scanError != 0)
        report(hooks, fileError(scanError));

    // Runs are handled in the order they were asked for.
    std::map<std::size_t, std::vector<std::string>*> inOrder;
    for (auto& [stamp, names] : found)
        inOrder.emplace(wanted.at(stamp), &names);
    for (auto& [order, names] : inOrder) {
        (void)order;
        hooks.setBusyCursor(true);
        int firstError = 0;
        for (const std::string& name : *names) {
            if (::unlinkat(dir.fd(), name.c_str(), 0) != 0 && errno != ENOENT && firstError == 0)
                firstError = errno;
        }
        if (firstError != 0)
            report(hooks, fileError(firstError));
        hooks.setBusyCursor(false);
    }
}

}  // namespace kelvppvw
