#pragma once

namespace kelvppvw {

// The printer-setup component, created by class name. Its interface:
//
//   ShowPrinterSetup(section As String, iniFile As String) As Boolean
//     Lets the user choose printer, paper, orientation and quality and stores
//     the choice in that section of that INI file. True when confirmed. The
//     dialog is a modal moment of kind PrinterDialog: a queued ModalScript
//     action finds it as PrinterSetupDialog::active(), sets its widgets and
//     returns nonzero to confirm; unanswered on a headless run it is a cancel.
//
//   ReadPrinterSetup(v1, v2, v3, v4, v5, v6, v7, v8 (by reference),
//                    section As String, iniFile As String) As Long
//     Reads the stored choice back:
//       v1 position of the chosen printer in Printers (0-based)
//       v2 ColorMode (1 monochrome, 2 colour)
//       v3 PaperSize (Windows paper code)
//       v4 Duplex (1 simplex, 2 long edge, 3 short edge)
//       v5 PaperBin (0 lets the printer choose)
//       v6 Orientation (1 portrait, 2 landscape)
//       v7 Copies
//       v8 PrintQuality (dots per inch, or -1 draft .. -4 high)
//     Returns v1, or -1 when nothing is stored, or -2 when the stored printer
//     is no longer installed; below 0 the eight values are left untouched.
inline constexpr const char* PrinterSetupClassName = "kelvPrtSetup.PrinterSetup";

// Makes the class creatable through the class registry.
void RegisterPrinterSetupClass();

} // namespace kelvppvw
