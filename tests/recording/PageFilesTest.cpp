#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "platform/profile/ChildProcess.h"
#include "recording/PageFiles.h"
#include "recording/PageFolder.h"
#include "recording/RecordingFixture.h"

using kelvppvw::IsPageStamp;
using kelvppvw::RemoveAllPages;
using kelvppvw::StampOfPageFile;

namespace {

TEST(PageStampShape, accepts_only_serial_underscore_three_digits)
{
    for (const char* good : {"46360.7134143519_042", "46360_001", "46360,5_999", "0.5_000"})
        EXPECT_TRUE(IsPageStamp(good)) << good;
    for (const char* bad : {"", "46360.5", "_042", "46360.5_42", "46360.5_0420", "46360.5_04a", ".5_042",
                            "5._042", "4.6.3_042", "46360..5_042", "../46360.5_042", "46360.5_042/..",
                            "46360/5_042", "46360\\5_042", "*_042", "46360.5_*", "4636?.5_042", "[4]_042",
                            "46360.5_042 ", " 46360.5_042", "-46360.5_042"})
        EXPECT_FALSE(IsPageStamp(bad)) << bad;
}

TEST(PageStampShape, stamp_of_a_page_file_name)
{
    EXPECT_EQ(StampOfPageFile("Page_46360.5_042_3.emf"), "46360.5_042");
    EXPECT_EQ(StampOfPageFile("Page_46360.5_042_17.emf"), "46360.5_042");
    for (const char* other : {"Page_46360.5_042_1x.emf", "Page_46360.5_042_.emf", "Page_46360.5_042_3.emf.bak",
                              "page_46360.5_042_3.emf", "Page_3.emf"})
        EXPECT_EQ(StampOfPageFile(other), "") << other;
}

class RemovePages : public ::testing::Test, public RecordingFixture {};

// Stamps of other runs, prefixes of a stamp, paths and patterns delete
// nothing anywhere and show no busy pointer; nor does a missing folder.
TEST_F(RemovePages, stamps_that_match_nothing_of_their_own_delete_nothing)
{
    const std::filesystem::path outside = dir.path() / "outside";
    std::filesystem::create_directory(outside);
    touch((outside / "Page_x_1.emf").string());
    touch((dir.path() / "Page_46360.5_042_1.emf").string());
    touch(folder.pageFile("46360.5_042", 1));
    touch(folder.path + "/Page_46360.5_042_042_1.emf");
    touch(folder.path + "/Page_anything_1.emf");
    for (const char* stamp : {"46360.5_043", "46360.5", "46360", "../outside/Page_x", "..", "*", "?????????????",
                              "46360.5_042/../..", "/", "46360.5_04*", "", "anything", "../Page_46360.5_042"})
        RemoveAllPages(folder, stamp, hooks);
    EXPECT_TRUE(std::filesystem::exists(outside / "Page_x_1.emf"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "Page_46360.5_042_1.emf"));
    for (const char* name : {"Page_46360.5_042_1.emf", "Page_46360.5_042_042_1.emf", "Page_anything_1.emf"})
        EXPECT_TRUE(exists(name)) << name;
    RemoveAllPages(folder, "46360.5_042", hooks);  // a stamp does not reach a longer one's files
    EXPECT_TRUE(exists("Page_46360.5_042_042_1.emf"));
    EXPECT_EQ(busyCalls, (std::vector<bool>{true, false}));
    std::filesystem::remove_all(folder.path);
    RemoveAllPages(folder, "46360.5_042", hooks);
    EXPECT_EQ(busyCalls.size(), 2u);
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(RemovePages, links_and_folders_with_page_names_are_left_alone)
{
    const std::string stamp = "46360.5_042";
    const std::string target = dir.file("precious.txt");
    touch(target);
    std::filesystem::create_symlink(target, folder.pageFile(stamp, 1));
    std::filesystem::create_directory(folder.pageFile(stamp, 2));
    touch(folder.pageFile(stamp, 2) + "/inner.emf");
    touch(folder.pageFile(stamp, 3));
    RemoveAllPages(folder, stamp, hooks);
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.pageFile(stamp, 1)));
    EXPECT_TRUE(std::filesystem::exists(folder.pageFile(stamp, 2) + "/inner.emf"));
    EXPECT_FALSE(exists(kelvppvw::PageFileName(stamp, 3)));
}

TEST_F(RemovePages, failure_shows_the_error_box_then_restores_the_pointer)
{
    const std::string stamp = "46360.5_042";
    touch(folder.pageFile(stamp, 1));
    ::chmod(dir.path().c_str(), 0755);
    ::chmod(folder.path.c_str(), 0755);
    SKIP_UNLESS_NOBODY_CAN_ENTER(folder.path.c_str());
    // Without write permission on the folder the unlink fails; root ignores
    // permissions, so the deleting is done by an unprivileged child.
    const int status = inChild([&] {
        becomeNobody();
        std::string log;
        hooks.setBusyCursor = [&](bool busy) { log += busy ? "[busy]" : "[idle]"; };
        hooks.showErrorBox = [&](const std::string& text) { log += "[box:" + text + "]"; };
        RemoveAllPages(folder, stamp, hooks);
        return log == "[busy][box:Error: 70\r\nPermission denied\r\nRemoveAllPages][idle]" ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << "the box, between busy and idle pointer, in the unprivileged child";
    EXPECT_TRUE(exists(kelvppvw::PageFileName(stamp, 1)));
}

}  // namespace
