#include "host/PreviewValues.h"

#include "platform/automation/ErrorTrap.h"

#include <cstdlib>
#include <dlfcn.h>
#include <sys/stat.h>

namespace kelvppvw {

std::string gsAppPath;
std::string gsAppName;
std::string gsAppSect;
std::string gsAppPrnt;
std::string gsPrtAppIni;
std::string gsPrtFileName;
std::string gsPrtFilePath;
std::string gsObjClassName;
std::string gsRmtServerName;
std::string gsSetupKey;
int32_t glMilliWait = 0;
int32_t glMilliWaitSet = 0;
ObjectRef goPrintDataObj;

std::string FolderOfModule(const std::string& modulePath) {
    const auto slash = modulePath.find_last_of('/');
    std::string folder = slash == std::string::npos ? std::string(".") : modulePath.substr(0, slash + 1);
    // A folder string ends with a separator only at the root; the component
    // keeps its folder without one, so the root becomes "".
    if (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    return folder;
}

std::string PreviewFolderOf(const std::string& appPath) { return appPath + "/Preview"; }

std::string ComponentFolder() {
    if (const char* overridden = std::getenv(AppPathVariable); overridden && *overridden) {
        std::string folder(overridden);
        while (!folder.empty() && folder.back() == '/')
            folder.pop_back();
        return folder;
    }
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&FolderOfModule), &info) == 0 || !info.dli_fname)
        throw AutomationError(53, "Cannot find the component's own file");
    char resolved[4096];
    const std::string path = realpath(info.dli_fname, resolved) ? resolved : info.dli_fname;
    return FolderOfModule(path);
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

void CreatePreviewFolder() {
    stopSilently([] {
        gsAppPath = ComponentFolder();
        const std::string folder = PreviewFolderOf(gsAppPath);
        if (!FileExists(folder) && ::mkdir(folder.c_str(), 0777) != 0)
            throw AutomationError(75);
    });
}

} // namespace kelvppvw
