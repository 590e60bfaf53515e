#pragma once

#include "platform/automation/EventSource.h"

namespace kelvppvw {

// An object whose outgoing events a late-bound client can connect to without
// knowing its class.
class EventProvider {
public:
    virtual ~EventProvider() = default;
    virtual EventSource& events() = 0;
};

} // namespace kelvppvw
