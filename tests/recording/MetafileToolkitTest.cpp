#include "PageFixture.h"

#include "platform/automation/AutomationError.h"
#include "platform/automation/ErrorTrap.h"
#include "platform/gdi/EmfRecordType.h"
#include "platform/gdi/HandleTable.h"
#include "recording/PageDrawingInterface.h"

#include <cstring>
#include <map>

namespace kelvppvw {
namespace {

using test::PageFixture;
using test::records;
using test::u32;

TEST(PageFontRules, height_is_points_times_pixels_per_inch_over_72_rounded_halves_to_even)
{
    // 10.67, 12, 2.5 and 7.5 to even, large, negative points.
    for (const auto& [points, ppi, height] : {std::tuple{8, 96, -11}, {9, 96, -12}, {3, 60, -2}, {9, 60, -8},
                                             {12, 600, -100}, {-8, 96, 11}})
        EXPECT_EQ(PageFontHeight(points, ppi), height) << points << " pt at " << ppi;
    EXPECT_EQ(PageFontHeight(32767, 70000), std::nullopt) << "the product overflows 32 bits";
}

TEST(PageFontRules, face_name_is_nul_ended_space_padded_and_cut_at_32_characters)
{
    const auto courier = PageFontFaceField("Courier New");
    EXPECT_EQ(std::string(courier.data(), 32), "Courier New" + std::string(1, '\0') + std::string(20, ' '));
    const std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    const auto cut = PageFontFaceField(forty);
    EXPECT_EQ(std::string(cut.data(), 32), forty.substr(0, 32)) << "no NUL inside the field";
    const auto exact = PageFontFaceField(forty.substr(0, 32));
    EXPECT_EQ(exact[31], 'f');
    // A multi-byte character is not split at the cut.
    const auto wide = PageFontFaceField(std::string(31, 'x') + "é");
    EXPECT_EQ(wide[31], '\0');
}

TEST(PageFrameRule, twips_divided_by_0_567_rounded_give_hundredths_of_a_millimetre)
{
    for (const auto& [w, h, right, bottom] : {std::tuple{12240.0, 15840.0, 21587, 27937}, {0.0, 0.0, 0, 0},
                                             {1134.0, 283.5, 2000, 500}})
        EXPECT_EQ(PageFrame(w, h), (gdi::Rect{0, 0, right, bottom}));
}

class MetafileToolkitTest : public PageFixture {};

TEST_F(MetafileToolkitTest, a_new_page_is_transparent_top_aligned_courier_8_points_black)
{
    gdi::Handle announced = 0;
    int events = 0;
    gPageRecordingHooks.doEvents = [&] { ++events; };
    gPageRecordingHooks.setPrintDataObjDrwHwnd = [&](gdi::Handle h) { announced = h; };
    openPage("Page_A_1.emf");
    ASSERT_NE(glDrwHwnd, 0u);
    EXPECT_EQ(announced, glDrwHwnd);
    EXPECT_EQ(events, 1);
    EXPECT_EQ(gsPageFile, file("Page_A_1.emf"));
    EXPECT_EQ(gLogFont.height, -11);
    EXPECT_EQ(gdi::setBkMode(surface.hdc, gdi::OPAQUE), gdi::TRANSPARENT) << "the surface's own DC too";
    const auto bytes = closePage();
    EXPECT_EQ(glDrwHwnd, 0u);

    // Top alignment and black text show in the round trip's ink; the rest here.
    const auto r = records(bytes);
    ASSERT_GE(r.size(), 7u);
    EXPECT_EQ(r[1].type, gdi::EMR_SETBKMODE);
    EXPECT_EQ(u32(bytes, r[1].offset + 8), 1u);
    EXPECT_EQ(r[3].type, gdi::EMR_EXTCREATEFONTINDIRECTW);
    EXPECT_EQ(u32(bytes, r[3].offset + 28), 400u);
    EXPECT_EQ(bytes[r[3].offset + 40], 'C');
    // Closing puts the page's first font back and deletes the last created one.
    EXPECT_EQ(r[r.size() - 3].type, gdi::EMR_SELECTOBJECT);
    EXPECT_EQ(u32(bytes, r[r.size() - 3].offset + 8), 0x80000000u | gdi::SYSTEM_FONT);
    EXPECT_EQ(r[r.size() - 2].type, gdi::EMR_DELETEOBJECT);
    EXPECT_EQ(r.back().type, gdi::EMR_EOF);
    // Frame from the surface size; header without application name or title.
    EXPECT_EQ(u32(bytes, 32), 21587u);
    EXPECT_EQ(u32(bytes, 36), 27937u);
    EXPECT_EQ(u32(bytes, 60), 3u);
}

TEST_F(MetafileToolkitTest, fonts_and_pens_are_released_page_after_page)
{
    openPage("warmup.emf");
    closePage();
    const gdi::Handle original = ghOrgFont;
    EXPECT_EQ(original, gdi::getStockObject(gdi::SYSTEM_FONT));
    const std::size_t objects = gdi::HandleTable::instance().objectCount();
    for (int page = 1; page <= 3; ++page) {
        openPage("Page_" + std::to_string(page) + ".emf");
        SelectPageFont(glDrwHwnd, "Tahoma", 10, true, false, false, false);
        SelectPageFont(glDrwHwnd, "Courier New", 9, false, true, true, true);
        SetPagePen(gdi::PS_DASH, 0xFF);
        SetPagePen(gdi::PS_SOLID, 0);
        closePage();
        EXPECT_EQ(ghOrgFont, original) << "captured once, never replaced";
    }
    EXPECT_EQ(gdi::HandleTable::instance().objectCount(), objects);
    EXPECT_EQ(gLogFont.weight, 400);
    EXPECT_EQ(gLogFont.strikeOut, 1);
}

TEST_F(MetafileToolkitTest, with_no_page_open_every_call_draws_nothing_and_leaks_nothing)
{
    const std::size_t objects = gdi::HandleTable::instance().objectCount();
    ASSERT_EQ(glDrwHwnd, 0u);
    SetPagePen(gdi::PS_SOLID, 0);
    MovePageTo(1, 1);
    LinePageTo(5, 5);
    DrawPageRectangle(1, 1, 5, 5);
    DrawPageBox(1, 1, 5, 5);
    SetPageBackMode(2);
    SetPageBackColor(0);
    TextOnPage(glDrwHwnd, 1, 1, "x");
    DrawPictureOnPage(nullptr, 0, 0, 10, 10, false);
    EXPECT_EQ(gdi::HandleTable::instance().objectCount(), objects);

    // A page in a folder that does not exist never opens.
    NewPageMetafile(surface, file("missing/Page_1.emf"));
    EXPECT_EQ(glDrwHwnd, 0u);
    bool show = true;
    EXPECT_EQ(ClosePageMetafile(show), nullptr);
}

TEST(PageDrawingInterface, a_position_beyond_a_long_overflows)
{
    std::map<std::string, std::function<Variant(Args&)>> ops;
    PageDrawingInterface({}).declareOn([&](std::string name, auto op) { ops[name] = op; });
    Args far{Variant(3e38f), Variant(0.0f)};
    const auto error = trapError([&] { ops["MoveNewTo"](far); });
    EXPECT_EQ(error ? error->number() : 0, 6);
}

TEST_F(MetafileToolkitTest, a_failing_print_data_object_stops_page_opening_silently)
{
    gPageRecordingHooks.setPrintDataObjDrwHwnd = [](gdi::Handle) { throw AutomationError(438); };
    EXPECT_NO_THROW(openPage());
    EXPECT_NE(glDrwHwnd, 0u) << "the page is open; the steps after the failure did not run";
    const auto bytes = closePage();
    for (const auto& r : records(bytes))
        EXPECT_NE(r.type, gdi::EMR_EXTCREATEFONTINDIRECTW);
}

} // namespace
} // namespace kelvppvw
