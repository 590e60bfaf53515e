#pragma once

#include <string>

#include "recording/LocalDateTime.h"
#include "recording/PageFolder.h"
#include "recording/RecordingHooks.h"

namespace kelvppvw {

// The two names of one preview run: gsPageStamp goes into its page file names,
// gsStampKey is its key in the clean-up list.
struct RunStamp {
    std::string gsPageStamp;  // e.g. "46360.7134143519_042"
    std::string gsStampKey;   // e.g. "20261204170753_042"
    bool listed = false;      // whether the clean-up list took the entry

    // Purges stale runs, forms this run's names from the clock and a drawn
    // number, and adds the run to the clean-up list.
    static RunStamp NewRunStamp(const PageFolder& folder, const RecordingHooks& hooks = {});
};

// The date serial of t in the process locale's number format (up to 15
// significant digits), "_", and runNumber as three digits.
std::string FormatPageStamp(const LocalDateTime& t, int runNumber);

// "yyyymmddhhnnss_nnn".
std::string FormatStampKey(const LocalDateTime& t, int runNumber);

}  // namespace kelvppvw
