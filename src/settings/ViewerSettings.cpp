#include "settings/ViewerSettings.h"

#include <charconv>
#include <cmath>

#include "settings/ProfileStore.h"

namespace kelvppvw {

namespace {

// System colours keep the top bit set; stored as negative decimal text.
constexpr std::int32_t systemColour(std::int32_t index)
{
    return static_cast<std::int32_t>(0x80000000u | static_cast<std::uint32_t>(index));
}

struct KeyDefault {
    std::size_t entry;
    std::string_view key;
    std::string_view defaultText;
};

constexpr KeyDefault kFirstKeys[] = {
    {ViewerSetting::Color1, "Color1", "-2147483632"},
    {ViewerSetting::Color2, "Color2", "-2147483633"},
    {ViewerSetting::Color3, "Color3", "-2147483627"},
    {ViewerSetting::Color4, "Color4", "-2147483636"},
    {ViewerSetting::Color5, "Color5", "-2147483643"},
    {ViewerSetting::ShadowDepth, "ShadowDepth", "30"},
    {ViewerSetting::RulerScale, "RulerScale", "5"},
    {ViewerSetting::PanOnZoom, "PanOnZoom", "0"},
};

constexpr KeyDefault kRulerKeys[] = {
    {ViewerSetting::Color6, "Color6", "-2147483636"},
    {ViewerSetting::RulerCrossHairs, "RulerCrossHairs", "1"},
    {ViewerSetting::RulersDisplayed, "RulersDisplayed", "0"},
    {ViewerSetting::RulerDimension, "RulerDimension", "300"},
};

constexpr std::string_view kKeys[17] = {
    "AutoRangeMax", "Color1", "Color2", "Color3", "Color4", "Color5", "AutoScaleMenu", "ShadowDepth",
    "RulerDimension", "RulersDisplayed", "RulerCrossHairs", "Color6", "", "", "", "RulerScale", "PanOnZoom",
};

constexpr std::size_t kWriteOrder[] = {
    ViewerSetting::AutoRangeMax, ViewerSetting::AutoScaleMenu, ViewerSetting::Color1,
    ViewerSetting::Color2, ViewerSetting::Color3, ViewerSetting::Color4, ViewerSetting::Color5,
    ViewerSetting::Color6, ViewerSetting::ShadowDepth, ViewerSetting::RulerScale,
    ViewerSetting::RulerDimension, ViewerSetting::RulersDisplayed, ViewerSetting::RulerCrossHairs,
    ViewerSetting::PanOnZoom,
};

void readNumbers(ViewerSettings& table, const KeyDefault* begin, const KeyDefault* end, std::string_view section,
                 const std::string& file)
{
    for (const KeyDefault* k = begin; k != end; ++k) {
        if (auto v = ParseLong(ReadProfileKey(section, k->key, k->defaultText, file)))
            table[k->entry] = *v;
    }
}

bool isOn(std::string_view section, std::string_view key, const std::string& file)
{
    return ReadProfileKey(section, key, "0", file) == "1";
}

}  // namespace

std::string_view ViewerSettingKey(std::size_t entry) { return entry < 17 ? kKeys[entry] : std::string_view{}; }

void ReadViewerSettings(ViewerSettings& table, std::string_view section, const std::string& file)
{
    table[ViewerSetting::AutoRangeMax] = 0;
    table[ViewerSetting::AutoScaleMenu] = 0;
    table[ViewerSetting::ShadowDepth] = 30;
    table[ViewerSetting::Color1] = systemColour(16);
    table[ViewerSetting::Color2] = systemColour(15);
    table[ViewerSetting::Color3] = systemColour(21);
    table[ViewerSetting::Color4] = systemColour(12);
    table[ViewerSetting::Color5] = systemColour(5);

    readNumbers(table, std::begin(kFirstKeys), std::end(kFirstKeys), section, file);
    readNumbers(table, std::begin(kRulerKeys), std::end(kRulerKeys), section, file);

    std::int32_t& dimension = table[ViewerSetting::RulerDimension];
    if (dimension < 150 || dimension > 495)
        dimension = 300;
    if (table[ViewerSetting::RulersDisplayed] == 0)
        dimension = 0;
}

bool ReadViewerSwitches(ViewerSettings& table, std::string_view section, const std::string& file)
{
    const bool printRange = isOn(section, "PrintRange", file);
    if (isOn(section, "AutoRangeMax", file))
        table[ViewerSetting::AutoRangeMax] = 1;
    if (isOn(section, "AutoScaleMenu", file))
        table[ViewerSetting::AutoScaleMenu] = 1;
    return printRange;
}

void WriteViewerSettings(const ViewerSettings& table, bool printRange, std::string_view section,
                         const std::string& file)
{
    WriteProfileKey(section, "PrintRange", printRange ? "1" : "0", file);
    for (std::size_t entry : kWriteOrder)
        WriteProfileKey(section, kKeys[entry], std::to_string(table[entry]), file);
}

std::optional<std::int32_t> ParseLong(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() == '+')
        return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    // The default rounding mode rounds halves to even.
    const double rounded = std::nearbyint(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

}  // namespace kelvppvw
