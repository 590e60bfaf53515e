#include "platform/automation/ErrorOf.h"
#include "platform/printer/PdfOutput.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Printers.h"

#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST_F(PrinterSettings, a4_portrait_and_landscape_swap_sheet_caps_and_twips) {
    const int dpi = printer->resolution();
    EXPECT_EQ(printer->paperSize(), 9);
    EXPECT_EQ(printer->deviceCaps(caps::PhysicalWidth), px(595, dpi));
    EXPECT_EQ(printer->deviceCaps(caps::PhysicalHeight), px(842, dpi));
    EXPECT_EQ(printer->width(), 11906);   // 210 mm
    EXPECT_EQ(printer->height(), 16838);  // 297 mm
    const DeviceCaps portrait = printer->deviceCaps();

    printer->setOrientation(Printer::Landscape);
    EXPECT_EQ(printer->orientation(), Printer::Landscape);
    EXPECT_EQ(printer->deviceCaps(caps::PhysicalWidth), portrait.physicalHeight);
    EXPECT_EQ(printer->deviceCaps(caps::PhysicalHeight), portrait.physicalWidth);
    // The unprintable edges turn with the sheet: the printable area swaps its sides.
    EXPECT_EQ(printer->deviceCaps(caps::HorzRes), portrait.vertRes);
    EXPECT_EQ(printer->deviceCaps(caps::VertRes), portrait.horzRes);
    EXPECT_EQ(printer->width(), 16838);
    EXPECT_EQ(printer->height(), 11906);
}

TEST_F(PrinterSettings, paper_codes_pick_the_size_and_read_back_as_set) {
    const int dpi = printer->resolution();
    printer->setPaperSize(11);  // A5, 420 x 595 pt
    EXPECT_EQ(printer->paperSize(), 11);
    EXPECT_EQ(printer->deviceCaps(caps::PhysicalWidth), px(420, dpi));
    EXPECT_EQ(printer->deviceCaps(caps::PhysicalHeight), px(595, dpi));
    EXPECT_EQ(printer->width(), 8391);
    printer->setPaperSize(1);  // Letter, 612 x 792 pt
    EXPECT_EQ(printer->deviceCaps(caps::PhysicalWidth), px(612, dpi));
    EXPECT_EQ(printer->width(), 12240);
    EXPECT_EQ(printer->height(), 15840);
    printer->setPaperSize(70);  // A6: a code beyond the named ones
    EXPECT_EQ(printer->paperSize(), 70);
    printer->setPaperSize(2);  // Letter Small is Letter to the printer but keeps its code
    EXPECT_EQ(printer->paperSize(), 2);
    EXPECT_EQ(printer->deviceCaps(caps::PhysicalWidth), px(612, dpi));
}

TEST_F(PrinterSettings, refused_values_raise_380_and_change_nothing) {
    printer->setOrientation(Printer::Landscape);
    const DeviceCaps before = printer->deviceCaps();
    EXPECT_EQ(errorOf([&] { printer->setOrientation(3); }), 380);
    EXPECT_EQ(errorOf([&] { printer->setPaperSize(256); }), 380);
    EXPECT_EQ(errorOf([&] { printer->setPaperSize(0); }), 380);
    EXPECT_EQ(errorOf([&] { printer->setPrintQuality(0); }), 380);
    EXPECT_EQ(errorOf([&] { printer->setPrintQuality(-5); }), 380);
    EXPECT_EQ(errorOf([&] { printer->setCopies(0); }), 380);
    EXPECT_EQ(printer->orientation(), Printer::Landscape);
    EXPECT_EQ(printer->paperSize(), 9);
    EXPECT_EQ(printer->deviceCaps().physicalWidth, before.physicalWidth);
    EXPECT_EQ(printer->deviceCaps().logPixelsX, before.logPixelsX);
}

TEST_F(PrinterSettings, print_quality_codes_and_resolutions_drive_the_caps) {
    printer->setPrintQuality(Printer::QualityDraft);
    EXPECT_EQ(printer->printQuality(), -1);
    EXPECT_EQ(printer->deviceCaps(caps::LogPixelsX), 150);
    EXPECT_EQ(printer->deviceCaps(caps::PhysicalWidth), px(595, 150));
    printer->setPrintQuality(600);
    EXPECT_EQ(printer->printQuality(), 600);
    EXPECT_EQ(printer->deviceCaps(caps::LogPixelsY), 600);
    EXPECT_EQ(printer->deviceCaps(caps::PhysicalHeight), px(842, 600));
}

TEST_F(PrinterSettings, the_dc_handle_answers_device_caps_until_the_printer_goes) {
    const int32_t hdc = printer->hDC();
    EXPECT_NE(hdc, 0);
    EXPECT_EQ(printer->hDC(), hdc);
    EXPECT_EQ(Printer::fromDC(hdc), printer);
    printer->setOrientation(Printer::Landscape);
    EXPECT_EQ(Printer::deviceCapsOfDC(hdc, caps::PhysicalWidth), printer->deviceCaps(caps::PhysicalWidth));
    EXPECT_EQ(Printer::deviceCapsOfDC(hdc + 1000, caps::PhysicalWidth), 0);
    printer.reset();
    EXPECT_EQ(Printer::deviceCapsOfDC(hdc, caps::LogPixelsX), 0);
}

TEST(PrinterCollection, lists_the_test_queue_sorted_and_hands_out_its_printers) {
    ASSERT_TRUE(queueInstalled());
    const auto printers = Printers::installed();
    ASSERT_GE(printers->count(), 1);
    EXPECT_TRUE(std::is_sorted(printers->names().begin(), printers->names().end()));
    const int32_t i = printers->indexOf(testQueue());
    ASSERT_GE(i, 0);
    EXPECT_EQ(printers->item(i)->deviceName(), testQueue());
    EXPECT_EQ(printers->indexOf("no-such-queue"), -1);
    EXPECT_EQ(errorOf([&] { printers->item(printers->count()); }), 9);
    EXPECT_EQ(errorOf([&] { printers->item(-1); }), 9);

    EXPECT_EQ(printers->get("Count").toLong(), printers->count());
    const auto viaItem = printers->get("Item", {Variant(i)}).objectAs<Printer>();
    ASSERT_TRUE(viaItem);
    EXPECT_EQ(viaItem->get("DeviceName").toString(), testQueue());
}

TEST(PrinterCollection, the_current_printer_is_an_installed_one_until_another_is_set) {
    ASSERT_TRUE(queueInstalled());
    Printer::resetCurrent();
    const auto current = Printer::current();
    ASSERT_TRUE(current);
    EXPECT_GE(Printers::installed()->indexOf(current->deviceName()), 0);
    EXPECT_EQ(Printer::current(), current);

    const auto mine = Printer::open(testQueue());
    Printer::setCurrent(mine);
    EXPECT_EQ(Printer::current(), mine);
    Printer::resetCurrent();
    EXPECT_NE(Printer::current(), mine);
}
