#pragma once

class QWidget;

namespace kelvppvw {

// A separately built control's adapter that can hand its native widget to
// the form that hosts it, so code above the platform can place a control it
// created by class name.
class NativeComponent {
public:
    virtual ~NativeComponent() = default;
    virtual QWidget* nativeWidget() const = 0;
};

} // namespace kelvppvw
