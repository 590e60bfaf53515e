#pragma once

#include "components/printersetup/PrinterChoice.h"

#include <functional>
#include <optional>
#include <string>

namespace kelvppvw {

// Keeps a printer choice as keys of one section of an INI file.
class PrinterSetupStore {
public:
    // Profile access, shaped like the component's profile store: a read with a
    // default and a write. Until one is installed the store edits the file
    // itself (IniKeyFile), keeping every other line of it.
    using ReadKey = std::function<std::string(const std::string& section, const std::string& key,
                                              const std::string& defaultValue, const std::string& file)>;
    using WriteKey = std::function<void(const std::string& section, const std::string& key, const std::string& value,
                                        const std::string& file)>;
    static void setProfileAccess(ReadKey read, WriteKey write);

    // Nothing when no printer name is stored. A stored value that is no number
    // leaves that setting at its default.
    static std::optional<PrinterChoice> load(const std::string& section, const std::string& file);
    static void save(const PrinterChoice& choice, const std::string& section, const std::string& file);
};

} // namespace kelvppvw
