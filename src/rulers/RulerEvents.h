#pragma once

#include "platform/automation/Dispatch.h"
#include "settings/ViewerSettings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kelvppvw {

class Line;
class StatusBar;

// What the viewer's rulers act on when they raise their events.
struct RulerEventTargets {
    Dispatch* ruler0 = nullptr; // horizontal, above the page
    Dispatch* ruler1 = nullptr; // vertical, left of the page
    Line* crossHair0 = nullptr; // LnDot(0), horizontal
    Line* crossHair1 = nullptr; // LnDot(1), vertical
    StatusBar* stbr1 = nullptr;
    const ViewerSettings* settings = nullptr;
    std::function<void()> popupScaleMenu;
    std::function<void()> hideCrossHairs;
    std::function<void()> clearPointerPanels;
    // Persists one appearance setting a ruler reports.
    std::function<void(int32_t index, std::string_view name, const Variant& value)> saveSetting;
};

// The viewer's answers to its two rulers: position texts into the status
// bar, the marker's line style onto the cross hairs, marker tracking while
// the pointer is over a ruler, the scale menu on a right click and the
// settings a ruler asks to keep. Each handler ends silently at its first
// failure.
class RulerEvents {
public:
    explicit RulerEvents(RulerEventTargets targets);

    // Routes an event raised by either ruler; Index is the first argument.
    void raised(std::string_view event, Args& args);

    void MarkerText(int32_t index, const std::string& text);
    void MarkerLineStyle(int32_t index, int32_t style, int32_t width);
    void RulerMouseMove(int32_t index, int16_t button, int16_t shift, float x, float y);
    void RulerMouseButton(int32_t index, int16_t button, int16_t shift, float x, float y);
    void SettingToSave(int32_t index, const std::string& name, const Variant& value);

private:
    int32_t crossHairs() const;
    void trackOn(Dispatch& ruler, Dispatch& other, int panel, float x, float y);

    RulerEventTargets t;
};

} // namespace kelvppvw
