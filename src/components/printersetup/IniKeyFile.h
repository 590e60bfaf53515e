#pragma once

#include <optional>
#include <string>

namespace kelvppvw {

// Reads and writes single keys of an INI file, with case-insensitive section
// and key names, keeping every other line as it was. A new file gets CR LF
// line ends; a file is replaced atomically.
class IniKeyFile {
public:
    static std::optional<std::string> read(const std::string& file, const std::string& section, const std::string& key);
    // Raises 75 when the file cannot be written.
    static void write(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value);
};

} // namespace kelvppvw
