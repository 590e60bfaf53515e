// Picture boxes' and the printer's hDC as gdi DCs, answering the metrics a
// page is recorded against. Recording and printing through them are the
// viewer's and the printing area's tests: every page goes that way.
#include "components/seams/PlatformSeams.h"
#include "platform/forms/Application.h"
#include "platform/forms/PictureBox.h"
#include "platform/gdi/Gdi.h"
#include "platform/printer/PdfOutput.h"
#include "platform/printer/Printer.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace kelvppvw {
namespace {

TEST(SurfaceDc, the_handle_is_one_gdi_dc_per_box_at_96_dpi_and_dies_with_the_box)
{
    Application::ensure();
    InstallPlatformSeams();
    auto kept = std::make_shared<PictureBox>();
    auto lone = std::make_shared<PictureBox>();
    kept->Move(0, 0, 3000, 3000);
    const int32_t hdc = kept->hDC(), loneDc = lone->hDC();
    EXPECT_EQ(kept->hDC(), hdc) << "asked twice, the same DC";
    EXPECT_EQ(kept->get("hDC").toLong(), hdc);
    EXPECT_NE(loneDc, hdc);
    EXPECT_EQ(gdi::getDeviceCaps(hdc, gdi::LOGPIXELSX), 96);
    EXPECT_EQ(gdi::getDeviceCaps(hdc, gdi::LOGPIXELSY), 96);
    EXPECT_GT(gdi::getDeviceCaps(hdc, gdi::HORZRES), 0);
    lone.reset();
    EXPECT_EQ(gdi::getDeviceCaps(loneDc, gdi::LOGPIXELSX), 0) << "a dead box's DC is gone";
    EXPECT_EQ(gdi::getDeviceCaps(hdc, gdi::LOGPIXELSX), 96);
}

TEST(PrinterSeams, the_printer_dc_is_a_gdi_dc_answering_the_printers_metrics)
{
    ASSERT_TRUE(print_test::queueInstalled());
    InstallPlatformSeams();
    const auto printer = Printer::open(print_test::testQueue());
    printer->setPaperSize(9);
    const int32_t hdc = printer->hDC();
    EXPECT_EQ(printer->hDC(), hdc);
    EXPECT_EQ(gdi::getDeviceCaps(gdi::Handle(hdc), gdi::LOGPIXELSX), printer->resolution());
    EXPECT_EQ(gdi::getDeviceCaps(gdi::Handle(hdc), gdi::HORZRES), printer->deviceCaps(caps::HorzRes));
    EXPECT_EQ(gdi::getDeviceCaps(gdi::Handle(hdc), gdi::PHYSICALWIDTH), printer->deviceCaps(caps::PhysicalWidth));
    EXPECT_EQ(Printer::fromDC(hdc), printer) << "the gdi handle still finds its printer";
    const int portraitWidth = printer->deviceCaps(caps::HorzRes);
    printer->setOrientation(Printer::Landscape);
    EXPECT_EQ(printer->hDC(), hdc);
    EXPECT_EQ(gdi::getDeviceCaps(gdi::Handle(hdc), gdi::VERTRES), portraitWidth) << "turned with the paper";
    // A metafile recorded against the printer takes its resolution.
    QTemporaryDir dir;
    const gdi::Handle mf = gdi::createEnhMetaFile(gdi::Handle(hdc), dir.filePath("p.emf").toStdString(),
                                                  std::nullopt, std::nullopt);
    ASSERT_NE(mf, 0u);
    EXPECT_EQ(gdi::getDeviceCaps(mf, gdi::LOGPIXELSY), printer->resolution());
    gdi::deleteEnhMetaFile(gdi::closeEnhMetaFile(mf));
}

} // namespace
} // namespace kelvppvw
