#include "recording/PageFiles.h"

#include "recording/FileAccessError.h"
#include "recording/OpenPageFolder.h"

#include <cerrno>
#include <map>
#include <unordered_map>

namespace kelvppvw {

void ReportRemovalError(const RecordingHooks& hooks, int err)
{
    const AutomationError e = FileAccessError(err);
    hooks.showErrorBox("Error: " + std::to_string(e.number()) + "\r\n" + e.description() + "\r\nRemoveAllPages");
}

bool RemoveAllPages(const PageFolder& folder, std::string_view stamp, const RecordingHooks& hooks)
{
    return RemoveAllPages(folder, std::vector<std::string>{std::string(stamp)}, hooks).front();
}

std::vector<bool> RemoveAllPages(const PageFolder& folder, const std::vector<std::string>& stamps,
                                 const RecordingHooks& hooks)
{
    // Each stamp to the first place it was asked for; a value that is no
    // stamp names no file of ours, so nothing of it can remain.
    StampIndex wanted;
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

    OpenPageFolder dir(folder.path);
    if (dir.fd() < 0) {
        // No folder means no page files; anything else is worth telling.
        if (dir.error() != ENOENT && dir.error() != ENOTDIR) {
            ReportRemovalError(hooks, dir.error());
            allLeft();
        }
        return answer();
    }
    int scanError = 0;
    auto found = dir.pageFiles(wanted, scanError);
    if (scanError != 0) {
        // A scan cut short may have missed files of any run.
        ReportRemovalError(hooks, scanError);
        allLeft();
    }

    // Runs are handled in the order they were asked for.
    std::map<std::size_t, std::vector<std::string>*> inOrder;
    for (auto& [stamp, names] : found)
        inOrder.emplace(wanted.at(stamp), &names);
    for (auto& [index, names] : inOrder) {
        hooks.setBusyCursor(true);
        const int firstError = dir.remove(*names, 0, names->size());
        if (firstError != 0) {
            ReportRemovalError(hooks, firstError);
            left[index] = true;
        }
        hooks.setBusyCursor(false);
    }
    return answer();
}

}  // namespace kelvppvw
