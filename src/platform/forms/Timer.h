#pragma once

#include "platform/forms/Control.h"

#include <functional>

namespace kelvppvw {

// Raises Timer every Interval milliseconds while Enabled and Interval > 0.
// It has no window; its geometry means nothing.
class Timer : public Control {
public:
    Timer();
    ~Timer() override;

    int32_t Interval() const { return interval_; }
    // 0..65535 ms; 0 stops the timer.
    void SetInterval(int32_t milliseconds);
    // For tests and demos: raises the Timer event now, as if the interval had run out.
    void Fire();
    bool isRunning() const;

    std::function<void()> onTimer;

protected:
    void enabledChanged() override;

private:
    void restart();

    struct Clock;
    std::unique_ptr<Clock> clock_;
    int32_t interval_ = 0;
};

} // namespace kelvppvw
