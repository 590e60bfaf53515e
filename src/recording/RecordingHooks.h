#pragma once

#include <functional>
#include <string>

#include "recording/LocalDateTime.h"

namespace kelvppvw {

// What page-file housekeeping needs from outside: the clock, the run-number
// draw, and the two bits of user interface (hourglass pointer, error box)
// that the viewer supplies. Defaults use the system clock and a random draw
// and show nothing; tests fix the clock and the draw.
struct RecordingHooks {
    std::function<LocalDateTime()> now = &LocalDateTime::now;
    // A whole number from 1 to 999.
    std::function<int()> drawRunNumber = &RecordingHooks::randomRunNumber;
    std::function<void(bool busy)> setBusyCursor = [](bool) {};
    std::function<void(const std::string& text)> showErrorBox = [](const std::string&) {};

    static int randomRunNumber();
};

}  // namespace kelvppvw
