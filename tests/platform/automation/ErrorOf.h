#pragma once

#include "platform/automation/AutomationError.h"

namespace kelvppvw::test {

// The number of the error f raises; 0 when it raises none.
inline int errorOf(auto&& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return e.number();
    }
    return 0;
}

} // namespace kelvppvw::test
