#include "printing/PageNavigation.h"

#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Panel.h"
#include "platform/forms/PictureSource.h"
#include "platform/forms/ToolbarButton.h"
#include "platform/gdi/Picture.h"
#include "recording/MetafileToolkit.h"
#include "recording/PageProduction.h"
#include "viewer/ViewerStartup.h"
#include "viewer/frmPrtPreview.h"

namespace kelvppvw {

namespace {
// The list box message that finds the first item starting with a prefix.
constexpr uint32_t LB_FINDSTRING = 0x1A2;
constexpr int16_t PositionPanel = 1;
} // namespace

NavButtonState NavButtonsFor(int32_t page, int32_t highPage) {
    const bool many = highPage >= 2;
    if (page == 1)
        return {false, many};
    if (page == highPage)
        return {many, false};
    return {many, many};
}

std::string PagePositionText(const std::string& pageWord, int32_t page, int32_t highPage) {
    return pageWord + " " + std::to_string(page) + " of " + std::to_string(highPage);
}

PageNavigation::PageNavigation(frmPrtPreview& viewer) : v(viewer) {}

void PageNavigation::GoToPage(int32_t lPage) {
    ResumeNext next;
    next([&] {
        if (v.lstPage->ListCount() >= 1)
            v.lstPage->SetListIndex(lPage - 1);
    });
    next([&] { UpdateNavButtons(lPage); });
}

void PageNavigation::UpdateNavButtons(int32_t lPage) {
    ResumeNext next;
    const NavButtonState state = NavButtonsFor(lPage, glHighPage);
    Toolbar& bar = *v.tlbr1;
    next([&] { bar.Button("movefirst").SetEnabled(state.back); });
    next([&] { bar.Button("moveprev").SetEnabled(state.back); });
    next([&] { bar.Button("movenext").SetEnabled(state.forward); });
    next([&] { bar.Button("movelast").SetEnabled(state.forward); });
}

void PageNavigation::lstPage_Click() {
    ResumeNext next;
    next([&] { v.picRuler(0).put("HoldRedraw", Variant(true)); });
    next([&] { v.picRuler(1).put("HoldRedraw", Variant(true)); });
    next([&] { glMovingPage = v.lstPage->ListIndex() + 1; });
    next([&] { gsPageFile = RunPageFile(glMovingPage); });
    // A page file that cannot be loaded leaves the previous picture.
    next([&] { v.imgP->SetPicture(std::dynamic_pointer_cast<PictureSource>(Picture::LoadPicture(gsPageFile))); });
    next([&] {
        v.stbr1->Panels(PositionPanel).SetText(PagePositionText(ViewerStartup::ResText(107), glMovingPage, glHighPage));
    });
    next([&] { UpdateNavButtons(glMovingPage); });
    // Production ends by selecting page 1; the render that started production
    // paints it when production returns, so it is painted once, not twice.
    if (!v.ProducingPages()) {
        next([&] {
            v.RenderPreviewPage(*v.picPreView, v.miZoomMode, v.settings[ViewerSetting::RulersDisplayed] != 0, false,
                                false);
        });
        next([&] { v.LayoutScrollArea(); });
    }
    next([&] { v.picRuler(0).put("HoldRedraw", Variant(false)); });
    next([&] { v.picRuler(1).put("HoldRedraw", Variant(false)); });
}

void PageNavigation::txtJump_Change() {
    ResumeNext next;
    std::string prefix;
    next([&] {
        std::string typed = v.txtJump->Text();
        const auto first = typed.find_first_not_of(' ');
        typed = first == std::string::npos ? std::string() : typed.substr(first, typed.find_last_not_of(' ') - first + 1);
        prefix = ViewerStartup::ResText(107) + " " + PadPageNumber(0, typed, glHighPage);
    });
    int32_t found = -1;
    next([&] { found = v.lstPage->SendMessage(LB_FINDSTRING, -1, Variant(prefix)); });
    if (found >= 0)
        next([&] { v.lstPage->SetListIndex(found); });
}

} // namespace kelvppvw
