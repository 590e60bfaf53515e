#pragma once
// Puts finished files on disk from a thread of its own, in the order they
// were handed over, so that creating and writing them runs on another core
// while the caller goes on drawing the next page (creating a file is the
// costly part: on ext4 without a journal it scans past every inode freed in
// the last minutes). Readers wait for a file still queued. A file that cannot
// be written completely is removed.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace kelvppvw::gdi {

class BackgroundFileWriter {
public:
    static BackgroundFileWriter& instance();
    ~BackgroundFileWriter();

    // Queues a whole file. Blocks while MaxQueued files wait, so memory stays
    // flat however far the caller runs ahead.
    void write(std::string path, std::vector<std::uint8_t> bytes);
    // Returns once the file is on disk when it is queued; at once otherwise.
    void waitFor(const std::string& path);
    // Returns once every queued file is on disk: 0, or the errno of the first
    // file that could not be written since the last call.
    int finish();

    static constexpr std::size_t MaxQueued = 32;

private:
    struct Job {
        std::string path;
        std::vector<std::uint8_t> bytes;
    };

    BackgroundFileWriter() = default;
    void run();
    // 0, or the errno of the failure.
    static int put(const Job& job);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> queue_;
    std::unordered_map<std::string, int> pending_; // queued or being written, by path
    bool busy_ = false;     // the thread holds a job
    int error_ = 0;         // first failure since the last finish()
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace kelvppvw::gdi
