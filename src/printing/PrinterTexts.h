#pragma once

namespace kelvppvw::printer_texts {

// Texts of the string table that the printer and paper information shows,
// named by their resource number.
inline constexpr const char* NoPrinterFound = "A Printer was not found on your system";      // 101
inline constexpr const char* InstallFirst = "Before you can print, you need to install a printer."; // 102
inline constexpr const char* AddPrinterStep2 = "click Printers, and then double-click Add Printer."; // 104
inline constexpr const char* PaperSizeWord = "Papersize";                                    // 109
inline constexpr const char* PrintQualityTip = "Print Quality";                              // 111
inline constexpr const char* AddPrinterStep1 = "To do this, click Start, point to Settings,";  // 116
inline constexpr const char* UserDefined = "User-defined";                                   // 118

} // namespace kelvppvw::printer_texts
