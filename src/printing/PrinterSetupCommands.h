#pragma once

#include <string>

namespace kelvppvw {

// Reads the printer choice stored by the printer-setup component for the
// section and INI file and applies it to the current printer: the chosen
// printer becomes current, then it gets colour mode, paper size, duplex,
// paper bin, orientation, print quality and, when above 0, the copies. A
// setting the printer refuses is skipped; nothing stored changes nothing.
void ApplyStoredPrinterSetup(const std::string& section, const std::string& iniFile);

// Runs the printer-setup component's dialog; when the user confirms, applies
// the new choice. Returns whether the user confirmed; False too when the
// component cannot be created. doEvents lets the message queue run between
// the steps.
bool RunPrinterSetup(const std::string& section, const std::string& iniFile);

} // namespace kelvppvw
