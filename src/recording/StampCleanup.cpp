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

std::vector<IniDocument::Entry> ListedRuns(const PageFolder& folder)
{
    std::vector<IniDocument::Entry> runs;
    const std::string section = ReadProfileSection(kStampSection, folder.cleanupList());
    std::string_view rest = section;
    while (!rest.empty()) {
        const std::size_t nul = rest.find('\0');
        const std::string_view entry = rest.substr(0, nul);
        rest = nul == std::string_view::npos ? std::string_view{} : rest.substr(nul + 1);
        const std::size_t eq = entry.find('=');
        if (eq != std::string_view::npos)
            runs.push_back({std::string(trimBlanks(entry.substr(0, eq))), std::string(trimBlanks(entry.substr(eq + 1)))});
    }
    return runs;
}

void PurgeStaleStamps(const PageFolder& folder, const RecordingHooks& hooks)
{
    std::vector<IniDocument::Entry> runs = ListedRuns(folder);
    if (runs.empty())
        return;
    const LocalDateTime now = hooks.now();
    std::vector<IniDocument::Entry> stale;
    for (IniDocument::Entry& run : runs) {
        const std::string_view value = run.value;
        const auto serial = ParseDateSerial(value.substr(0, value.find('_')));
        if (!serial)
            continue;
        const auto written = FromDateSerial(*serial);
        if (written && HourBoundariesBetween(*written, now) >= kStaleHours)
            stale.push_back(std::move(run));
    }
    if (stale.empty())
        return;
    // One scan of the folder serves every run and one rewrite of the list
    // every entry. Files go first: an entry stays listed while any file of
    // its run is left, or no later run would ever find them. The line that
    // goes is the one naming the run, even where a key is listed twice.
    std::vector<std::string> stamps;
    for (const IniDocument::Entry& run : stale)
        stamps.push_back(run.value);
    const std::vector<bool> gone = RemoveAllPages(folder, stamps, hooks);
    std::vector<IniDocument::Entry> delisted;
    for (std::size_t i = 0; i < stale.size(); ++i)
        if (gone[i])
            delisted.push_back(std::move(stale[i]));
    if (!delisted.empty())
        DeletePrivateProfileEntries(kStampSection, delisted, folder.cleanupList());
}

void RemoveStampEntry(const PageFolder& folder, std::string_view key)
{
    WriteProfileKey(kStampSection, key, std::nullopt, folder.cleanupList());
}

}  // namespace kelvppvw
