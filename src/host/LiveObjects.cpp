#include "host/LiveObjects.h"

#include <atomic>

namespace kelvppvw {

namespace {
std::atomic<long> gLive{0};
}

LiveObjects::LiveObjects() { ++gLive; }
LiveObjects::LiveObjects(const LiveObjects&) { ++gLive; }
LiveObjects::~LiveObjects() { --gLive; }
long LiveObjects::count() { return gLive.load(); }

} // namespace kelvppvw
