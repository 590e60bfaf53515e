#pragma once

namespace kelvppvw {

// Counts the component's public objects alive, so the component can say
// whether it may be unloaded.
class LiveObjects {
public:
    LiveObjects();
    LiveObjects(const LiveObjects&);
    LiveObjects& operator=(const LiveObjects&) = default;
    ~LiveObjects();
    static long count();
};

} // namespace kelvppvw
