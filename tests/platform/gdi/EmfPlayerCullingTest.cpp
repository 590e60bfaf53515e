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
    // Rows of italic text, then a run continuing where the one before ended
    // (the current position), on a page of 378 screen pixels.
    QTemporaryDir dir;
    const std::string file = dir.filePath("page.emf").toStdString();
    const Handle reference = getScreenDC();
    const Handle dc = createEnhMetaFile(reference, file, Rect{0, 0, 10000, 10000}, std::nullopt);
    LogFont font;
    font.height = -14;
    font.italic = true;
    std::strcpy(font.faceName.data(), "Liberation Sans");
    selectObject(dc, createFontIndirect(font));
    for (int row = 0; row < 8; ++row)
        textOut(dc, 3, 4 + row * 24, "Row " + std::to_string(row) + ": the quick brown fox jumps");
    setTextAlign(dc, 1); // update the current position
    moveToEx(dc, 3, 208, nullptr);
    textOut(dc, 0, 0, "WWWWWWWW");
    textOut(dc, 0, 0, "iiiiiiii########");
    deleteEnhMetaFile(closeEnhMetaFile(dc));
    deleteDC(reference);
    const auto bytes = test::readBytes(file);

    const QSize size(378, 378);
    const QImage whole = test::play(bytes, size);
    // A tile with only the end of the continued run, whose start lies far
    // outside it, then bands through ascenders, letters and descenders.
    std::vector<QRect> tiles{QRect(140, 198, 150, 30)};
    for (int y = 0; y < 190; y += 2)
        tiles.emplace_back(0, y, 378, 2);
    ASSERT_GT(inkIn(whole, tiles[0]), 20);
    for (const QRect& tile : tiles) {
        const int expected = inkIn(whole, tile);
        for (const bool byClip : {false, true}) {
            QImage part(byClip ? size : tile.size(), QImage::Format_RGB32);
            part.fill(Qt::white);
            QPainter painter(&part);
            byClip ? painter.setClipRect(tile) : painter.translate(-tile.topLeft());
            EmfPlayer::play(painter, bytes, QRectF(QPointF(0, 0), QSizeF(size)));
            painter.end();
            EXPECT_NEAR(inkIn(part, byClip ? tile : part.rect()), expected, 2 + expected / 50)
                << (byClip ? "clipped to " : "tile at ") << tile.x() << "," << tile.y();
        }
    }
}
