#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kelvppvw {

// Stamps to the place they were asked for, looked up by a name's stamp
// without copying it: a folder can hold tens of thousands of page files.
struct StampHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
using StampIndex = std::unordered_map<std::string, std::size_t, StampHash, std::equal_to<>>;

// The page folder held open, so that files are found and deleted relative to
// the folder as it was opened: a path renamed or replaced meanwhile never
// leads a delete anywhere else. A folder that is a link is followed, as
// recording into it follows it: the files are wherever the pages went.
class OpenPageFolder {
public:
    explicit OpenPageFolder(const std::string& path);
    ~OpenPageFolder();
    OpenPageFolder(const OpenPageFolder&) = delete;
    OpenPageFolder& operator=(const OpenPageFolder&) = delete;

    // -1 when the folder could not be opened; error() tells why.
    int fd() const { return fd_; }
    int error() const { return error_; }

    // Names of the regular page files whose stamp is wanted, by stamp.
    // scanError is the errno of a scan cut short, 0 when every entry was seen.
    std::unordered_map<std::string, std::vector<std::string>> pageFiles(const StampIndex& wanted,
                                                                        int& scanError) const;

    // Deletes names[first, last); 0, or the errno of the first failure (a file
    // already gone is no failure). The rest are still tried after a failure.
    int remove(const std::vector<std::string>& names, std::size_t first, std::size_t last) const;

private:
    bool isRegularFile(const char* name, unsigned char type) const;

    int fd_;
    int error_;
};

}  // namespace kelvppvw
