#pragma once

#include "platform/automation/AutomationError.h"

#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace kelvppvw {

// Whatever a callee threw, as the error a caller traps: automation errors keep
// their number, memory exhaustion is 7, anything else becomes 440 with its text.
AutomationError toAutomationError(std::exception_ptr error) noexcept;

// Runs body and returns the error it raised, if any.
template <class F>
std::optional<AutomationError> trapError(F&& body) noexcept {
    try {
        body();
        return std::nullopt;
    } catch (...) {
        return toAutomationError(std::current_exception());
    }
}

// The "skip the failing statement and go on" failure mode: each statement is
// run through the same trap and the procedure continues after a failure.
//
//   ResumeNext next;
//   next([&] { first(); });
//   next([&] { second(); });
class ResumeNext {
public:
    template <class F>
    ResumeNext& operator()(F&& statement) noexcept {
        if (auto e = trapError(std::forward<F>(statement)))
            last_ = std::move(e);
        return *this;
    }
    const std::optional<AutomationError>& lastError() const { return last_; }

private:
    std::optional<AutomationError> last_;
};

// The "stop silently" failure mode: the procedure ends at its first failure,
// nobody is told. Returns false when it stopped that way.
template <class F>
bool stopSilently(F&& body) noexcept {
    return !trapError(std::forward<F>(body)).has_value();
}

// The text of the error box: "Error: " and the number, the description, the
// procedure's name, and for some procedures the failing line number "0",
// joined by CR LF.
std::string errorBoxText(const AutomationError& error, std::string_view procedure, bool withLineNumber);

} // namespace kelvppvw
