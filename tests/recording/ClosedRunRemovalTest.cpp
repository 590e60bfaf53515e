// Closing a run: all its page files go, then its clean-up entry, also when a
// big run's files are finished on the worker thread.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "recording/ClosedRunRemoval.h"
#include "recording/RecordingFixture.h"

using namespace kelvppvw;

namespace {

class ClosedRun : public ::testing::Test, public RecordingFixture {};

TEST_F(ClosedRun, every_file_then_the_entry_goes_whatever_the_size_of_the_run)
{
    const std::string other = addRun(now, 999, 2);
    // Two big runs in a row: the worker is started again once the first is done.
    const int big = int(InlineRemovals) + 300;
    for (const int pages : {0, 3, int(InlineRemovals), big, big + 1}) {
        SCOPED_TRACE(pages);
        const std::string stamp = addRun(now, pages % 900 + 1, pages), key = FormatStampKey(now, pages % 900 + 1);
        busyCalls.clear();
        RemoveClosedRun(folder, stamp, key, hooks);
        // A small run is gone before the window is; a big one never loses its entry first.
        if (pages <= int(InlineRemovals) || listed(key) == "<none>")
            EXPECT_TRUE(runFiles(stamp).empty());
        FinishClosedRunRemoval(hooks);
        EXPECT_TRUE(runFiles(stamp).empty());
        EXPECT_EQ(listed(key), "<none>");
        EXPECT_EQ(busyCalls, pages ? std::vector<bool>({true, false}) : std::vector<bool>());
    }
    EXPECT_EQ(runFiles(other).size(), 2u);
    EXPECT_EQ(listed(FormatStampKey(now, 999)), other);
    EXPECT_TRUE(errorBoxes.empty());
}

// The file the folder lists last is one the worker deletes; made immutable
// (root only, on file systems that know the flag) it refuses.
TEST_F(ClosedRun, a_file_the_worker_cannot_delete_is_told_once_when_waited_for_and_keeps_the_run_listed)
{
    const std::string stamp = addRun(now, 9, int(InlineRemovals) + 20);
    const std::string last = runFiles(stamp).back();
    const int fd = ::open((folder.path + "/" + last).c_str(), O_RDONLY);
    int flags = 0;
    const auto setImmutable = [&](bool on) {
        const int wanted = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        return ::ioctl(fd, FS_IOC_SETFLAGS, &wanted) == 0;
    };
    if (fd < 0 || ::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0 || !setImmutable(true)) {
        ::close(fd);
        GTEST_SKIP() << "no immutable files here";
    }
    RemoveClosedRun(folder, stamp, FormatStampKey(now, 9), hooks);
    const std::size_t boxesAtClose = errorBoxes.size();
    FinishClosedRunRemoval(hooks);
    FinishClosedRunRemoval(hooks);
    setImmutable(false);
    ::close(fd);

    EXPECT_EQ(boxesAtClose, 0u);
    EXPECT_EQ(errorBoxes, std::vector<std::string>{"Error: 70\r\nPermission denied\r\nRemoveAllPages"});
    EXPECT_EQ(runFiles(stamp), std::vector<std::string>{last});
    EXPECT_EQ(listed(FormatStampKey(now, 9)), stamp);
}

}  // namespace
