#include "platform/printer/DeviceCaps.h"
#include "platform/printer/PdfOutput.h"
#include "platform/printer/PrinterPicture.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

using namespace kelvppvw;

TEST(DeviceCaps, a4_with_ten_point_margins_at_1200_dpi_matches_the_paint_device) {
    // Qt's PDF device paints A4 (595 x 842 pt) with 10 pt margins on a
    // 9917 x 14033 sheet with the printable rectangle at (167,167) 9583 x 13699.
    const DeviceCaps c = DeviceCaps::fromPoints(595, 842, 10, 10, 10, 10, 1200, 1200);
    EXPECT_EQ(c.value(caps::PhysicalWidth), 9917);
    EXPECT_EQ(c.value(caps::PhysicalHeight), 14033);
    EXPECT_EQ(c.value(caps::PhysicalOffsetX), 167);
    EXPECT_EQ(c.value(caps::PhysicalOffsetY), 167);
    EXPECT_EQ(c.value(caps::HorzRes), 9583);
    EXPECT_EQ(c.value(caps::VertRes), 13699);
    EXPECT_EQ(c.value(caps::LogPixelsX), 1200);
    EXPECT_EQ(c.value(caps::LogPixelsY), 1200);
}

TEST(DeviceCaps, uneven_margins_and_resolutions_round_each_edge_on_its_own) {
    // Letter at 300 x 600 dpi, margins 18 pt left, 9 pt top, 13.5 pt right, 27 pt bottom.
    const DeviceCaps c = DeviceCaps::fromPoints(612, 792, 18, 9, 13.5, 27, 300, 600);
    EXPECT_EQ(c.physicalWidth, 2550);
    EXPECT_EQ(c.physicalHeight, 6600);
    EXPECT_EQ(c.physicalOffsetX, 75);
    EXPECT_EQ(c.physicalOffsetY, 75);
    EXPECT_EQ(c.horzRes, 2550 - 75 - 56);  // 13.5 pt is 56.25 px
    EXPECT_EQ(c.vertRes, 6600 - 75 - 225);
}

TEST(DeviceCaps, indices_a_printer_does_not_answer_give_zero) {
    const DeviceCaps c = DeviceCaps::fromPoints(595, 842, 0, 0, 0, 0, 600, 600);
    for (int index : {0, 2, 9, 87, 89, 109, 114, 255})
        EXPECT_EQ(c.value(index), 0) << index;
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
