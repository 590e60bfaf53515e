#include "printing/PrinterMargin.h"

#include "platform/automation/AutomationError.h"
#include "platform/automation/ErrorTrap.h"
#include "platform/automation/Variant.h"
#include "platform/printer/Printer.h"

#include <limits>

namespace kelvppvw {

namespace {
constexpr int32_t DivisionByZero = 11;

int32_t toTwips(double value) {
    const double r = roundHalfEven(value);
    if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max())
        throw AutomationError(err::Overflow);
    return static_cast<int32_t>(r);
}
} // namespace

int32_t PrinterMarginFromCaps(const std::function<int32_t(int)>& deviceCaps, uint8_t index) {
    const int32_t dpiX = deviceCaps(caps::LogPixelsX);
    const int32_t dpiY = deviceCaps(caps::LogPixelsY);
    if (dpiX == 0 || dpiY == 0)
        throw AutomationError(DivisionByZero);
    const double perPxX = 1440.0 / dpiX;
    const double perPxY = 1440.0 / dpiY;
    const double offsetX = deviceCaps(caps::PhysicalOffsetX);
    const double offsetY = deviceCaps(caps::PhysicalOffsetY);
    const double printWidth = deviceCaps(caps::HorzRes);
    const double printHeight = deviceCaps(caps::VertRes);
    const double paperWidth = deviceCaps(caps::PhysicalWidth);
    const double paperHeight = deviceCaps(caps::PhysicalHeight);
    const double right = paperWidth - printWidth - offsetX;
    const double bottom = paperHeight - printHeight - offsetY;
    switch (index) {
    case 1: return toTwips(right * perPxX);
    case 2: return toTwips(bottom * perPxY);
    case 3: return toTwips(offsetX * perPxX);
    case 4: {
        // A narrow top edge gets a quarter inch more, so pages never start at the very edge of the sheet.
        const double top = offsetY * perPxY;
        return toTwips(top < 360 ? top + 360 : top);
    }
    case 5: return toTwips(printWidth * perPxX);
    case 6: return toTwips(printHeight * perPxY);
    case 7: return toTwips(offsetY * perPxY);
    default: return 0;
    }
}

int32_t PrinterMargin(Printer* printer, uint8_t index) {
    int32_t result = 0;
    if (!printer)
        return 0;
    stopSilently([&] { result = PrinterMarginFromCaps([printer](int i) { return printer->deviceCaps(i); }, index); });
    return result;
}

int32_t PrinterMargin(uint8_t index) {
    int32_t result = 0;
    stopSilently([&] { result = PrinterMargin(Printer::current().get(), index); });
    return result;
}

} // namespace kelvppvw
