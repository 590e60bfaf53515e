#pragma once
// Puts finished files on disk from a thread of its own, in the order they
// were handed over, so that creating and writing them (kernel work that
// grows with every file in the folder) runs on another core while the caller
// goes on drawing the next page. Readers wait for a file still queued.
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
    // Returns once every queued file is on disk; false when one could not be
    // written since the last call.
    bool finish();
    // True once when a write failed since the last look.
    bool takeFailure();

    static constexpr std::size_t MaxQueued = 32;

private:
    struct Job {
        std::string path;
        std::vector<std::uint8_t> bytes;
    };

    BackgroundFileWriter() = default;
    void run();
    static bool put(const Job& job);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> queue_;
    std::unordered_map<std::string, int> pending_; // queued or being written, by path
    bool busy_ = false;     // the thread holds a job
    bool failed_ = false;   // since the last finish()
    bool unseen_ = false;   // a failure takeFailure has not reported yet
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace kelvppvw::gdi
