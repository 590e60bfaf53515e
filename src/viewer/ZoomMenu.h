#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kelvppvw {

// One entry of the zoom button's drop-down menu and its pop-up twin.
struct ZoomEntry {
    int16_t index;
    std::string_view text;
    std::string_view key;
    std::string_view tag; // the zoom divisor as text
    std::string_view popupCaption;
};

inline constexpr std::array<ZoomEntry, 16> ZoomEntries = {{
    {1, "10%", "z010", "10", "10%"},
    {2, "20%", "z020", "5", "20%"},
    {3, "30%", "z030", "3.333", "30%"},
    {4, "40%", "z040", "2.5", "40%"},
    {5, "50%", "z050", "2", "50%"},
    {6, "60%", "z060", "1.666", "60%"},
    {7, "70%", "z070", "1.428", "70%"},
    {8, "80%", "z080", "1.25", "80%"},
    {9, "90%", "z090", "1.111", "90%"},
    {10, "100%", "z100", "1", "100%"},
    {11, "125%", "z125", "0.8", "125%"},
    {12, "150%", "z150", "0.666", "150%"},
    {13, "200%", "z200", "0.5", "200%"},
    {14, "Auto", "zAuto", "1", "&Auto"},
    {15, "-", "", "", "-"},
    {16, "&Previewer Options", "pOptions", "", "&Previewer Options"},
}};

inline constexpr int16_t FitZoomIndex = 9;
// The last percentage entry (200%); Auto comes after it and is never stepped to.
inline constexpr int16_t LastStepIndex = 13;

struct ZoomState {
    int16_t mode;  // 0 fit, 1 stepped
    int16_t index; // zoom menu entry
};

// A click on the zoom button's face. The first click in fit mode only enters
// stepped zoom at the entry last chosen (a step down there changes nothing);
// in stepped zoom each click moves one entry up, or down, wrapping round
// between 10% and 200%.
constexpr ZoomState StepZoom(ZoomState now, bool zoomOut) {
    if (now.mode != 1)
        return zoomOut ? now : ZoomState{1, now.index};
    if (!zoomOut)
        return {1, static_cast<int16_t>(now.index + 1 > LastStepIndex ? 1 : now.index + 1)};
    return {1, static_cast<int16_t>(now.index - 1 < 1 ? LastStepIndex : now.index - 1)};
}

// "z010" to "z200" and "zAuto": the entries that change the zoom.
constexpr bool IsZoomKey(std::string_view key) {
    for (const ZoomEntry& entry : ZoomEntries)
        if (entry.index <= 14 && entry.key == key)
            return true;
    return false;
}

// The page view's pointer resource: the lettered magnifier when a click opens
// the zoom menu, the plus-minus one when zoomed, the plus one when fitted.
constexpr int16_t PageViewCursor(bool autoScaleMenu, bool zoomed) {
    return autoScaleMenu ? 103 : zoomed ? 102 : 101;
}

} // namespace kelvppvw
