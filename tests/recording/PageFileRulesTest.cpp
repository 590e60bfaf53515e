// Whatever a run records, its own removal and a later purge can find and
// delete; and no clean-up entry is dropped while a file of its run remains.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "platform/profile/ChildProcess.h"
#include "recording/PageFiles.h"
#include "recording/RecordingFixture.h"
#include "recording/StampCleanup.h"

using kelvppvw::PurgeStaleStamps;
using kelvppvw::RemoveAllPages;

namespace {

class PageFileRules : public ::testing::Test, public RecordingFixture {
protected:
    const kelvppvw::LocalDateTime yesterday{2026, 12, 3, 8, 0, 0};
};

TEST_F(PageFileRules, every_page_number_a_host_can_give_is_removed)
{
    const std::string stamp = "46360.5_042";
    const std::string stale = addRun(yesterday, 7, 0);
    for (std::int32_t page : {INT32_MIN, -1, 0, 1, INT32_MAX}) {
        touch(folder.pageFile(stamp, page));
        touch(folder.pageFile(stale, page));
    }
    EXPECT_TRUE(RemoveAllPages(folder, stamp, hooks));
    PurgeStaleStamps(folder, hooks);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 2);  // Cleanup.ini and its lock
    EXPECT_EQ(listed(kelvppvw::FormatStampKey(yesterday, 7)), "<none>");
}

TEST_F(PageFileRules, a_linked_page_folder_is_followed_by_removal_and_purge)
{
    const std::filesystem::path real = dir.path() / "elsewhere";
    std::filesystem::rename(folder.path, real);
    std::filesystem::create_directory_symlink(real, folder.path);
    const std::string stale = addRun(yesterday, 1);  // recorded through the link
    const std::string own = addRun(now, 2);
    EXPECT_TRUE(RemoveAllPages(folder, own, hooks));
    PurgeStaleStamps(folder, hooks);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(real), {}), 2);  // Cleanup.ini and its lock
    EXPECT_EQ(listed(kelvppvw::FormatStampKey(yesterday, 1)), "<none>");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path));
}

TEST_F(PageFileRules, entries_stay_listed_while_files_of_their_run_remain)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to hand files to another user";
    // In a sticky folder "nobody" may rewrite its own list but not delete
    // root's page files: the files stay, so must the entries.
    const std::string stuck = addRun(yesterday, 1);
    const std::string list = folder.cleanupList();
    kelvppvw::WriteProfileKey(kelvppvw::kStampSection, "copy", stuck, list);  // the same run listed twice
    ASSERT_EQ(::chown(list.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chown((list + ".lock").c_str(), 65534, 65534), 0);
    ::chmod(dir.path().c_str(), 0755);
    ::chmod(folder.path.c_str(), 01777);
    SKIP_UNLESS_NOBODY_CAN_ENTER(folder.path.c_str());
    const int status = inChild([&] {
        becomeNobody();
        hooks.showErrorBox = [](const std::string&) {};
        hooks.setBusyCursor = [](bool) {};
        const bool closeRemovedAll = RemoveAllPages(folder, stuck, hooks);
        PurgeStaleStamps(folder, hooks);
        return closeRemovedAll ? 1 : 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(exists(kelvppvw::PageFileName(stuck, 1)));
    EXPECT_EQ(listed(kelvppvw::FormatStampKey(yesterday, 1)), stuck);
    EXPECT_EQ(listed("copy"), stuck);
}

}  // namespace
