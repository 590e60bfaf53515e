#include "recording/ClosedRunRemoval.h"

#include <cerrno>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include <unistd.h>

#include "platform/profile/ProfileFile.h"
#include "recording/OpenPageFolder.h"
#include "recording/PageFiles.h"
#include "recording/StampCleanup.h"

namespace kelvppvw {

namespace {

// One run at a time is removed on the thread; a second waits for the first.
class Worker {
public:
    static Worker& instance()
    {
        static Worker worker;
        return worker;
    }

    ~Worker()
    {
        // A host's forked child may have copied the mutex locked by a thread
        // it does not have: it must not wait for either.
        if (thread_ && ::getpid() != owner_) {
            (void)thread_.release();
            return;
        }
        finish();
    }

    void start(std::unique_ptr<OpenPageFolder> dir, std::vector<std::string> names, PageFolder folder,
               std::string key)
    {
        std::lock_guard lock(mutex_);
        joinLocked();
        owner_ = ::getpid();
        thread_ = std::make_unique<std::thread>([this, dir = std::move(dir), names = std::move(names), folder = std::move(folder),
                               key = std::move(key)] {
            const int err = dir->remove(names, 0, names.size());
            if (err == 0)
                RemoveStampEntry(folder, key);
            error_ = err;
        });
    }

    // 0, or the errno of the failure of the run that was on the thread.
    int finish()
    {
        std::lock_guard lock(mutex_);
        joinLocked();
        return std::exchange(error_, 0);
    }

private:
    // The thread writes the clean-up list through the profile cache, a static
    // too: built here (any load builds it), it outlives the worker.
    Worker() { ProfileFile::load({}); }

    void joinLocked()
    {
        if (!thread_)
            return;
        if (::getpid() == owner_)
            thread_->join();
        else
            // A host's forked child has the object but not the thread: joining
            // it would wait forever, destroying it would terminate. Leave it.
            (void)thread_.release();
        thread_.reset();
    }

    std::mutex mutex_;
    std::unique_ptr<std::thread> thread_;
    pid_t owner_ = 0;
    int error_ = 0;  // written by the thread before it ends, read after the join
};

}  // namespace

void FinishClosedRunRemoval(const RecordingHooks& hooks)
{
    if (const int err = Worker::instance().finish())
        ReportRemovalError(hooks, err);
}

void RemoveClosedRun(const PageFolder& folder, const std::string& stamp, const std::string& key,
                     const RecordingHooks& hooks)
{
    FinishClosedRunRemoval(hooks);
    if (!IsPageStamp(stamp)) {
        // Names no file of ours, so nothing of it can remain.
        RemoveStampEntry(folder, key);
        return;
    }
    auto dir = std::make_unique<OpenPageFolder>(folder.path);
    if (dir->fd() < 0) {
        // No folder means no page files; anything else is worth telling.
        if (dir->error() != ENOENT && dir->error() != ENOTDIR)
            ReportRemovalError(hooks, dir->error());
        else
            RemoveStampEntry(folder, key);
        return;
    }
    int scanError = 0;
    std::vector<std::string> names = std::move(dir->pageFiles({{stamp, 0}}, scanError)[stamp]);
    if (scanError != 0)
        ReportRemovalError(hooks, scanError);  // a scan cut short may have missed files
    const bool handOver = scanError == 0 && names.size() > InlineRemovals;
    int err = 0;
    if (!names.empty()) {
        hooks.setBusyCursor(true);
        err = dir->remove(names, 0, handOver ? InlineRemovals : names.size());
        // A folder that refuses a delete gets every file tried now and one box.
        if (err != 0 && handOver)
            dir->remove(names, InlineRemovals, names.size());
        if (err != 0)
            ReportRemovalError(hooks, err);
        hooks.setBusyCursor(false);
    }
    if (scanError != 0 || err != 0)
        return;
    if (!handOver) {
        RemoveStampEntry(folder, key);
        return;
    }
    names.erase(names.begin(), names.begin() + InlineRemovals);
    Worker::instance().start(std::move(dir), std::move(names), folder, key);
}

}  // namespace kelvppvw
