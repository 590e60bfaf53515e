// A recorded page printed through the printer with the gdi player and
// picture objects installed, checked in the PDF the cups-pdf queue writes.
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

// A page 756 x 1058 pixels (20 x 28 cm): a line of big text at the top left,
// a black box in the lower right quarter.
std::string recordPage(const QTemporaryDir& dir)
{
    const std::string path = dir.filePath("page.emf").toStdString();
    const gdi::Handle dc = gdi::createEnhMetaFile(0, path, gdi::Rect{0, 0, 20003, 27993}, std::nullopt);
    gdi::LogFont font;
    font.height = -80;
    font.weight = 700;
    std::copy_n("DejaVu Sans", 12, font.faceName.begin());
    const gdi::Handle hfont = gdi::createFontIndirect(font);
    const gdi::Handle old = gdi::selectObject(dc, hfont);
    gdi::setBkMode(dc, gdi::TRANSPARENT);
    gdi::textOut(dc, 40, 40, "WMWMW");
    gdi::selectObject(dc, old);
    gdi::deleteObject(hfont);
    gdi::selectObject(dc, gdi::getStockObject(gdi::BLACK_BRUSH));
    gdi::rectangle(dc, 420, 600, 700, 1000);
    gdi::deleteEnhMetaFile(gdi::closeEnhMetaFile(dc));
    return path;
}

class PrinterSeams : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(queueInstalled());
        InstallPlatformSeams();
        printer = Printer::open(testQueue());
        printer->setPaperSize(9);
    }
    double widthTw() const { return printer->deviceCaps(caps::HorzRes) * 1440.0 / printer->resolution(); }
    double heightTw() const { return printer->deviceCaps(caps::VertRes) * 1440.0 / printer->resolution(); }
    // A part of the printable area, in fractions of it, on a page rendered at dpi.
    QRect part(double x0, double y0, double x1, double y1, int dpi) const
    {
        const double s = double(dpi) / printer->resolution();
        const double w = printer->deviceCaps(caps::HorzRes) * s, h = printer->deviceCaps(caps::VertRes) * s;
        const double ox = printer->deviceCaps(caps::PhysicalOffsetX) * s;
        const double oy = printer->deviceCaps(caps::PhysicalOffsetY) * s;
        return QRectF(ox + x0 * w, oy + y0 * h, (x1 - x0) * w, (y1 - y0) * h).toRect();
    }
    void expectPage(const QImage& page)
    {
        ASSERT_FALSE(page.isNull());
        EXPECT_LT(meanGrey(page, part(0.06, 0.045, 0.5, 0.10, 72)), 200) << "the text is inked";
        EXPECT_LT(meanGrey(page, part(0.6, 0.6, 0.88, 0.9, 72)), 40) << "the box is black";
        EXPECT_GT(meanGrey(page, part(0.6, 0.05, 0.95, 0.4, 72)), 250) << "nothing else is";
        EXPECT_GT(meanGrey(page, part(0.05, 0.6, 0.5, 0.95, 72)), 250);
    }
    QTemporaryDir dir;
    std::shared_ptr<Printer> printer;
};

TEST_F(PrinterSeams, a_recorded_page_prints_with_its_text_as_a_file_and_as_a_picture_object)
{
    const std::string title = uniqueJobTitle("kvt-seams");
    printer->setDocumentName(title);
    const std::string page = recordPage(dir);
    Args byPath{Variant(page), Variant(0.0), Variant(0.0), Variant(widthTw()), Variant(heightTw())};
    printer->call("PaintPicture", byPath); // played by the installed gdi player
    printer->newPage();
    const auto picture = Picture::load(page);
    ASSERT_TRUE(picture);
    Args byObject{Variant(std::shared_ptr<Dispatch>(picture)), Variant(0.0), Variant(0.0), Variant(widthTw()),
                  Variant(heightTw())};
    printer->call("PaintPicture", byObject); // a gdi picture object
    Args notAPicture{Variant(std::shared_ptr<Dispatch>(printer)), Variant(0.0), Variant(0.0), Variant(100.0),
                     Variant(100.0)};
    EXPECT_THROW(printer->call("PaintPicture", notAPicture), AutomationError);
    EXPECT_GT(printer->endDoc(), 0);

    const auto pdf = waitForPdf(title);
    ASSERT_TRUE(pdf);
    ASSERT_EQ(pdfPages(*pdf).size(), 2u);
    expectPage(renderPdfPage(*pdf, 1, 72));
    expectPage(renderPdfPage(*pdf, 2, 72));
}

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
