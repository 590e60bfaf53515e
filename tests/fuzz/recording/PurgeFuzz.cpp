// Any Cleanup.ini: the purge never touches a file outside its page folder
// or one that is not a page file, and never delists a run whose page file
// it left behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>

#include "recording/PageFolder.h"
#include "recording/StampCleanup.h"

namespace fs = std::filesystem;
using namespace kelvppvw;

namespace {

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

void touch(const fs::path& path) { std::ofstream(path, std::ios::binary) << "EMF"; }

// The run stamps the list names.
std::set<std::string> listedStamps(const PageFolder& folder)
{
    std::set<std::string> stamps;
    for (const IniDocument::Entry& run : ListedRuns(folder))
        if (IsPageStamp(run.value))
            stamps.insert(run.value);
    return stamps;
}

struct Scene {
    fs::path home;
    PageFolder folder;
    RecordingHooks hooks;
    Scene()
    {
        std::string pattern = (fs::temp_directory_path() / "kelvppvw-purge-fuzz-XXXXXX").string();
        check(::mkdtemp(pattern.data()) != nullptr);
        home = pattern;
        folder = PageFolder::beside(home.string());
        hooks.now = [] { return LocalDateTime{2026, 12, 4, 22, 0, 0}; };
        std::atexit([] { fs::remove_all(scene().home); });
    }
    static Scene& scene();
};

Scene& Scene::scene()
{
    static Scene s;
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Scene& s = Scene::scene();
    fs::remove_all(s.folder.path);
    fs::create_directories(s.folder.path);
    const fs::path outside = s.home / "Page_46360.5_001_1.emf";
    const fs::path notAPage = fs::path(s.folder.path) / "Page_46360.5_001_1.emf.keep";
    touch(outside);
    touch(notAPage);
    std::ofstream(s.folder.cleanupList(), std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    // One page file for every run the list names, plus one for a negative page.
    const std::set<std::string> before = listedStamps(s.folder);
    for (const std::string& stamp : before) {
        touch(s.folder.pageFile(stamp, 1));
        touch(s.folder.pageFile(stamp, -1));
    }

    PurgeStaleStamps(s.folder, s.hooks);

    check(fs::exists(outside) && fs::exists(notAPage));
    const std::set<std::string> after = listedStamps(s.folder);
    for (const std::string& stamp : before) {
        const bool left = fs::exists(s.folder.pageFile(stamp, 1)) || fs::exists(s.folder.pageFile(stamp, -1));
        check(!left || after.count(stamp));
        // A run's pages go together or not at all.
        check(fs::exists(s.folder.pageFile(stamp, 1)) == fs::exists(s.folder.pageFile(stamp, -1)));
    }
    return 0;
}
