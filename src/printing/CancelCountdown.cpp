#include "printing/CancelCountdown.h"

#include "host/PreviewValues.h"
#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Application.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/OleColor.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/ResourceStore.h"
#include "platform/forms/Timer.h"
#include "resources/ResourceIds.h"

#include <string>

namespace kelvppvw {

bool gPrintCancelled = false;
std::int16_t gMovieFrame = 0;

namespace {
std::string resText(int id) { return ResourceStore::standard().LoadResString(id); }
} // namespace

std::string PageLine(std::int32_t page) {
    return " " + resText(resource_ids::StrPage) + " " + std::to_string(page);
}

CancelCountdown::CancelCountdown(CountdownPanel panel) : p_(panel) {
    p_.tmrCntD->onTimer = [this] { tmrCntD_Timer(); };
    p_.tmrMovie->onTimer = [this] { tmrMovie_Timer(); };
    p_.cmdCanlP->onClick = [this] { cmdCanlP_Click(); };
    p_.picCan->SetTop(ParkedTop);
}

void CancelCountdown::StartCancelCountdown() {
    ResumeNext next;
    PictureBox& can = *p_.picCan;
    next([&] { p_.cmdCanlP->SetEnabled(true); });
    next([&] { can.SetTop((p_.picBack->Height() - can.Height()) / 2); });
    next([&] { can.SetLeft((p_.picBack->Width() - can.Width()) / 2); });
    // Above the page area whatever the layout raised since.
    next([&] { can.ZOrder(0); });
    next([] { DoEvents(); });
    next([&] { drawRaisedFrame(); });
    gMovieFrame = 0;
    glMilliWait = glMilliWaitSet;
    ControlArray<Label>& lbl = *p_.lblCP;
    next([&] { lbl(3).SetCaption(std::to_string(glMilliWait)); });
    next([&] { lbl(4).SetCaption(resText(resource_ids::StrRemainingToCancel)); });
    next([&] { lbl(1).SetCaption(resText(resource_ids::StrPrinting)); });
    next([&] { lbl(0).SetCaption(PageLine(1)); });
    next([&] { p_.tmrMovie->SetEnabled(true); });
    next([&] { p_.tmrCntD->SetEnabled(true); });
}

// Two lines each way along the inner edge: light above and left, dark
// below and right, so the panel stands out of the page area.
void CancelCountdown::drawRaisedFrame() {
    PictureBox& can = *p_.picCan;
    const double px = Control::TwipsPerPixel;
    const double w = can.ScaleWidth(), h = can.ScaleHeight();
    const struct {
        double inset;
        uint32_t light, dark;
    } lines[] = {{0, vb::Highlight3D, vb::DarkShadow3D}, {px, vb::Light3D, vb::ButtonShadow}};
    for (const auto& l : lines) {
        const double left = l.inset, top = l.inset, right = w - px - l.inset, bottom = h - px - l.inset;
        can.Line(left, bottom, left, top, l.light);
        can.Line(left, top, right + px, top, l.light);
        can.Line(right, top + px, right, bottom, l.dark);
        can.Line(left, bottom, right + px, bottom, l.dark);
    }
}

void CancelCountdown::EndCancelCountdown() {
    ResumeNext next;
    next([&] { p_.picCan->SetTop(ParkedTop); });
    next([&] { p_.cmdCanlP->SetEnabled(false); });
    next([] { DoEvents(); });
    next([&] { p_.tmrMovie->SetEnabled(false); });
    next([&] { p_.tmrCntD->SetEnabled(false); });
}

void CancelCountdown::WaitBeforePage(std::int32_t page) {
    if (glMilliWaitSet <= 0)
        return;
    ResumeNext next;
    next([&] { StartCancelCountdown(); });
    next([&] { (*p_.lblCP)(2).SetCaption(gsPrtFileName); });
    next([&] { (*p_.lblCP)(0).SetCaption(PageLine(page)); });
    // The running countdown timer guarantees an event at least every tick,
    // so waiting for events never outlasts it and leaves the processor free.
    bool waiting = true;
    while (waiting) {
        next([] { WaitForEvents(); });
        next([&] { waiting = p_.tmrCntD->Enabled(); });
    }
}

void CancelCountdown::tmrCntD_Timer() {
    ResumeNext next;
    glMilliWait -= 100;
    next([&] { (*p_.lblCP)(3).SetCaption(std::to_string(glMilliWait)); });
    if (glMilliWait < 1)
        next([&] { p_.tmrCntD->SetEnabled(false); });
    next([] { DoEvents(); });
}

void CancelCountdown::tmrMovie_Timer() {
    ResumeNext next;
    next([&] { p_.imgMov->SetPicture((*p_.imgPrt)(gMovieFrame).Picture()); });
    if (++gMovieFrame > 4)
        gMovieFrame = 0;
    next([] { DoEvents(); });
}

void CancelCountdown::cmdCanlP_Click() {
    ResumeNext next;
    gPrintCancelled = true;
    next([&] { p_.tmrCntD->SetEnabled(false); });
    next([&] { p_.tmrMovie->SetEnabled(false); });
    next([] { DoEvents(); });
}

} // namespace kelvppvw
