#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/profile/TempFolder.h"
#include "recording/PageFolder.h"
#include "recording/RecordingHooks.h"
#include "recording/RunStamp.h"
#include "settings/ProfileStore.h"

// A component folder with its Preview folder, a fixed clock and a record of
// what the user interface was asked to show.
class RecordingFixture {
public:
    RecordingFixture() : folder(kelvppvw::PageFolder::beside(dir.path().string()))
    {
        std::filesystem::create_directory(folder.path);
        hooks.now = [this] { return now; };
        hooks.drawRunNumber = [this] { return draw; };
        hooks.setBusyCursor = [this](bool busy) { busyCalls.push_back(busy); };
        hooks.showErrorBox = [this](const std::string& text) { errorBoxes.push_back(text); };
    }

    // Lists a run written at `when` and records `pages` page files for it.
    std::string addRun(const kelvppvw::LocalDateTime& when, int number, int pages = 3)
    {
        const std::string stamp = kelvppvw::FormatPageStamp(when, number);
        kelvppvw::WriteProfileKey(kelvppvw::kStampSection, kelvppvw::FormatStampKey(when, number), stamp,
                                  folder.cleanupList());
        for (int p = 1; p <= pages; ++p)
            touch(folder.pageFile(stamp, p));
        return stamp;
    }

    static void touch(const std::string& path) { writeBytes(path, "EMF"); }
    bool exists(const std::string& name) const
    {
        return std::filesystem::symlink_status(folder.path + "/" + name).type() != std::filesystem::file_type::not_found;
    }
    // The names of a run's page files, in the order the folder lists them.
    std::vector<std::string> runFiles(const std::string& stamp) const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder.path))
            if (e.path().filename().string().starts_with("Page_" + stamp + "_"))
                names.push_back(e.path().filename().string());
        return names;
    }
    std::string listed(const std::string& key) const
    {
        return kelvppvw::ReadProfileKey(kelvppvw::kStampSection, key, "<none>", folder.cleanupList());
    }

    TempFolder dir;
    kelvppvw::PageFolder folder;
    kelvppvw::LocalDateTime now{2026, 12, 4, 22, 0, 0};
    int draw = 42;
    kelvppvw::RecordingHooks hooks;
    std::vector<bool> busyCalls;
    std::vector<std::string> errorBoxes;
};
