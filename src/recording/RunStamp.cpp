#include "recording/RunStamp.h"

#include <algorithm>
#include <cstdio>

#include "recording/StampCleanup.h"
#include "settings/ProfileStore.h"

namespace kelvppvw {

namespace {

std::string threeDigits(int n)
{
    char text[8];
    std::snprintf(text, sizeof text, "%03d", std::clamp(n, 0, 999));
    return text;
}

}  // namespace

std::string FormatPageStamp(const LocalDateTime& t, int runNumber)
{
    // printf honours LC_NUMERIC, which carries the user's decimal separator.
    char number[64];
    std::snprintf(number, sizeof number, "%.15G", DateSerial(t));
    return std::string(number) + "_" + threeDigits(runNumber);
}

std::string FormatStampKey(const LocalDateTime& t, int runNumber)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d_", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text + threeDigits(runNumber);
}

RunStamp RunStamp::NewRunStamp(const PageFolder& folder, const RecordingHooks& hooks)
{
    PurgeStaleStamps(folder, hooks);
    const int n = std::clamp(hooks.drawRunNumber(), 1, 999);
    RunStamp stamp;
    stamp.gsStampKey = FormatStampKey(hooks.now(), n);
    // The clock is read again, as the key and the stamp are separate readings.
    stamp.gsPageStamp = FormatPageStamp(hooks.now(), n);
    stamp.listed = WriteProfileKey(kStampSection, stamp.gsStampKey, stamp.gsPageStamp, folder.cleanupList());
    return stamp;
}

}  // namespace kelvppvw
