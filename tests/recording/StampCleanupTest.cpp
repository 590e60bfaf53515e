#include <gtest/gtest.h>

#include "recording/PageFiles.h"
#include "recording/RecordingFixture.h"
#include "recording/StampCleanup.h"

using kelvppvw::LocalDateTime;
using kelvppvw::PurgeStaleStamps;

namespace {

class Purge : public ::testing::Test, public RecordingFixture {
protected:
    // How many of a run's three page files are still there.
    int pagesLeft(const std::string& stamp) const
    {
        int left = 0;
        for (int p = 1; p <= 3; ++p)
            left += exists(kelvppvw::PageFileName(stamp, p));
        return left;
    }
};

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
    EXPECT_EQ(pagesLeft(stale), 0);
    EXPECT_EQ(pagesLeft(ancient), 0);
    EXPECT_EQ(pagesLeft(young), 3);
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
    EXPECT_EQ(pagesLeft(first), 0);
    EXPECT_EQ(pagesLeft(last), 0);
    EXPECT_EQ(pagesLeft("46359.125_003"), 0);
    EXPECT_EQ(listed("20261203030000_003"), "<none>");
    // Unreadable dates stay listed; a readable stale date goes even when its value is no stamp.
    EXPECT_EQ(listed("not_a_date"), "yesterday_001");
    EXPECT_EQ(listed("empty"), "");
    EXPECT_EQ(listed("huge"), "99999999999999999999_001");
    EXPECT_EQ(listed("no_underscore_value"), "<none>");
}

TEST_F(Purge, hostile_values_delete_nothing_outside_their_own_run)
{
    const std::string list = folder.cleanupList();
    const std::filesystem::path outside = dir.path() / "victim";
    std::filesystem::create_directory(outside);
    touch((outside / "Page_46000.5_001_1.emf").string());
    touch(dir.file("preview.ini"));
    // Files of run 46360.5_042 share the prefix "46360.5" with a malformed entry.
    touch(folder.pageFile("46360.5_042", 1));
    touch(folder.path + "/unrelated.emf");
    const char* values[] = {"46360.5", "46000.5_001/../../victim/Page_46000.5_001", "46000.5_../../victim",
                            "46000.5_*", "46000.5_???", "46000.5_001\\..\\..", "46000.5_001 ", "46000.5_0"};
    int n = 0;
    for (const char* v : values)
        kelvppvw::WriteProfileKey(kelvppvw::kStampSection, "k" + std::to_string(n++), v, list);
    PurgeStaleStamps(folder, hooks);
    EXPECT_TRUE(std::filesystem::exists(outside / "Page_46000.5_001_1.emf"));
    EXPECT_TRUE(std::filesystem::exists(dir.file("preview.ini")));
    EXPECT_TRUE(exists("Page_46360.5_042_1.emf"));
    EXPECT_TRUE(exists("unrelated.emf"));
    EXPECT_TRUE(busyCalls.empty());
    EXPECT_TRUE(errorBoxes.empty());
}

}  // namespace
