#include "ViewerFixture.h"

#include <cmath>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

TEST_F(ViewerFixture, two_hundred_percent_scrolls_with_bars_that_span_the_overflow) {
    chooseZoom("z200");
    PictureBox& page = *v->picPreView;
    ScrollBar& hsc = *v->hscPV;
    ScrollBar& vsc = *v->vscPV;
    const double rd = v->settings[ViewerSetting::RulerDimension], sd = v->settings[ViewerSetting::ShadowDepth];
    ASSERT_TRUE(hsc.Visible());
    ASSERT_TRUE(vsc.Visible());
    EXPECT_EQ(hsc.LargeChange(), LargeChangeFor(hsc.Max()));
    // The page starts at its top left corner, just past the rulers.
    EXPECT_EQ(hsc.Value(), 0);
    EXPECT_DOUBLE_EQ(page.Left(), rd + 30);
    EXPECT_DOUBLE_EQ(page.Top(), rd + 30);
    // Each bar leaves out the other's thickness.
    EXPECT_DOUBLE_EQ(hsc.Width(), v->picBack->ScaleWidth() - vsc.Width());

    vsc.SetValue(vsc.Max());
    EXPECT_DOUBLE_EQ(page.Top(), rd + 30 - vsc.Max());
    EXPECT_DOUBLE_EQ(v->picRuler(0).Top(), page.Top() - (rd + 30));
    EXPECT_DOUBLE_EQ(v->picRuler(1).Top(), page.Top());
    EXPECT_DOUBLE_EQ(v->shpS->Top(), page.Top() + sd);
    EXPECT_DOUBLE_EQ(v->picCorn(2).Top(), v->picRuler(0).Top());
    // The bottom of the page, its shadow and the gap are now in view above the bar.
    EXPECT_DOUBLE_EQ(page.Top() + page.Height() + sd, v->picBack->Height() - vsc.Width());

    hsc.SetValue(hsc.Max());
    EXPECT_DOUBLE_EQ(page.Left(), rd - hsc.Max());
    EXPECT_DOUBLE_EQ(v->picRuler(1).Left(), -30 - hsc.Max());
    EXPECT_DOUBLE_EQ(v->picRuler(0).Left(), page.Left());
    EXPECT_DOUBLE_EQ(v->picCorn(2).Left(), v->picRuler(1).Left());
    EXPECT_DOUBLE_EQ(v->shpS->Left(), page.Left() + sd);
}

TEST_F(ViewerFixture, scrolling_blanks_the_pointer_read_outs_and_cross_hairs) {
    chooseZoom("z200");
    v->stbr1->Panels(3).SetText("1.25 in");
    v->stbr1->Panels(4).SetText("2.50 in");
    v->LnDot(0).SetVisible(true);
    v->LnDot(1).SetVisible(true);
    v->vscPV->SetValue(100);
    EXPECT_EQ(panel(3), "");
    EXPECT_EQ(panel(4), "");
    EXPECT_FALSE(v->LnDot(0).Visible());
    EXPECT_FALSE(v->LnDot(1).Visible());
}

TEST_F(ViewerFixture, resizing_the_window_lays_everything_out_again) {
    const double before = v->picPreView->Height();
    v->Move(0, 0, 9000, 6600);
    DoEvents();
    EXPECT_DOUBLE_EQ(v->picBack->Width(), v->ScaleWidth());
    EXPECT_DOUBLE_EQ(v->picBack->Height(), v->ScaleHeight() - (v->stbr1->Height() + v->tlbr1->Height()));
    EXPECT_DOUBLE_EQ(v->picBack->Top(), v->tlbr1->Height());
    EXPECT_LT(v->picPreView->Height(), before);
    EXPECT_DOUBLE_EQ(v->picRuler(0).Width(), v->picPreView->Width());
}

TEST_F(ViewerFixture, no_pages_disables_printing_and_no_printer_offers_setup) {
    for (const char* key : {"PrintPage", "PrintAll", "Printsetup"})
        v->tlbr1->Button(key).SetEnabled(key != std::string("Printsetup"));
    v->Form_Resize();
    EXPECT_TRUE(v->tlbr1->Button("PrintPage").Enabled()); // one page recorded

    pages = 0;
    v->Form_Resize();
    EXPECT_FALSE(v->tlbr1->Button("PrintPage").Enabled());
    EXPECT_FALSE(v->tlbr1->Button("PrintAll").Enabled());
    EXPECT_FALSE(v->tlbr2->ButtonAt(1).Enabled());
    EXPECT_FALSE(v->tlbr1->Button("Printsetup").Enabled());
    v->mbPrinterFound = false;
    v->Form_Resize();
    EXPECT_TRUE(v->tlbr1->Button("Printsetup").Enabled());
    EXPECT_FALSE(v->picPreView->Visible());
}

TEST_F(ViewerFixture, a_failing_step_does_not_leave_the_rulers_held) {
    v->seams.showNoPrinterNotice = [] { throw AutomationError(5); };
    v->Form_Resize();
    EXPECT_FALSE(v->picRuler(0).get("HoldRedraw").toBool());
    EXPECT_FALSE(v->picRuler(1).get("HoldRedraw").toBool());
    EXPECT_TRUE(v->picPreView->Visible());
}
