#include "platform/automation/ErrorOf.h"
#include "platform/printer/MetafilePlayer.h"
#include "platform/printer/PdfOutput.h"
#include "platform/printer/Printer.h"

#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTemporaryDir>


using namespace kelvppvw;
using kelvppvw::test::errorOf;
using namespace kelvppvw::print_test;

namespace {

// A 4 x 4 grid picture, white, with the cell on the diagonal at `cell` black.
QImage diagonalCell(int cell) {
    QImage image(400, 400, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(cell * 100, cell * 100, 100, 100, Qt::black);
    return image;
}

PrinterPicture asBitmap(const QImage& image) {
    const auto* pixels = reinterpret_cast<const uint32_t*>(image.constBits());  // ARGB32, rows without padding
    return PrinterPicture::bitmap(image.width(), image.height(),
                                  std::vector<uint32_t>(pixels, pixels + image.width() * image.height()));
}

class PrintJobs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(queueInstalled());
        printer = Printer::open(testQueue());
        printer->setPaperSize(9);
    }
    void TearDown() override {
        setPrinterMetafilePlayer(nullptr);
        Printer::setPictureResolver(nullptr);
    }
    // The printable area in twips, as the viewer paints its pages into it.
    double printableWidthTw() const { return printer->deviceCaps(caps::HorzRes) * 1440.0 / printer->resolution(); }
    double printableHeightTw() const { return printer->deviceCaps(caps::VertRes) * 1440.0 / printer->resolution(); }
    // The rectangle of a diagonal cell in a page rendered at dpi, inset by a
    // quarter of the cell so anti-aliased edges do not count.
    QRect cellOnPage(int cell, int dpi) const {
        const double s = static_cast<double>(dpi) / printer->resolution();
        const double w = printer->deviceCaps(caps::HorzRes) / 4.0 * s;
        const double h = printer->deviceCaps(caps::VertRes) / 4.0 * s;
        const double x = printer->deviceCaps(caps::PhysicalOffsetX) * s + cell * w;
        const double y = printer->deviceCaps(caps::PhysicalOffsetY) * s + cell * h;
        return QRectF(x + w / 4, y + h / 4, w / 2, h / 2).toRect();
    }

    std::shared_ptr<Printer> printer;
    QTemporaryDir dir;
};

} // namespace

// Upright A4 is every printing test's sheet; this job is landscape A5.
TEST_F(PrintJobs, three_landscape_pages_reach_the_queue_turned_on_a5_sheets_with_their_ink) {
    const std::string title = uniqueJobTitle("kvt-three");
    printer->setDocumentName(title);
    printer->setPaperSize(11);
    printer->setOrientation(Printer::Landscape);
    const double w = printableWidthTw(), h = printableHeightTw();

    printer->paintPicture(asBitmap(diagonalCell(0)), 0, 0, w, h);  // a bitmap held in memory
    EXPECT_TRUE(printer->jobOpen());
    printer->newPage();
    const QString second = dir.filePath("second.png");
    ASSERT_TRUE(diagonalCell(1).save(second));
    printer->paintPicture(PrinterPicture::imageFile(second.toStdString()), 0, 0, w, h);  // an image file
    printer->newPage();
    const QString third = dir.filePath("third.bmp");
    ASSERT_TRUE(diagonalCell(2).save(third));
    Args args{Variant(third.toStdString()), Variant(0.0), Variant(0.0), Variant(w), Variant(h)};
    printer->call("PaintPicture", args);  // the late-bound call with a file path
    EXPECT_EQ(printer->jobPages(), 3);
    EXPECT_GT(printer->endDoc(), 0);
    EXPECT_FALSE(printer->jobOpen());

    const auto pdf = waitForPdf(title);
    ASSERT_TRUE(pdf) << "no PDF for job " << title << " in " << pdfDirectory();
    const auto pages = pdfPages(*pdf);
    ASSERT_EQ(pages.size(), 3u);
    // The queue takes upright A5 sheets and prints each page turned a quarter
    // counter-clockwise on it, as a printer does.
    for (const PdfPage& page : pages) {
        EXPECT_NEAR(page.widthPt, 419.5, 1.5);
        EXPECT_NEAR(page.heightPt, 595.3, 1.5);
    }
    for (int n = 1; n <= 3; ++n) {
        const QImage image = renderPdfPage(*pdf, n, 36).transformed(QTransform().rotate(90));
        ASSERT_FALSE(image.isNull());
        EXPECT_GT(image.width(), image.height());
        for (int cell = 0; cell < 4; ++cell) {
            const double grey = meanGrey(image, cellOnPage(cell, 36));
            if (cell == n - 1)
                EXPECT_LT(grey, 60) << "page " << n << " should be inked in cell " << cell;
            else
                EXPECT_GT(grey, 200) << "page " << n << " should be blank in cell " << cell;
        }
    }
}

TEST_F(PrintJobs, a_queue_that_does_not_exist_refuses_the_job_with_482_and_a_reason) {
    const auto ghost = Printer::open("kelvppvw-no-such-queue");
    ghost->paintPicture(asBitmap(diagonalCell(0)), 0, 0, 1440, 1440);
    try {
        ghost->endDoc();
        FAIL() << "the job was accepted";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 482);
        EXPECT_NE(e.description().find("kelvppvw-no-such-queue"), std::string::npos) << e.description();
    }
    EXPECT_FALSE(ghost->jobOpen());
}

TEST_F(PrintJobs, pictures_that_cannot_be_drawn_raise_481_and_open_no_job) {
    const std::string emf = dir.filePath("stub.emf").toStdString();
    writeMetafileStub(emf);
    setPrinterMetafilePlayer(nullptr);
    EXPECT_EQ(errorOf([&] { printer->paintPicture(PrinterPicture::metafile(emf), 0, 0, 100, 100); }), 481);
    EXPECT_EQ(errorOf([&] { printer->paintPicture(PrinterPicture::bitmap(2, 2, {0, 0, 0}), 0, 0, 1, 1); }), 481);
    EXPECT_FALSE(printer->jobOpen());

    // A player that fails.
    setPrinterMetafilePlayer([](const std::string&, QPainter&, const QRectF&) { return false; });
    EXPECT_EQ(errorOf([&] { printer->paintPicture(PrinterPicture::metafile(emf), 0, 0, 100, 100); }), 481);
    printer->killDoc();
}
