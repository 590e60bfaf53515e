#include <gtest/gtest.h>

#include "recording/RecordingFixture.h"
#include "recording/StampCleanup.h"

using kelvppvw::LocalDateTime;
using kelvppvw::PurgeStaleStamps;

namespace {

class Purge : public ::testing::Test, public RecordingFixture {};

TEST_F(Purge, removes_runs_twelve_calendar_hours_old_and_keeps_younger_ones)
{
    now = {2026, 12, 4, 22, 0, 0};
    const LocalDateTime twelve{2026, 12, 4, 10, 59, 59};  // 10:59 to 22:00 crosses 12 hour marks
    const LocalDateTime eleven{2026, 12, 4, 11, 0, 0};
    const LocalDateTime days{2026, 11, 20, 23, 0, 0};
    const std::string stale = addRun(twelve, 1);
    const std::string young = addRun(eleven, 2);
    const std::string ancient = addRun(days, 3);
    PurgeStaleStamps(folder, hooks);
    EXPECT_TRUE(runFiles(stale).empty());
    EXPECT_TRUE(runFiles(ancient).empty());
    EXPECT_EQ(runFiles(young).size(), 3u);
    EXPECT_EQ(listed(kelvppvw::FormatStampKey(twelve, 1)), "<none>");
    EXPECT_EQ(listed(kelvppvw::FormatStampKey(days, 3)), "<none>");
    EXPECT_EQ(listed(kelvppvw::FormatStampKey(eleven, 2)), young);
    // One busy period per run whose files went.
    EXPECT_EQ(busyCalls, (std::vector<bool>{true, false, true, false}));
}

TEST_F(Purge, entries_after_malformed_ones_are_still_examined)
{
    const std::string first = addRun({2026, 12, 3, 1, 0, 0}, 1);
    const std::string list = folder.cleanupList();
    kelvppvw::WriteProfileKey(kelvppvw::kStampSection, "no_underscore_value", "46000.5", list);
    kelvppvw::WriteProfileKey(kelvppvw::kStampSection, "not_a_date", "yesterday_001", list);
    kelvppvw::WriteProfileKey(kelvppvw::kStampSection, "empty", "", list);
    kelvppvw::WriteProfileKey(kelvppvw::kStampSection, "huge", "99999999999999999999_001", list);
    std::string text = *readBytes(list);
    text += "a line without equals sign\r\n";
    text += "  20261203030000_003 \t=  46359.125_003 \r\n";  // edited by hand
    for (int p = 1; p <= 3; ++p)
        touch(folder.pageFile("46359.125_003", p));
    writeBytes(list, text);
    const std::string last = addRun({2026, 12, 3, 2, 0, 0}, 2);
    PurgeStaleStamps(folder, hooks);
    EXPECT_TRUE(runFiles(first).empty());
    EXPECT_TRUE(runFiles(last).empty());
    EXPECT_TRUE(runFiles("46359.125_003").empty());
    EXPECT_EQ(listed("20261203030000_003"), "<none>");
    // Unreadable dates stay listed; a readable stale date goes even when its value is no stamp.
    EXPECT_EQ(listed("not_a_date"), "yesterday_001");
    EXPECT_EQ(listed("empty"), "");
    EXPECT_EQ(listed("huge"), "99999999999999999999_001");
    EXPECT_EQ(listed("no_underscore_value"), "<none>");
}

}  // namespace
