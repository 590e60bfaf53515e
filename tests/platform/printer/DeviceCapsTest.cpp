#include "platform/printer/DeviceCaps.h"
#include "platform/printer/PdfOutput.h"
#include "platform/printer/PrinterPicture.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

using namespace kelvppvw;

TEST(DeviceCaps, the_sheet_and_printable_area_round_each_edge_on_its_own) {
    struct Case {
        double width, height, left, top, right, bottom;  // points
        int dpiX, dpiY;
        int32_t physicalWidth, physicalHeight, offsetX, offsetY, horzRes, vertRes;
    };
    const Case cases[] = {
        // Qt's PDF device paints A4 with 10 pt margins at 1200 dpi on exactly this sheet.
        {595, 842, 10, 10, 10, 10, 1200, 1200, 9917, 14033, 167, 167, 9583, 13699},
        // Letter at 300 x 600 dpi with uneven margins: 13.5 pt is 56.25 px.
        {612, 792, 18, 9, 13.5, 27, 300, 600, 2550, 6600, 75, 75, 2550 - 75 - 56, 6600 - 75 - 225},
    };
    for (const Case& t : cases) {
        const DeviceCaps c = DeviceCaps::fromPoints(t.width, t.height, t.left, t.top, t.right, t.bottom, t.dpiX, t.dpiY);
        EXPECT_EQ(c.value(caps::PhysicalWidth), t.physicalWidth) << t.width;
        EXPECT_EQ(c.value(caps::PhysicalHeight), t.physicalHeight) << t.width;
        EXPECT_EQ(c.value(caps::PhysicalOffsetX), t.offsetX) << t.width;
        EXPECT_EQ(c.value(caps::PhysicalOffsetY), t.offsetY) << t.width;
        EXPECT_EQ(c.value(caps::HorzRes), t.horzRes) << t.width;
        EXPECT_EQ(c.value(caps::VertRes), t.vertRes) << t.width;
        EXPECT_EQ(c.value(caps::LogPixelsX), t.dpiX) << t.width;
        EXPECT_EQ(c.value(caps::LogPixelsY), t.dpiY) << t.width;
    }
}

TEST(PrinterPicture, files_are_told_apart_by_content_not_by_name) {
    QTemporaryDir dir;
    const std::string emf = dir.filePath("page.png").toStdString();  // an EMF despite its name
    const std::string png = dir.filePath("page.emf").toStdString();  // and the other way round
    print_test::writeMetafileStub(emf);
    std::ofstream(png, std::ios::binary) << "\x89PNG\r\n\x1a\n not really";
    EXPECT_EQ(PrinterPicture::fromFile(emf).kind, PrinterPicture::Kind::EnhancedMetafile);
    EXPECT_EQ(PrinterPicture::fromFile(png).kind, PrinterPicture::Kind::ImageFile);
    EXPECT_EQ(PrinterPicture::fromFile(dir.filePath("missing").toStdString()).kind, PrinterPicture::Kind::ImageFile);
}
