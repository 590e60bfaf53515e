#include "components/ruler/RulerAppearance.h"

#include "platform/automation/AutomationError.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

namespace kelvppvw {

namespace {

constexpr std::array<std::string_view, kRulerColorCount> kColorNames{
    "ColorTextShadowColor", "ColorBackColor",       "ColorTextForeColor",  "ColorZeroPointStartColor",
    "ColorTickRailBottomColor", "ColorTickRailUpperColor", "ColorRuleMarkerColor", "ColorScaleNameColor",
    "ColorScaleNameShadowColor", "ColorRangeInColor", "ColorRangeOutColor",
};

constexpr std::array<std::string_view, 23> kSettingNames{
    "ColorTextShadowColor",  "ColorBackColor",        "ColorTextForeColor",   "ColorZeroPointStartColor",
    "ColorTickRailBottomColor", "ColorTickRailUpperColor", "ColorRuleMarkerColor", "ColorScaleNameColor",
    "ColorScaleNameShadowColor", "ColorRangeInColor", "ColorRangeOutColor",   "EdgeStyle",
    "EdgeQuadrant",          "DisplayScaleName",      "DisplayMarkerWidth",   "DisplayMarkerType",
    "DisplayTickNumerals",   "DisplayRangeIn",        "DisplayRangeOut",      "DisplayRangeInHeight",
    "DisplayRangeOutHeight", "RulerScale",            "TicksDisplayFine",
};

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<double> numberOf(const Variant& value) {
    try {
        const double d = value.toDouble();
        if (std::isfinite(d))
            return d;
    } catch (const AutomationError&) {
    }
    return std::nullopt;
}

bool isBlank(const Variant& value) {
    if (value.isEmpty())
        return true;
    if (value.type() != Variant::Type::String)
        return false;
    const std::string text = value.toString();
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}

SettingOutcome setInteger(int& field, const Variant& value, int low, int high) {
    const auto number = numberOf(value);
    if (!number)
        return SettingOutcome::Ignored;
    field = static_cast<int>(roundHalfEven(std::clamp(*number, static_cast<double>(low), static_cast<double>(high))));
    return SettingOutcome::Applied;
}

SettingOutcome setFlag(bool& field, const Variant& value) {
    const auto number = numberOf(value);  // True and False read as -1 and 0
    if (!number)
        return SettingOutcome::Ignored;
    field = *number != 0.0;
    return SettingOutcome::Applied;
}

SettingOutcome setColor(int32_t& field, const Variant& value) {
    const auto number = numberOf(value);
    // Signed Longs and their unsigned readings; anything wider is no colour.
    if (!number || *number != std::floor(*number) || *number < -2147483648.0 || *number > 4294967295.0 ||
        !IsValidColor(static_cast<int64_t>(*number)))
        return SettingOutcome::Ignored;
    const auto raw = static_cast<int64_t>(*number);
    field = static_cast<int32_t>(static_cast<uint32_t>(raw < 0 ? raw + 0x100000000LL : raw));
    return SettingOutcome::Applied;
}

} // namespace

std::string_view rulerColorName(RulerColor color) { return kColorNames[static_cast<size_t>(color)]; }

const std::array<std::string_view, 23>& rulerSettingNames() { return kSettingNames; }

SettingOutcome applyRulerSetting(RulerAppearance& a, std::string_view name, const Variant& value) {
    size_t index = 0;
    while (index < kSettingNames.size() && !sameName(kSettingNames[index], name))
        ++index;
    if (index == kSettingNames.size())
        return SettingOutcome::Unknown;
    if (value.isNull() || value.isObject())
        return SettingOutcome::Ignored;
    if (isBlank(value))
        return SettingOutcome::KeptEmpty;
    if (index < static_cast<size_t>(kRulerColorCount))
        return setColor(a.colors[index], value);

    const std::string_view key = kSettingNames[index];
    if (key == "EdgeStyle") return setInteger(a.edgeStyle, value, 0, 2);
    if (key == "EdgeQuadrant") return setInteger(a.edgeQuadrant, value, 0, 3);
    if (key == "DisplayScaleName") return setFlag(a.displayScaleName, value);
    if (key == "DisplayMarkerWidth") return setInteger(a.displayMarkerWidth, value, 1, 4);
    if (key == "DisplayMarkerType") return setInteger(a.displayMarkerType, value, 0, 6);
    if (key == "DisplayTickNumerals") return setFlag(a.displayTickNumerals, value);
    if (key == "DisplayRangeIn") return setFlag(a.displayRangeIn, value);
    if (key == "DisplayRangeOut") return setFlag(a.displayRangeOut, value);
    if (key == "DisplayRangeInHeight") return setInteger(a.displayRangeInHeight, value, 0, 5);
    if (key == "DisplayRangeOutHeight") return setInteger(a.displayRangeOutHeight, value, 0, 5);
    if (key == "RulerScale") return setInteger(a.rulerScale, value, 1, 10);
    return setFlag(a.ticksDisplayFine, value);  // TicksDisplayFine
}

std::vector<std::pair<std::string, Variant>> rulerSettingsToSave(const RulerAppearance& a) {
    std::vector<std::pair<std::string, Variant>> out;
    out.reserve(kSettingNames.size());
    for (int i = 0; i < kRulerColorCount; ++i)
        out.emplace_back(kColorNames[static_cast<size_t>(i)], Variant(a.colors[static_cast<size_t>(i)]));
    out.emplace_back("EdgeStyle", Variant(int32_t{a.edgeStyle}));
    out.emplace_back("EdgeQuadrant", Variant(int32_t{a.edgeQuadrant}));
    out.emplace_back("DisplayScaleName", Variant(a.displayScaleName));
    out.emplace_back("DisplayMarkerWidth", Variant(int32_t{a.displayMarkerWidth}));
    out.emplace_back("DisplayMarkerType", Variant(int32_t{a.displayMarkerType}));
    out.emplace_back("DisplayTickNumerals", Variant(a.displayTickNumerals));
    out.emplace_back("DisplayRangeIn", Variant(a.displayRangeIn));
    out.emplace_back("DisplayRangeOut", Variant(a.displayRangeOut));
    out.emplace_back("DisplayRangeInHeight", Variant(int32_t{a.displayRangeInHeight}));
    out.emplace_back("DisplayRangeOutHeight", Variant(int32_t{a.displayRangeOutHeight}));
    out.emplace_back("RulerScale", Variant(int32_t{a.rulerScale}));
    out.emplace_back("TicksDisplayFine", Variant(a.ticksDisplayFine));
    return out;
}

} // namespace kelvppvw
