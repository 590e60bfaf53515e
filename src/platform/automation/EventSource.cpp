#include "platform/automation/EventSource.h"

#include <algorithm>

namespace kelvppvw {

int EventSource::connect(EventHandler handler) {
    sinks_.push_back({nextCookie_, std::move(handler)});
    return nextCookie_++;
}

void EventSource::disconnect(int cookie) {
    std::erase_if(sinks_, [cookie](const Sink& s) { return s.cookie == cookie; });
}

void EventSource::raise(std::string_view event, Args& args) {
    // A sink may connect or disconnect while it runs; iterate over a snapshot.
    const std::vector<Sink> snapshot = sinks_;
    for (const Sink& sink : snapshot)
        sink.handler(event, args);
}

} // namespace kelvppvw
