#include "platform/forms/ScrollBar.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"

#include <QScrollBar>

namespace kelvppvw {

namespace {

int16_t to16(int32_t v) {
    if (v < -32768 || v > 32767)
        throw AutomationError(err::Overflow);
    return static_cast<int16_t>(v);
}

} // namespace

ScrollBar::ScrollBar(Orientation orientation) : orientation_(orientation) {
    auto* bar = new QScrollBar(orientation == Orientation::Horizontal ? Qt::Horizontal : Qt::Vertical);
    // Change comes when the thumb is let go; while it moves the bar reports Scroll.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    setWidget(bar);
    if (orientation == Orientation::Horizontal)
        Move(0, 0, 2400, 255);
    else
        Move(0, 0, 255, 2400);
    apply();
    QObject::connect(bar, &QScrollBar::sliderMoved, [this](int position) { userMoved(position, true); });
    QObject::connect(bar, &QScrollBar::valueChanged, [this](int position) { userMoved(position, false); });

    property("Min", [this] { return Variant(min_); }, [this](const Variant& v) { SetMin(v.toInteger()); });
    property("Max", [this] { return Variant(max_); }, [this](const Variant& v) { SetMax(v.toInteger()); });
    property("Value", [this] { return Variant(value_); }, [this](const Variant& v) { SetValue(v.toInteger()); });
    property("TabStop", [this] { return Variant(tabStop_); }, [this](const Variant& v) { SetTabStop(v.toBool()); });
    property("SmallChange", [this] { return Variant(small_); },
             [this](const Variant& v) { SetSmallChange(v.toInteger()); });
    property("LargeChange", [this] { return Variant(large_); },
             [this](const Variant& v) { SetLargeChange(v.toInteger()); });
}

// Qt keeps its minimum at the top (left) end. A bar whose Min exceeds Max has
// its largest value there, so Qt runs on the negated values: the arrows, a
// click beside the thumb, the keys and the wheel all move towards the end
// they point at.
int ScrollBar::toNative(int16_t value) const { return min_ > max_ ? -value : value; }

void ScrollBar::apply() {
    auto* bar = native<QScrollBar>();
    updating_ = true;
    bar->setRange(std::min(toNative(min_), toNative(max_)), std::max(toNative(min_), toNative(max_)));
    bar->setSingleStep(small_);
    bar->setPageStep(large_);
    bar->setValue(toNative(value_));
    bar->setSliderPosition(toNative(value_));
    updating_ = false;
}

void ScrollBar::SetTabStop(bool on) {
    tabStop_ = on;
    native<QScrollBar>()->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void ScrollBar::userMoved(int position, bool dragging) {
    if (updating_)
        return;
    const auto v = static_cast<int16_t>(min_ > max_ ? -position : position);
    if (dragging) {
        value_ = v;
        if (onScroll)
            onScroll();
        return;
    }
    // The drag may already have moved Value; a completed move still reports Change.
    value_ = v;
    if (onChange)
        onChange();
}

// A new bound pulls Value inside the range, and that is a change.
void ScrollBar::keepValueInRange() {
    const int16_t lo = std::min(min_, max_), hi = std::max(min_, max_);
    const int16_t clamped = std::clamp(value_, lo, hi);
    apply();
    if (clamped != value_) {
        value_ = clamped;
        apply();
        if (onChange)
            onChange();
    }
}

void ScrollBar::SetMin(int32_t value) {
    min_ = to16(value);
    keepValueInRange();
}

void ScrollBar::SetMax(int32_t value) {
    max_ = to16(value);
    keepValueInRange();
}

void ScrollBar::SetValue(int32_t value) {
    const int lo = std::min(min_, max_), hi = std::max(min_, max_);
    if (value < lo || value > hi)
        throw AutomationError(err::InvalidPropertyValue);
    if (value == value_)
        return;
    value_ = static_cast<int16_t>(value);
    apply();
    if (onChange)
        onChange();
}

void ScrollBar::SetSmallChange(int32_t value) {
    const int16_t v = to16(value);
    if (v < 0)
        throw AutomationError(err::InvalidPropertyValue);
    small_ = v;
    apply();
}

void ScrollBar::SetLargeChange(int32_t value) {
    const int16_t v = to16(value);
    if (v < 0)
        throw AutomationError(err::InvalidPropertyValue);
    large_ = v;
    apply();
}

} // namespace kelvppvw
