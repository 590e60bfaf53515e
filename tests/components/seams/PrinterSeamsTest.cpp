// The printer's DC as a gdi DC. Recorded pages printed through the installed
// gdi player are the printing area's tests, on the same cups-pdf queue.
#include "components/seams/PlatformSeams.h"
#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Picture.h"
#include "platform/printer/PdfOutput.h"
#include "platform/printer/Printer.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace kelvppvw {
namespace {

using namespace print_test;

class PrinterSeams : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(queueInstalled());
        InstallPlatformSeams();
        printer = Printer::open(testQueue());
        printer->setPaperSize(9);
    }
    QTemporaryDir dir;
    std::shared_ptr<Printer> printer;
};

TEST_F(PrinterSeams, the_printer_dc_is_a_gdi_dc_answering_the_printers_metrics)
{
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
    const gdi::Handle mf = gdi::createEnhMetaFile(gdi::Handle(hdc), dir.filePath("p.emf").toStdString(),
                                                  std::nullopt, std::nullopt);
    ASSERT_NE(mf, 0u);
    EXPECT_EQ(gdi::getDeviceCaps(mf, gdi::LOGPIXELSY), printer->resolution());
    gdi::deleteEnhMetaFile(gdi::closeEnhMetaFile(mf));
}

} // namespace
} // namespace kelvppvw
