#pragma once

#include "platform/forms/OleColor.h"
#include "platform/automation/Variant.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvppvw {

// Colour properties of the ruler, in the order they are persisted.
enum class RulerColor : int {
    ColorTextShadowColor,
    ColorBackColor,
    ColorTextForeColor,
    ColorZeroPointStartColor,
    ColorTickRailBottomColor,
    ColorTickRailUpperColor,
    ColorRuleMarkerColor,
    ColorScaleNameColor,
    ColorScaleNameShadowColor,
    ColorRangeInColor,
    ColorRangeOutColor,
};
inline constexpr int kRulerColorCount = 11;

std::string_view rulerColorName(RulerColor color);

// Line styles of the marker, numbered as a line control numbers its border
// styles (so the cross-hair lines can take the value as it is).
enum class MarkerLineType : int {
    Transparent = 0,
    Solid = 1,
    Dash = 2,
    Dot = 3,
    DashDot = 4,
    DashDotDot = 5,
    InsideSolid = 6,
};

// Which sides the edge is drawn on.
enum class EdgeQuadrant : int { AllSides = 0, LongSides = 1, OuterSide = 2, PageSide = 3 };
enum class EdgeStyle : int { None = 0, Sunken = 1, Raised = 2 };

// Everything a ruler persists. Defaults are the look of a fresh ruler.
struct RulerAppearance {
    std::array<int32_t, kRulerColorCount> colors{
        SystemColor(5),   // text shadow
        SystemColor(12),  // background: application workspace
        SystemColor(5),   // text
        0x000000FF,       // zero point: red
        SystemColor(5),   // lower rail
        SystemColor(5),   // upper rail
        0x00FF0000,       // marker: blue
        SystemColor(5),   // scale name
        SystemColor(5),   // scale name shadow
        0x0000C000,       // range in: green
        0x00C0C0FF,       // range out
    };
    int edgeStyle = 0;          // EdgeStyle
    int edgeQuadrant = 0;       // EdgeQuadrant
    bool displayScaleName = true;
    int displayMarkerWidth = 1;  // 1 to 4
    int displayMarkerType = 3;   // MarkerLineType
    bool displayTickNumerals = true;
    bool displayRangeIn = true;
    bool displayRangeOut = true;
    int displayRangeInHeight = 5;   // 0 to 5
    int displayRangeOutHeight = 1;  // 0 to 5
    int rulerScale = 5;             // RulerUnit, 1 to 10
    bool ticksDisplayFine = true;

    int32_t color(RulerColor c) const { return colors[static_cast<size_t>(c)]; }
    int32_t& color(RulerColor c) { return colors[static_cast<size_t>(c)]; }

    bool operator==(const RulerAppearance&) const = default;
};

// The persisted setting names, in the order they are saved and loaded.
const std::array<std::string_view, 23>& rulerSettingNames();

enum class SettingOutcome {
    Applied,    // the value is now in effect (possibly clamped)
    KeptEmpty,  // empty text: the current value stays
    Ignored,    // not a usable value: the current value stays
    Unknown,    // no such setting name
};

// Applies one setting given as text (names case-insensitive). Numbers are
// read as the classic conversions read them (so "&HFF" and "1E2" work),
// rounded halves to even and clamped into the setting's range; flags take
// True/False or any number (non-zero is True); a colour must be a plain
// 0xBBGGRR value or a known system colour. Anything else leaves the value
// unchanged.
SettingOutcome applyRulerSetting(RulerAppearance& appearance, std::string_view name, const Variant& value);

// Name and value of every persisted setting, in saving order: colours and
// numbers as Long, flags as Boolean, so their text reads back unchanged.
std::vector<std::pair<std::string, Variant>> rulerSettingsToSave(const RulerAppearance& appearance);

} // namespace kelvppvw
