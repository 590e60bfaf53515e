#pragma once
// Texts of the string table that the printer and paper information shows,
// read from the component's resources (resources/strings.txt).
#include <string>

namespace kelvppvw::printer_texts {

std::string NoPrinterFound();   // 101
std::string InstallFirst();     // 102
std::string AddPrinterStep2();  // 104
std::string PaperSizeWord();    // 109
std::string PrintQualityTip();  // 111
std::string AddPrinterStep1();  // 116
std::string UserDefined();      // 118

} // namespace kelvppvw::printer_texts
