#include "printing/PrinterMetrics.h"

#include "platform/automation/AutomationError.h"
#include "platform/automation/ErrorTrap.h"
#include "platform/printer/Printer.h"

namespace kelvppvw {

namespace {
constexpr int32_t DivisionByZero = 11;

double twipsPerPixel(int32_t dpi) {
    if (dpi == 0)
        throw AutomationError(DivisionByZero);
    return 1440.0 / dpi;
}
} // namespace

void ReadPrinterMetrics(PrinterMetrics& m, Printer* printer) {
    if (!printer)
        return;
    ResumeNext next;
    next([&] { m.mlOrientation = printer->orientation(); });
    // The DC is asked afresh for every value: a query that fails costs only its own field.
    next([&] { m.mlDpiX = printer->deviceCaps(caps::LogPixelsX); });
    next([&] { m.mlDpiY = printer->deviceCaps(caps::LogPixelsY); });
    next([&] { m.mdblTwipsPerPxX = twipsPerPixel(m.mlDpiX); });
    next([&] { m.mdblTwipsPerPxY = twipsPerPixel(m.mlDpiY); });
    next([&] { m.mlOffsetXPx = printer->deviceCaps(caps::PhysicalOffsetX); });
    next([&] { m.mlOffsetYPx = printer->deviceCaps(caps::PhysicalOffsetY); });
    next([&] { m.mlPrintWidthPx = printer->deviceCaps(caps::HorzRes); });
    next([&] { m.mlPrintHeightPx = printer->deviceCaps(caps::VertRes); });
    next([&] { m.mlPaperWidthPx = printer->deviceCaps(caps::PhysicalWidth); });
    next([&] { m.mlPaperHeightPx = printer->deviceCaps(caps::PhysicalHeight); });
}

std::string PrinterResolutionText(const PrinterMetrics& m) {
    return std::to_string(m.mlDpiX) + "x" + std::to_string(m.mlDpiY);
}

} // namespace kelvppvw
