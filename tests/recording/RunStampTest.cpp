#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

#include "recording/LocalDateTime.h"
#include "recording/PageFolder.h"
#include "recording/RunStamp.h"
#include "recording/StampCleanup.h"
#include "recording/RecordingFixture.h"

using kelvppvw::DateSerial;
using kelvppvw::FormatPageStamp;
using kelvppvw::FormatStampKey;
using kelvppvw::FromDateSerial;
using kelvppvw::HourBoundariesBetween;
using kelvppvw::LocalDateTime;
using kelvppvw::ParseDateSerial;
using kelvppvw::RunStamp;

namespace {

TEST(RunNames, stamp_and_key_of_a_moment)
{
    const LocalDateTime t{2026, 12, 4, 17, 7, 53};
    EXPECT_EQ(FormatStampKey(t, 42), "20261204170753_042");
    EXPECT_EQ(FormatPageStamp(t, 42), "46360.7138078704_042");
    EXPECT_EQ(FormatPageStamp({2026, 12, 4, 0, 0, 0}, 7), "46360_007");
    EXPECT_EQ(FormatPageStamp({2026, 12, 4, 12, 0, 0}, 999), "46360.5_999");
    EXPECT_EQ(kelvppvw::PageFileName("46360.7134143519_042", 3), "Page_46360.7134143519_042_3.emf");
}

TEST(DateSerial, counts_days_from_30_december_1899)
{
    EXPECT_EQ(DateSerial({1899, 12, 30, 0, 0, 0}), 0.0);
    EXPECT_EQ(DateSerial({1900, 3, 1, 6, 0, 0}), 61.25);
    EXPECT_EQ(DateSerial({2026, 12, 4, 0, 0, 0}), 46360.0);
    for (const LocalDateTime& t : {LocalDateTime{2026, 12, 4, 17, 7, 53}, LocalDateTime{2024, 2, 29, 23, 59, 59},
                                   LocalDateTime{1899, 12, 29, 12, 0, 0}})
        EXPECT_TRUE(FromDateSerial(DateSerial(t)) == t);
    EXPECT_FALSE(FromDateSerial(3e6));
    EXPECT_FALSE(FromDateSerial(1e300));
}

TEST(DateSerial, parses_either_decimal_separator_and_nothing_else)
{
    for (const auto& [text, value] : {std::pair{"46360.5", 46360.5}, {"46360,25", 46360.25}, {"46360", 46360.0}})
        EXPECT_EQ(ParseDateSerial(text), value) << text;
    for (const char* bad : {"", ".5", "5.", "1.2.3", "1,2.3", "-5", "4e4", "46360.5 ", "46360/5", "x"})
        EXPECT_FALSE(ParseDateSerial(bad)) << bad;
}

// Within a day the purge's twelve-hour edge holds them; these cross a year and run backwards.
TEST(HourBoundaries, counts_calendar_hours)
{
    EXPECT_EQ(HourBoundariesBetween({2026, 12, 31, 23, 30, 0}, {2027, 1, 1, 0, 10, 0}), 1);
    EXPECT_EQ(HourBoundariesBetween({2026, 12, 5, 1, 0, 0}, {2026, 12, 4, 22, 0, 0}), -3);
}

class NewRunStamp : public ::testing::Test, public RecordingFixture {};

TEST_F(NewRunStamp, purges_then_lists_this_run_and_the_next_of_the_same_second)
{
    const std::string old = addRun({2026, 12, 4, 10, 0, 0}, 7);
    const RunStamp run = RunStamp::NewRunStamp(folder, hooks);
    EXPECT_EQ(run.gsStampKey, "20261204220000_042");
    EXPECT_EQ(run.gsPageStamp, "46360.9166666667_042");
    EXPECT_TRUE(run.listed);
    EXPECT_EQ(readBytes(folder.cleanupList()), "[STAMPED FILES]\r\n20261204220000_042=46360.9166666667_042\r\n");
    EXPECT_FALSE(exists("Page_" + old + "_1.emf"));

    // A second run in the same second differs by its number; both stay listed.
    draw = 43;
    const RunStamp second = RunStamp::NewRunStamp(folder, hooks);
    EXPECT_EQ(second.gsPageStamp, "46360.9166666667_043");
    EXPECT_EQ(listed(run.gsStampKey), run.gsPageStamp);
    EXPECT_EQ(listed(second.gsStampKey), second.gsPageStamp);
}

// A locale whose decimal separator is a comma, built for the test when the
// system has none installed.
class CommaLocale : public ::testing::Test, public RecordingFixture {
protected:
    void SetUp() override
    {
        static TempFolder localeDir;
        static const bool available = [] {
            if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
                return true;
            const std::string cmd = "localedef -i de_DE -f UTF-8 " + localeDir.file("de_DE.UTF-8") + " >/dev/null 2>&1";
            if (std::system(cmd.c_str()) != 0)
                return false;
            ::setenv("LOCPATH", localeDir.path().c_str(), 1);
            return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
        }();
        if (!available || !std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            GTEST_SKIP() << "no comma-decimal locale available";
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, "C"); }
};

TEST_F(CommaLocale, stamp_uses_the_comma_names_keep_it_and_the_purge_reads_either)
{
    const LocalDateTime t{2026, 12, 4, 17, 7, 53};
    const std::string stamp = FormatPageStamp(t, 42);
    EXPECT_EQ(stamp, "46360,7138078704_042");
    EXPECT_TRUE(kelvppvw::IsPageStamp(stamp));
    EXPECT_EQ(folder.pageFile(stamp, 2), folder.path + "/Page_46360,7138078704_042_2.emf");
    EXPECT_EQ(ParseDateSerial("46360,5"), 46360.5);

    // The purge reads entries written under either locale.
    const std::string comma = addRun({2026, 12, 4, 9, 0, 0}, 1);
    std::setlocale(LC_NUMERIC, "C");
    const std::string point = addRun({2026, 12, 4, 9, 30, 0}, 2);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    ASSERT_NE(comma.find(','), std::string::npos);
    ASSERT_NE(point.find('.'), std::string::npos);
    kelvppvw::PurgeStaleStamps(folder, hooks);
    EXPECT_FALSE(exists("Page_" + comma + "_1.emf"));
    EXPECT_FALSE(exists("Page_" + point + "_3.emf"));
    EXPECT_EQ(readBytes(folder.cleanupList()), "[STAMPED FILES]\r\n");
}

}  // namespace
