#include "settings/ProfileStore.h"

#include <algorithm>

#include "platform/profile/PrivateProfile.h"

namespace kelvppvw {

std::string ReadProfileKey(std::string_view section, std::string_view key, std::string_view defaultValue,
                           const std::string& file)
{
    std::string buffer(255, ' ');
    GetPrivateProfileString(section, key, defaultValue, buffer, file);
    return CutAtNull(buffer);
}

bool WriteProfileKey(std::string_view section, std::string_view key, std::optional<std::string_view> value,
                     const std::string& file)
{
    return WritePrivateProfileString(section, key, value, file);
}

std::string CutAtNull(std::string_view text)
{
    if (auto nul = text.find('\0'); nul != std::string_view::npos)
        return std::string(text.substr(0, nul));
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

std::string ReadProfileSection(std::string_view section, const std::string& file)
{
    // A count of exactly size - 2 is how the profile call says "did not fit";
    // the buffer then grows, in whole steps of 1024 characters, up to 2e9.
    // Every size that fits gives the same answer, so the steps double: a list
    // of megabytes grown a kilobyte at a time would be read thousands of times.
    constexpr std::size_t kStep = 1024;
    constexpr std::size_t kLastMultiplier = 1953125;
    std::size_t multiplier = 1;
    std::string buffer(kStep, ' ');
    std::uint32_t n = 0;
    for (;;) {
        n = GetPrivateProfileSection(section, buffer, file);
        if (n == 0)
            return {};
        if (n != buffer.size() - 2 || multiplier == kLastMultiplier)
            break;
        multiplier = std::min(multiplier * 2, kLastMultiplier);
        buffer.assign(multiplier * kStep, ' ');
    }
    if (n <= 1)
        return {};
    buffer.resize(n - 1);
    return buffer;
}

}  // namespace kelvppvw
