#include "platform/forms/Timer.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"

#include <QTimer>

namespace kelvppvw {

struct Timer::Clock {
    QTimer timer;
};

Timer::Timer() : clock_(std::make_unique<Clock>()) {
    setWindowless();
    SetVisible(false);
    QObject::connect(&clock_->timer, &QTimer::timeout, [this] { Fire(); });
    property("Interval", [this] { return Variant(interval_); }, [this](const Variant& v) { SetInterval(v.toLong()); });
}

Timer::~Timer() = default;

void Timer::SetInterval(int32_t milliseconds) {
    if (milliseconds < 0 || milliseconds > 65535)
        throw AutomationError(err::InvalidPropertyValue);
    interval_ = milliseconds;
    restart();
}

void Timer::enabledChanged() { restart(); }

void Timer::restart() {
    clock_->timer.stop();
    if (Enabled() && interval_ > 0)
        clock_->timer.start(interval_);
}

bool Timer::isRunning() const { return clock_->timer.isActive(); }

void Timer::Fire() {
    if (onTimer)
        onTimer();
}

} // namespace kelvppvw
