#pragma once

#include "platform/automation/Dispatch.h"

#include <array>
#include <string>
#include <string_view>

namespace kelvppvw {

class Line;

// The ruler appearance settings in the order the loader applies them.
inline constexpr std::array<std::string_view, 23> RulerSettingNames = {
    "ColorTextShadowColor",  "ColorBackColor",          "ColorTextForeColor",     "ColorZeroPointStartColor",
    "ColorTickRailBottomColor", "ColorTickRailUpperColor", "ColorRuleMarkerColor", "ColorScaleNameColor",
    "ColorScaleNameShadowColor", "ColorRangeInColor",   "ColorRangeOutColor",     "EdgeStyle",
    "EdgeQuadrant",          "DisplayScaleName",        "DisplayMarkerWidth",     "DisplayMarkerType",
    "DisplayTickNumerals",   "DisplayRangeIn",          "DisplayRangeOut",        "DisplayRangeInHeight",
    "DisplayRangeOutHeight", "RulerScale",              "TicksDisplayFine"};

// Applies the stored "<name>_0" keys to ruler 0 and the "<name>_1" keys to
// ruler 1 (a missing key hands the ruler "") and refreshes both. A failing
// read or ruler call raises its error.
void ApplyStoredRulerKeys(Dispatch& ruler0, Dispatch& ruler1, std::string_view section, const std::string& iniFile);

// The viewer's loader: ApplyStoredRulerKeys, then the cross-hair lines and
// both rulers take ruler 0's marker colour. Stops silently at the first failure.
void LoadRulerSettings(Dispatch& ruler0, Dispatch& ruler1, Line& crossHair0, Line& crossHair1,
                       std::string_view section, const std::string& iniFile);

} // namespace kelvppvw
