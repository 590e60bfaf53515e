#include "platform/automation/ErrorOf.h"
#include "platform/printer/PdfOutput.h"
#include "platform/printer/Printer.h"

#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kelvppvw;
using kelvppvw::test::errorOf;
using namespace kelvppvw::print_test;

namespace {

int32_t px(double points, int dpi) { return static_cast<int32_t>(std::lround(points * dpi / 72.0)); }

class PrinterSettings : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(queueInstalled());
        printer = Printer::open(testQueue());
        printer->setPaperSize(9);
    }
    std::shared_ptr<Printer> printer;
};

} // namespace

TEST_F(PrinterSettings, paper_orientation_and_quality_set_the_sheet_caps_and_twips) {
    const int queueDpi = printer->resolution();
    struct Case {
        int32_t paper, orientation, quality;  // quality 0: the queue's own
        double widthPt, heightPt;
        int32_t widthTw, heightTw;
    };
    const Case cases[] = {
        {9, Printer::Portrait, 0, 595, 842, 11906, 16838},   // A4, 210 x 297 mm
        {9, Printer::Landscape, 0, 842, 595, 16838, 11906},
        {11, Printer::Portrait, 0, 420, 595, 8391, 11906},   // A5
        {1, Printer::Portrait, 0, 612, 792, 12240, 15840},   // Letter
        {2, Printer::Portrait, 0, 612, 792, 12240, 15840},   // Letter Small is Letter to the printer
        {9, Printer::Portrait, Printer::QualityDraft, 595, 842, 11906, 16838},
        {9, Printer::Portrait, 600, 595, 842, 11906, 16838},
    };
    for (const Case& c : cases) {
        const auto p = Printer::open(testQueue());
        p->setPaperSize(c.paper);
        p->setOrientation(c.orientation);
        if (c.quality)
            p->setPrintQuality(c.quality);
        const int dpi = c.quality == Printer::QualityDraft ? 150 : c.quality > 0 ? c.quality : queueDpi;
        SCOPED_TRACE(testing::Message() << "paper " << c.paper << ", orientation " << c.orientation << ", quality " << c.quality);
        EXPECT_EQ(p->paperSize(), c.paper);
        EXPECT_EQ(p->orientation(), c.orientation);
        if (c.quality)
            EXPECT_EQ(p->printQuality(), c.quality);
        EXPECT_EQ(p->deviceCaps(caps::LogPixelsX), dpi);
        EXPECT_EQ(p->deviceCaps(caps::LogPixelsY), dpi);
        EXPECT_EQ(p->deviceCaps(caps::PhysicalWidth), px(c.widthPt, dpi));
        EXPECT_EQ(p->deviceCaps(caps::PhysicalHeight), px(c.heightPt, dpi));
        EXPECT_EQ(p->width(), c.widthTw);
        EXPECT_EQ(p->height(), c.heightTw);
    }
    // The unprintable edges turn with the sheet: the printable area swaps its sides.
    const DeviceCaps portrait = printer->deviceCaps();
    printer->setOrientation(Printer::Landscape);
    EXPECT_EQ(printer->deviceCaps(caps::HorzRes), portrait.vertRes);
    EXPECT_EQ(printer->deviceCaps(caps::VertRes), portrait.horzRes);
    printer->setPaperSize(70);  // A6: a code beyond the named ones
    EXPECT_EQ(printer->paperSize(), 70);
}

TEST_F(PrinterSettings, refused_values_raise_380_and_change_nothing) {
    printer->setOrientation(Printer::Landscape);
    const DeviceCaps before = printer->deviceCaps();
    EXPECT_EQ(errorOf([&] { printer->setOrientation(3); }), 380);
    EXPECT_EQ(errorOf([&] { printer->setPaperSize(256); }), 380);
    EXPECT_EQ(errorOf([&] { printer->setPrintQuality(-5); }), 380);
    EXPECT_EQ(errorOf([&] { printer->setCopies(0); }), 380);
    EXPECT_EQ(printer->orientation(), Printer::Landscape);
    EXPECT_EQ(printer->paperSize(), 9);
    EXPECT_EQ(printer->deviceCaps().physicalWidth, before.physicalWidth);
    EXPECT_EQ(printer->deviceCaps().logPixelsX, before.logPixelsX);
}
