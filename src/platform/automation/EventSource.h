#pragma once

#include "platform/automation/Dispatch.h"

#include <functional>
#include <string_view>
#include <vector>

namespace kelvppvw {

using EventHandler = std::function<void(std::string_view event, Args& args)>;

// Outgoing events of a class. Raising calls every connected sink synchronously,
// in connection order; a sink may call back into the raiser, and may write the
// by-reference arguments, which the raiser reads after the call.
class EventSource {
public:
    int connect(EventHandler handler);
    void disconnect(int cookie);
    bool connected() const { return !sinks_.empty(); }
    void raise(std::string_view event, Args& args);

private:
    struct Sink {
        int cookie;
        EventHandler handler;
    };
    std::vector<Sink> sinks_;
    int nextCookie_ = 1;
};

} // namespace kelvppvw
