#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelvppvw {

// Gathers the profile writes to one file and makes them one locked rewrite
// of it, as closing the viewer does with its own and its rulers' settings.
// While a batch for a file is open, WritePrivateProfileString for that file
// on the same thread keeps the write instead of rewriting the file; commit()
// (or the end of the batch) applies the writes in their order to the file as
// it is then, so keys that another process wrote meanwhile stay.
class ProfileWriteBatch {
public:
    explicit ProfileWriteBatch(std::string file);
    ~ProfileWriteBatch();
    ProfileWriteBatch(const ProfileWriteBatch&) = delete;
    ProfileWriteBatch& operator=(const ProfileWriteBatch&) = delete;

    // False when the file could not be written; it is then as it was.
    bool commit();

    // The open batch for that file, or null. Batches nest; the inner one takes the writes.
    static ProfileWriteBatch* openFor(const std::string& file);
    // A write as WritePrivateProfileString takes it (checked already): a null
    // key deletes the section, a null value the key.
    void add(std::string section, std::optional<std::string> key, std::optional<std::string> value);

private:
    struct Write {
        std::string section;
        std::optional<std::string> key, value;
    };

    std::string file_;
    std::vector<Write> writes_;
    ProfileWriteBatch* outer_;
};

}  // namespace kelvppvw
