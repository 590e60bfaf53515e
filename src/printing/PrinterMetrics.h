#pragma once

#include <cstdint>
#include <string>

namespace kelvppvw {

class Printer;

// The printer metrics of the viewer's page geometry, in printer pixels unless
// named otherwise.
struct PrinterMetrics {
    int32_t mlOrientation = 0;
    int32_t mlDpiX = 0;
    int32_t mlDpiY = 0;
    double mdblTwipsPerPxX = 0;
    double mdblTwipsPerPxY = 0;
    int32_t mlOffsetXPx = 0;
    int32_t mlOffsetYPx = 0;
    int32_t mlPrintWidthPx = 0;
    int32_t mlPrintHeightPx = 0;
    int32_t mlPaperWidthPx = 0;
    int32_t mlPaperHeightPx = 0;
};

// Reads the printer's orientation and device metrics into the fields. Each
// query that fails is skipped and its field keeps its previous value; without
// a printer (nullptr) nothing changes.
void ReadPrinterMetrics(PrinterMetrics& metrics, Printer* printer);

// The resolution as "<dpi x>x<dpi y>", for example "600x600".
std::string PrinterResolutionText(const PrinterMetrics& metrics);

} // namespace kelvppvw
