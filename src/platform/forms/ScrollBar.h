#pragma once

#include "platform/forms/Control.h"

#include <functional>

namespace kelvppvw {

// A horizontal or vertical scroll bar with values in the signed 16-bit range.
// Min may exceed Max: the bar then runs from its largest value at the top
// (or left) end. Change follows a completed move and every code assignment
// of a different Value; Scroll follows the thumb while it is dragged.
class ScrollBar : public Control {
public:
    enum class Orientation { Horizontal, Vertical };
    explicit ScrollBar(Orientation orientation = Orientation::Horizontal);

    Orientation orientation() const { return orientation_; }
    // Raise 6 (overflow) for a value outside -32768..32767; the bar keeps its range.
    int16_t Min() const { return min_; }
    void SetMin(int32_t value);
    int16_t Max() const { return max_; }
    void SetMax(int32_t value);
    int16_t Value() const { return value_; }
    // Raises 380 outside the range.
    void SetValue(int32_t value);
    int16_t SmallChange() const { return small_; }
    void SetSmallChange(int32_t value);
    int16_t LargeChange() const { return large_; }
    void SetLargeChange(int32_t value);
    // Whether Tab and a click give the bar the focus, where the arrow keys,
    // Page Up/Down and Home/End move it. On by default.
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on);

    std::function<void()> onChange, onScroll;

private:
    int toNative(int16_t value) const;
    void apply();
    void keepValueInRange();
    void userMoved(int position, bool dragging);

    Orientation orientation_;
    int16_t min_ = 0, max_ = 32767, value_ = 0, small_ = 1, large_ = 1;
    bool updating_ = false;
    bool tabStop_ = true;
};

} // namespace kelvppvw
