// Text that cannot show is skipped when a page is played for part of it;
// what does show must come out as when the whole page is played.
#include "EmfTestFile.h"

#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstring>

using namespace kelvppvw;
using namespace kelvppvw::gdi;
using kelvppvw::test::inkIn;

TEST(EmfPlayerCulling, a_page_played_for_a_tile_or_under_a_clip_shows_there_what_the_whole_page_shows) {
    // Rows of text in two fonts, then a run continuing where the one before
    // ended (the current position), on a page of 378 screen pixels.
    QTemporaryDir dir;
    const std::string file = dir.filePath("page.emf").toStdString();
    const Handle reference = getScreenDC();
    const Handle dc = createEnhMetaFile(reference, file, Rect{0, 0, 10000, 10000}, std::nullopt);
    LogFont mono, italic;
    mono.height = -11;
    std::strcpy(mono.faceName.data(), "Courier New");
    italic.height = -16;
    italic.italic = true;
    std::strcpy(italic.faceName.data(), "Liberation Sans");
    const Handle fonts[] = {createFontIndirect(mono), createFontIndirect(italic)};
    for (int row = 0; row < 12; ++row) {
        selectObject(dc, fonts[row % 2]);
        textOut(dc, 3, 4 + row * 14, "Row " + std::to_string(row) + ": the quick brown fox jumps");
    }
    selectObject(dc, fonts[0]);
    setTextAlign(dc, 1); // update the current position
    moveToEx(dc, 3, 200, nullptr);
    textOut(dc, 0, 0, "WWWWWWWWWWWWWWWWWWWW");
    textOut(dc, 0, 0, "iiiiiiii########");
    selectObject(dc, getStockObject(SYSTEM_FONT));
    deleteEnhMetaFile(closeEnhMetaFile(dc));
    deleteDC(reference);
    const auto bytes = test::readBytes(file);

    const QSize size(378, 378);
    const QImage whole = test::play(bytes, size);
    // Edges through rows, through letters, and a tile with only the second
    // half of the continued run, whose start lies far outside it.
    for (const QRect& tile : {QRect(0, 0, 378, 37), QRect(60, 0, 41, 378), QRect(170, 190, 150, 30)}) {
        const int expected = inkIn(whole, tile);
        ASSERT_GT(expected, 20) << "nothing to compare in the tile at " << tile.x() << "," << tile.y();
        for (const bool byClip : {false, true}) {
            QImage part(byClip ? size : tile.size(), QImage::Format_RGB32);
            part.fill(Qt::white);
            QPainter painter(&part);
            if (byClip)
                painter.setClipRect(tile);
            else
                painter.translate(-tile.topLeft());
            EmfPlayer::play(painter, bytes, QRectF(QPointF(0, 0), QSizeF(size)));
            painter.end();
            EXPECT_NEAR(inkIn(part, byClip ? tile : part.rect()), expected, 2 + expected / 50)
                << (byClip ? "clipped to " : "tile at ") << tile.x() << "," << tile.y();
        }
    }
}
