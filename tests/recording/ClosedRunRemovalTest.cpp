// Closing a run: all its page files go, then its clean-up entry, also when a
// big run's files are finished on the worker thread.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>

#include "platform/profile/ChildProcess.h"
#include "recording/ClosedRunRemoval.h"
#include "recording/RecordingFixture.h"

using namespace kelvppvw;

namespace {

class ClosedRun : public ::testing::Test, public RecordingFixture {
protected:
    std::vector<std::string> runFiles(const std::string& stamp) const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder.path))
            if (e.path().filename().string().starts_with("Page_" + stamp + "_"))
                names.push_back(e.path().filename().string());
        return names;
    }
};

TEST_F(ClosedRun, every_file_then_the_entry_goes_whatever_the_size_of_the_run)
{
    const std::string other = addRun(now, 7, 2);
    const int big = int(InlineRemovals) + 300;
    for (const int pages : {0, 3, int(InlineRemovals), big}) {
        SCOPED_TRACE(pages);
        const std::string stamp = addRun(now, pages % 900 + 1, pages);
        const std::string key = FormatStampKey(now, pages % 900 + 1);
        busyCalls.clear();
        RemoveClosedRun(folder, stamp, key, hooks);
        if (pages <= int(InlineRemovals)) {
            // Done before the window is gone, as the user saw it before.
            EXPECT_TRUE(runFiles(stamp).empty());
            EXPECT_EQ(listed(key), "<none>");
        } else if (listed(key) == "<none>") {
            EXPECT_TRUE(runFiles(stamp).empty()) << "the entry went while files were left";
        }
        FinishClosedRunRemoval(hooks);
        EXPECT_TRUE(runFiles(stamp).empty());
        EXPECT_EQ(listed(key), "<none>");
        EXPECT_EQ(busyCalls, pages ? std::vector<bool>({true, false}) : std::vector<bool>());
    }
    EXPECT_EQ(runFiles(other).size(), 2u);
    EXPECT_EQ(listed(FormatStampKey(now, 7)), other);
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(ClosedRun, a_folder_that_refuses_deletes_is_told_at_close_and_keeps_the_run_listed)
{
    const std::string stamp = addRun(now, 5, int(InlineRemovals) + 20);
    ::chmod(dir.path().c_str(), 0755);
    ::chmod(folder.path.c_str(), 0755);
    // Root ignores permissions: the closing is done by an unprivileged child.
    const int status = inChild([&] {
        becomeNobody();
        std::string log;
        hooks.setBusyCursor = [&](bool busy) { log += busy ? "[busy]" : "[idle]"; };
        hooks.showErrorBox = [&](const std::string& text) { log += "[box:" + text + "]"; };
        RemoveClosedRun(folder, stamp, FormatStampKey(now, 5), hooks);
        const bool toldAtClose = log == "[busy][box:Error: 70\r\nPermission denied\r\nRemoveAllPages][idle]";
        FinishClosedRunRemoval(hooks);
        return toldAtClose && log.size() < 80 ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << "one box at close, none later";
    EXPECT_EQ(runFiles(stamp).size(), InlineRemovals + 20);
    EXPECT_EQ(listed(FormatStampKey(now, 5)), stamp);
}

// The file the folder lists last is one the worker deletes; made immutable
// (root only, on file systems that know the flag) it refuses.
TEST_F(ClosedRun, a_file_the_worker_cannot_delete_is_told_when_waited_for_and_keeps_the_run_listed)
{
    const std::string stamp = addRun(now, 9, int(InlineRemovals) + 20);
    const std::string last = folder.path + "/" + runFiles(stamp).back();
    const int fd = ::open(last.c_str(), O_RDONLY);
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
    const auto boxesAtClose = errorBoxes;
    FinishClosedRunRemoval(hooks);
    const auto boxesAfter = errorBoxes;
    FinishClosedRunRemoval(hooks);
    setImmutable(false);
    ::close(fd);

    EXPECT_TRUE(boxesAtClose.empty());
    EXPECT_EQ(boxesAfter, std::vector<std::string>{"Error: 70\r\nPermission denied\r\nRemoveAllPages"});
    EXPECT_EQ(errorBoxes, boxesAfter) << "told once";
    EXPECT_EQ(runFiles(stamp), std::vector<std::string>{std::filesystem::path(last).filename().string()});
    EXPECT_EQ(listed(FormatStampKey(now, 9)), stamp);
}

}  // namespace
