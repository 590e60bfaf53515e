#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiImages.h"
#include "platform/gdi/HandleTable.h"

#include <gtest/gtest.h>

#include <QImage>

namespace kelvppvw::gdi {
namespace {

TEST(GdiHandles, select_object_returns_the_object_it_replaced_and_nothing_for_a_wrong_kind)
{
    const Handle dc = getScreenDC();
    const Handle pen = createPen(PS_SOLID, 1, 0xFF);
    EXPECT_EQ(selectObject(dc, pen), getStockObject(BLACK_PEN));
    EXPECT_EQ(selectObject(dc, getStockObject(BLACK_BRUSH)), getStockObject(WHITE_BRUSH));
    // Objects of a kind no DC holds, and handles of no object, select nothing.
    EXPECT_EQ(selectObject(dc, dc), 0u);
    EXPECT_EQ(selectObject(dc, 0xDEADBEEF), 0u);
    EXPECT_EQ(selectObject(0xDEADBEEF, pen), 0u);
    EXPECT_TRUE(deleteDC(dc));
    EXPECT_TRUE(deleteObject(pen));
}

TEST(GdiHandles, stock_and_selected_objects_survive_deletion_and_double_delete_is_harmless)
{
    const Handle stock = getStockObject(BLACK_PEN);
    EXPECT_TRUE(deleteObject(stock));
    EXPECT_EQ(getStockObject(BLACK_PEN), stock);
    const Handle dc = getScreenDC();

    const Handle pen = createPen(PS_SOLID, 2, 0);
    selectObject(dc, pen);
    EXPECT_FALSE(deleteObject(pen));
    EXPECT_EQ(selectObject(dc, stock), pen) << "a refused delete leaves the pen alive and selected";
    EXPECT_TRUE(deleteObject(pen));
    EXPECT_FALSE(deleteObject(pen));
    EXPECT_EQ(selectObject(dc, pen), 0u);

    // Handles are not reused, so a stale handle never reaches a newer object.
    const Handle next = createPen(PS_SOLID, 1, 0);
    EXPECT_NE(next, pen);
    EXPECT_FALSE(deleteObject(pen));
    EXPECT_EQ(selectObject(dc, next), stock);
    EXPECT_TRUE(deleteDC(dc));
    EXPECT_FALSE(deleteDC(dc));
    EXPECT_TRUE(deleteObject(next)) << "deleting a DC releases what it held";
}

TEST(GdiHandles, a_bitmap_lives_in_one_memory_dc_at_a_time)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    const Handle bitmap = createBitmapFromImage(image);
    const Handle one = createCompatibleDC(0);
    const Handle two = createCompatibleDC(one);
    EXPECT_EQ(selectObject(one, bitmap), HandleTable::instance().defaultBitmap());
    EXPECT_EQ(selectObject(two, bitmap), 0u);
    const Handle screen = getScreenDC();
    EXPECT_EQ(selectObject(screen, bitmap), 0u) << "only memory DCs hold bitmaps";
    EXPECT_TRUE(deleteDC(one));
    EXPECT_NE(selectObject(two, bitmap), 0u);
    deleteDC(two);
    deleteDC(screen);
    EXPECT_TRUE(deleteObject(bitmap));
}

} // namespace
} // namespace kelvppvw::gdi
