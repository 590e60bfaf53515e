#include "recording/PageFiles.h"

#include "recording/FileAccessError.h"

#include <cerrno>
#include <map>
#include <unordered_map>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvppvw {

namespace {

void report(const RecordingHooks& hooks, int err)
{
    const AutomationError e = FileAccessError(err);
    hooks.showErrorBox("Error: " + std::to_string(e.number()) + "\r\n" + e.description() + "\r\nRemoveAllPages");
}

class Folder {
public:
    explicit Folder(const std::string& path)
        // A page folder that is a link is followed, as recording into it
        // follows it: the files are wherever the pages went.
        : fd_(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)), error_(fd_ < 0 ? errno : 0)
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
            if (!isRegularFile(*e))
                continue;
            found[it->first].emplace_back(name);
        }
        ::closedir(dir);
        return found;
    }

private:
    // Most file systems say in the entry; others need a look.
    bool isRegularFile(const dirent& e) const
    {
        if (e.d_type != DT_UNKNOWN)
            return e.d_type == DT_REG;
        struct stat st{};
        return ::fstatat(fd_, e.d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
    }

    int fd_;
    int error_;
};

}  // namespace

bool RemoveAllPages(const PageFolder& folder, std::string_view stamp, const RecordingHooks& hooks)
{
    return RemoveAllPages(folder, std::vector<std::string>{std::string(stamp)}, hooks).front();
}

std::vector<bool> RemoveAllPages(const PageFolder& folder, const std::vector<std::string>& stamps,
                                 const RecordingHooks& hooks)
{
    // Each stamp to the first place it was asked for; a value that is no
    // stamp names no file of ours, so nothing of it can remain.
    std::unordered_map<std::string, std::size_t> wanted;
    for (std::size_t i = 0; i < stamps.size(); ++i)
        if (IsPageStamp(stamps[i]))
            wanted.emplace(stamps[i], i);
    std::vector<bool> left(stamps.size(), false);  // by first place
    const auto answer = [&] {
        std::vector<bool> gone(stamps.size(), true);
        for (std::size_t i = 0; i < stamps.size(); ++i)
            if (auto it = wanted.find(stamps[i]); it != wanted.end())
                gone[i] = !left[it->second];
        return gone;
    };
    const auto allLeft = [&] {
        for (const auto& [stamp, index] : wanted)
            left[index] = true;
    };
    if (wanted.empty())
        return answer();

    Folder dir(folder.path);
    if (dir.fd() < 0) {
        // No folder means no page files; anything else is worth telling.
        if (dir.error() != ENOENT && dir.error() != ENOTDIR) {
            report(hooks, dir.error());
            allLeft();
        }
        return answer();
    }
    int scanError = 0;
    auto found = dir.pageFiles(wanted, scanError);
    if (scanError != 0) {
        // A scan cut short may have missed files of any run.
        report(hooks, scanError);
        allLeft();
    }

    // Runs are handled in the order they were asked for.
    std::map<std::size_t, std::vector<std::string>*> inOrder;
    for (auto& [stamp, names] : found)
        inOrder.emplace(wanted.at(stamp), &names);
    for (auto& [index, names] : inOrder) {
        hooks.setBusyCursor(true);
        int firstError = 0;
        for (const std::string& name : *names) {
            if (::unlinkat(dir.fd(), name.c_str(), 0) != 0 && errno != ENOENT && firstError == 0)
                firstError = errno;
        }
        if (firstError != 0) {
            report(hooks, firstError);
            left[index] = true;
        }
        hooks.setBusyCursor(false);
    }
    return answer();
}

}  // namespace kelvppvw
