#include "recording/StampCleanup.h"

#include <string>
#include <vector>

#include "platform/profile/PrivateProfile.h"
#include "recording/LocalDateTime.h"
#include "recording/PageFiles.h"
#include "settings/ProfileStore.h"

namespace kelvppvw {

namespace {

constexpr std::int64_t kStaleHours = 12;

// Tolerates a hand-edited list with blanks around "=".
std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

}  // namespace

void PurgeStaleStamps(const PageFolder& folder, const RecordingHooks& hooks)
{
    const std::string list = folder.cleanupList();
    const std::string section = ReadProfileSection(kStampSection, list);
    if (section.empty())
        return;

    const LocalDateTime now = hooks.now();
    std::vector<std::string> staleKeys;
    std::vector<std::string> staleStamps;
    std::string_view rest = section;
    while (!rest.empty()) {
        const std::size_t nul = rest.find('\0');
        const std::string_view entry = rest.substr(0, nul);
        rest = nul == std::string_view::npos ? std::string_view{} : rest.substr(nul + 1);

        const std::size_t eq = entry.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string_view key = trimBlanks(entry.substr(0, eq));
        const std::string_view value = trimBlanks(entry.substr(eq + 1));
        const auto serial = ParseDateSerial(value.substr(0, value.find('_')));
        if (!serial)
            continue;
        const auto written = FromDateSerial(*serial);
        if (!written || HourBoundariesBetween(*written, now) < kStaleHours)
            continue;
        staleKeys.emplace_back(key);
        staleStamps.emplace_back(value);
    }
    if (staleKeys.empty())
        return;
    // One scan of the folder serves every stamp and one rewrite of the list
    // every key. Files go first: an entry stays listed while any file of its
    // run is left, or no later run would ever find them.
    // The line removed is the one that named the run, even where a key is
    // listed twice.
    const std::vector<bool> gone = RemoveAllPages(folder, staleStamps, hooks);
    std::vector<IniDocument::Entry> delisted;
    for (std::size_t i = 0; i < staleKeys.size(); ++i)
        if (gone[i])
            delisted.push_back({std::move(staleKeys[i]), std::move(staleStamps[i])});
    if (!delisted.empty())
        DeletePrivateProfileEntries(kStampSection, delisted, list);
}

void RemoveStampEntry(const PageFolder& folder, std::string_view key)
{
    WriteProfileKey(kStampSection, key, std::nullopt, folder.cleanupList());
}

}  // namespace kelvppvw
