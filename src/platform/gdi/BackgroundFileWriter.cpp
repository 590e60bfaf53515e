#include "platform/gdi/BackgroundFileWriter.h"

#include "platform/gdi/RegularFile.h"

#include <cerrno>
#include <utility>
#include <fcntl.h>
#include <unistd.h>

namespace kelvppvw::gdi {

BackgroundFileWriter& BackgroundFileWriter::instance()
{
    // Destroyed at exit, after the last file queued is written.
    static BackgroundFileWriter writer;
    return writer;
}

BackgroundFileWriter::~BackgroundFileWriter()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void BackgroundFileWriter::write(std::string path, std::vector<std::uint8_t> bytes)
{
    std::unique_lock lock(mutex_);
    if (!thread_.joinable())
        thread_ = std::thread([this] { run(); });
    changed_.wait(lock, [this] { return queue_.size() < MaxQueued; });
    ++pending_[path];
    queue_.push_back({std::move(path), std::move(bytes)});
    changed_.notify_all();
}

void BackgroundFileWriter::waitFor(const std::string& path)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !pending_.contains(path); });
}

int BackgroundFileWriter::finish()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.empty() && !busy_; });
    return std::exchange(error_, 0);
}

void BackgroundFileWriter::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty())
            return; // stopping, and nothing is left to write
        Job job = std::move(queue_.front());
        queue_.pop_front();
        busy_ = true;
        changed_.notify_all(); // room in the queue
        lock.unlock();
        const int error = put(job);
        lock.lock();
        busy_ = false;
        if (error && !error_)
            error_ = error;
        if (auto it = pending_.find(job.path); it != pending_.end() && --it->second == 0)
            pending_.erase(it);
        changed_.notify_all();
    }
}

int BackgroundFileWriter::put(const Job& job)
{
    const int fd = openRegularForWriting(job.path);
    if (fd < 0)
        return -fd;
    int error = 0;
    std::size_t done = 0;
    while (!error && done < job.bytes.size()) {
        const ssize_t n = ::write(fd, job.bytes.data() + done, job.bytes.size() - done);
        if (n > 0)
            done += std::size_t(n);
        else if (n == 0 || errno != EINTR)
            error = n == 0 ? EIO : errno;
    }
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error)
        ::unlink(job.path.c_str()); // a page cut short is no page
    return error;
}

} // namespace kelvppvw::gdi
