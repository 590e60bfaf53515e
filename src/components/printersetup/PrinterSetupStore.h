#pragma once

#include "components/printersetup/PrinterChoice.h"

#include <optional>
#include <string>

namespace kelvppvw {

// Keeps a printer choice as keys of one section of an INI file, through the
// private-profile functions, so every other line of the host's file stays.
class PrinterSetupStore {
public:
    // Nothing when no printer name is stored. A stored value that is no number
    // leaves that setting at its default.
    static std::optional<PrinterChoice> load(const std::string& section, const std::string& file);
    // Raises 75 when the file cannot be written.
    static void save(const PrinterChoice& choice, const std::string& section, const std::string& file);
};

} // namespace kelvppvw
