#include "platform/automation/ErrorOf.h"
#include "platform/printer/Printer.h"
#include "printing/PrinterMargin.h"
#include "printing/PrinterMetrics.h"

#include "platform/automation/AutomationError.h"
#include "platform/printer/PdfOutput.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace kelvppvw;
using kelvppvw::test::errorOf;

namespace {

// A printer as its device caps describe it.
struct Caps {
    std::map<int, int32_t> values;
    int32_t operator()(int index) const {
        const auto it = values.find(index);
        return it == values.end() ? 0 : it->second;
    }
};

// 720 dpi: two twips per pixel.
Caps sheet(int32_t offsetX, int32_t offsetY) {
    return Caps{{{caps::LogPixelsX, 720},
                 {caps::LogPixelsY, 720},
                 {caps::PhysicalOffsetX, offsetX},
                 {caps::PhysicalOffsetY, offsetY},
                 {caps::HorzRes, 5000},
                 {caps::VertRes, 7000},
                 {caps::PhysicalWidth, 5200},
                 {caps::PhysicalHeight, 7300}}};
}

} // namespace

TEST(PrinterMargin, the_seven_indices_measure_in_twips_and_raise_only_a_top_below_360) {
    struct Case {
        int32_t offsetY;
        uint8_t index;
        int32_t twips;
    };
    // 720 dpi, offsets 50 and 100 pixels unless said: right, bottom, left, raised top,
    // printable width and height, top as it is, then indices out of range.
    for (const Case c : {Case{100, 1, 300}, Case{100, 2, 400}, Case{100, 3, 100}, Case{100, 4, 560},
                         Case{100, 5, 10000}, Case{100, 6, 14000}, Case{100, 7, 200}, Case{100, 0, 0},
                         Case{100, 8, 0}, Case{100, 255, 0}, Case{179, 4, 358 + 360}, Case{180, 4, 360},
                         Case{0, 4, 360}})
        EXPECT_EQ(PrinterMarginFromCaps(sheet(50, c.offsetY), c.index), c.twips) << c.offsetY << " " << int(c.index);
    Caps c = sheet(1, 3);
    c.values[caps::LogPixelsX] = 576; // 2.5 twips per pixel: halves round to even
    c.values[caps::LogPixelsY] = 576;
    EXPECT_EQ(PrinterMarginFromCaps(c, 3), 2);
    EXPECT_EQ(PrinterMarginFromCaps(c, 7), 8);
}

TEST(PrinterMargin, a_printer_that_cannot_be_measured_gives_zero) {
    Caps noDpi = sheet(50, 100);
    noDpi.values[caps::LogPixelsY] = 0;
    EXPECT_EQ(errorOf([&] { PrinterMarginFromCaps(noDpi, 1); }), 11);
    Caps huge = sheet(0, 0);
    huge.values[caps::LogPixelsX] = 1;
    huge.values[caps::HorzRes] = 2000000000;
    EXPECT_EQ(errorOf([&] { PrinterMarginFromCaps(huge, 5); }), 6);
    EXPECT_EQ(PrinterMargin(nullptr, 4), 0);
}

TEST(ReadPrinterMetrics, fills_every_field_from_the_real_printer_and_margins_follow_its_caps) {
    ASSERT_TRUE(print_test::queueInstalled());
    const auto printer = Printer::open(print_test::testQueue());
    printer->setPaperSize(11);
    printer->setOrientation(Printer::Landscape);
    printer->setPrintQuality(600);
    PrinterMetrics m;
    ReadPrinterMetrics(m, printer.get());
    EXPECT_EQ(m.mlOrientation, 2);
    EXPECT_EQ(m.mlDpiX, 600);
    EXPECT_EQ(m.mlDpiY, 600);
    EXPECT_DOUBLE_EQ(m.mdblTwipsPerPxX, 2.4);
    EXPECT_DOUBLE_EQ(m.mdblTwipsPerPxY, 2.4);
    EXPECT_GT(m.mlPaperWidthPx, m.mlPaperHeightPx);
    EXPECT_LE(m.mlPrintWidthPx + m.mlOffsetXPx, m.mlPaperWidthPx);
    EXPECT_EQ(PrinterResolutionText(m), "600x600");
    EXPECT_EQ(PrinterMargin(printer.get(), 5), std::lround(m.mlPrintWidthPx * m.mdblTwipsPerPxX));
    EXPECT_EQ(PrinterMargin(printer.get(), 6), std::lround(m.mlPrintHeightPx * m.mdblTwipsPerPxY));
    const int32_t top = PrinterMargin(printer.get(), 7);
    EXPECT_EQ(PrinterMargin(printer.get(), 4), top < 360 ? top + 360 : top);
}
