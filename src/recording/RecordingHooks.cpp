#include "recording/RecordingHooks.h"

#include <chrono>
#include <random>

namespace kelvppvw {

int RecordingHooks::randomRunNumber()
{
    // Seeded from the clock and the system's entropy, so two runs started in
    // the same second still draw independently.
    static thread_local std::mt19937 rng(static_cast<std::uint32_t>(
        std::random_device{}()
        ^ static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())));
    return std::uniform_int_distribution<int>(1, 999)(rng);
}

}  // namespace kelvppvw
