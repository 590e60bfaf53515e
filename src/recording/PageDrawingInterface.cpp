#include "recording/PageDrawingInterface.h"

#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Image.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/StdFont.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Picture.h"
#include "recording/MetafileToolkit.h"
#include "recording/PageProduction.h"

namespace kelvppvw {

namespace {

gdi::Handle handleArg(const Args& a, std::size_t i)
{
    return i < a.size() && !a[i].isMissing() ? gdi::Handle(a[i].toLong()) : 0;
}

std::int32_t longArg(const Args& a, std::size_t i)
{
    return i < a.size() && !a[i].isMissing() ? a[i].toLong() : 0;
}

bool boolArg(const Args& a, std::size_t i)
{
    return i < a.size() && !a[i].isMissing() && a[i].toBool();
}

std::string stringArg(const Args& a, std::size_t i)
{
    return i < a.size() && !a[i].isMissing() ? a[i].toString() : std::string();
}

// Single-precision coordinates become whole pixels, halves to even; beyond a
// Long they overflow as any conversion to one does.
std::int32_t pixelArg(const Args& a, std::size_t i)
{
    return i < a.size() && !a[i].isMissing() ? Variant(double(a[i].toSingle())).toLong() : 0;
}

} // namespace

PageDrawingInterface::PageDrawingInterface(DrawingSite site) : site_(std::move(site)) {}

PageDrawingInterface::~PageDrawingInterface()
{
    if (screenDC_)
        gdi::deleteDC(gdi::Handle(screenDC_));
}

std::int32_t PageDrawingInterface::referenceDC()
{
    std::int32_t dc = 0;
    if (stopSilently([&] { dc = site_.picFullScale->hDC(); }) && dc)
        return dc;
    if (!screenDC_)
        screenDC_ = std::int32_t(gdi::getScreenDC());
    return screenDC_;
}

void PageDrawingInterface::CreateNewEMF()
{
    stopSilently([&] {
        PageSurface surface;
        surface.widthTwips = site_.picFullScale->Width();
        surface.heightTwips = site_.picFullScale->Height();
        surface.hdc = gdi::Handle(referenceDC());
        NewPageMetafile(surface, RunPageFile(glThePrintingPage));
        if (site_.setRulerPageFont)
            site_.setRulerPageFont(site_.picFullScale->Font());
    });
}

void PageDrawingInterface::CloseOnOutEMF()
{
    bool show = false;
    ClosePageMetafile(show);
    stopSilently([&] { site_.imgP->SetPicture(nullptr); });
}

void PageDrawingInterface::PrintPBthis(std::int32_t x, std::int32_t y, const std::string& text, std::uint8_t sameLine)
{
    if (sameLine > 1)
        return;
    stopSilently([&] {
        PictureBox& surface = *site_.picDraw;
        surface.SetCurrentX(x);
        surface.SetCurrentY(y);
        surface.Print(text, sameLine == 0);
    });
}

void PageDrawingInterface::DrawGraphics(bool doDraw)
{
    if (!doDraw)
        return;
    stopSilently([&] {
        const ObjectRef graphics = site_.graphics ? site_.graphics() : nullptr;
        if (!graphics)
            return;
        const std::int32_t count = graphics->get("Count").toLong();
        for (std::int32_t i = 1; i <= count; ++i) {
            const ObjectRef graphic = graphics->get("Item", {Variant(i)}).toObject();
            const auto picture = graphic->get("Picture").objectAs<Picture>();
            const auto whole = [&](const char* name) {
                return std::int32_t(roundHalfEven(graphic->get(name).toSingle()));
            };
            const std::int32_t left = whole("Left"), top = whole("Top"), width = whole("Width"),
                               height = whole("Height");
            DrawPictureOnPage(picture.get(), left, top, width, height, graphic->get("AutoScale").toBool());
        }
    });
}

void PageDrawingInterface::declareOn(
    const std::function<void(std::string, std::function<Variant(Args&)>)>& addMethod)
{
    addMethod("CreateNewEMF", [this](Args&) {
        CreateNewEMF();
        return Variant();
    });
    addMethod("CloseOnOutEMF", [this](Args&) {
        CloseOnOutEMF();
        return Variant();
    });
    addMethod("SetNewEMFfont", [](Args& a) {
        SelectPageFont(handleArg(a, 0), stringArg(a, 1), a.size() > 2 ? a[2].toInteger() : std::int16_t(0),
                       boolArg(a, 3), boolArg(a, 4), boolArg(a, 5), boolArg(a, 6));
        return Variant();
    });
    addMethod("MoveNewTo", [](Args& a) {
        MovePageTo(pixelArg(a, 0), pixelArg(a, 1));
        return Variant();
    });
    addMethod("LineNewMoveTo", [](Args& a) {
        LinePageTo(longArg(a, 0), longArg(a, 1));
        return Variant();
    });
    addMethod("DrawBoxedPoly", [](Args& a) {
        DrawPageBox(longArg(a, 0), longArg(a, 1), longArg(a, 2), longArg(a, 3));
        return Variant();
    });
    addMethod("LineDrawRectangle", [](Args& a) {
        DrawPageRectangle(longArg(a, 0), longArg(a, 1), longArg(a, 2), longArg(a, 3));
        return Variant();
    });
    addMethod("SetNewPen", [](Args& a) {
        SetPagePen(longArg(a, 0), gdi::ColorRef(longArg(a, 1)));
        return Variant();
    });
    addMethod("LetBackMode", [](Args& a) {
        SetPageBackMode(longArg(a, 0));
        return Variant();
    });
    addMethod("LetBackColor", [](Args& a) {
        SetPageBackColor(gdi::ColorRef(longArg(a, 0)));
        return Variant();
    });
    addMethod("SetNewTextColor", [](Args& a) {
        SetPageTextColor(handleArg(a, 0), gdi::ColorRef(longArg(a, 1)));
        return Variant();
    });
    addMethod("DrawNewTextMM", [](Args& a) {
        TextOnPage(handleArg(a, 0), longArg(a, 1), longArg(a, 2), stringArg(a, 3));
        return Variant();
    });
    addMethod("DrawNewPicture", [](Args& a) {
        const auto picture = a.empty() ? nullptr : a[0].objectAs<Picture>();
        DrawPictureOnPage(picture.get(), longArg(a, 1), longArg(a, 2), longArg(a, 3), longArg(a, 4),
                          boolArg(a, 5));
        return Variant();
    });
    addMethod("DrawGraphics", [this](Args& a) {
        DrawGraphics(boolArg(a, 0));
        return Variant();
    });
    addMethod("PrintPBthis", [this](Args& a) {
        PrintPBthis(longArg(a, 0), longArg(a, 1), stringArg(a, 2),
                    a.size() > 3 && !a[3].isMissing() ? a[3].toByte() : std::uint8_t(0));
        return Variant();
    });
}

} // namespace kelvppvw
