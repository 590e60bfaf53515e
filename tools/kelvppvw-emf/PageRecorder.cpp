#include "PageRecorder.h"

#include "platform/gdi/Gdi.h"
#include "recording/MetafileToolkit.h"

using namespace kelvppvw;

namespace {

gdi::Handle handleArg(const Args& a, std::size_t i)
{
    return i < a.size() ? gdi::Handle(a[i].toLong()) : 0;
}

std::int32_t longArg(const Args& a, std::size_t i, std::int32_t fallback = 0)
{
    return i < a.size() && !a[i].isMissing() ? a[i].toLong() : fallback;
}

bool boolArg(const Args& a, std::size_t i)
{
    return i < a.size() && !a[i].isMissing() && a[i].toBool();
}

} // namespace

PageRecorder::PageRecorder(std::string directory, double widthTwips, double heightTwips)
    : directory_(std::move(directory))
{
    surface_.widthTwips = widthTwips;
    surface_.heightTwips = heightTwips;
    surface_.hdc = gdi::getScreenDC();

    property("cMilling", [this] { return Variant(milliWait_); },
             [this](const Variant& v) { milliWait_ = v.toLong(); });
    method("PagesStart", [this](Args& a) {
        page_ = longArg(a, 0, 1);
        return Variant();
    });
    method("PageAdded", [this](Args& a) {
        page_ = longArg(a, 0, page_ + 1);
        return Variant();
    });
    method("PageFinished", [](Args&) { return Variant(); });
    method("PagesComplete", [](Args&) { return Variant(); });
    method("CreateNewEMF", [this](Args&) {
        gPageRecordingHooks.setPrintDataObjDrwHwnd = [this](gdi::Handle h) {
            if (printDataObject)
                printDataObject->put("DrwHwnd", Variant(std::int32_t(h)));
        };
        const std::string file = directory_ + "/Page_" + std::to_string(page_) + ".emf";
        NewPageMetafile(surface_, file);
        if (glDrwHwnd)
            files_.push_back(file);
        return Variant();
    });
    method("CloseOnOutEMF", [](Args&) {
        bool show = false;
        ClosePageMetafile(show);
        return Variant();
    });
    method("SetNewEMFfont", [](Args& a) {
        a.resize(7);
        SelectPageFont(handleArg(a, 0), a[1].toString(), a[2].toInteger(), a[3].toBool(), a[4].toBool(),
                       a[5].toBool(), a[6].toBool());
        return Variant();
    });
    method("DrawNewTextMM", [](Args& a) {
        a.resize(4);
        TextOnPage(handleArg(a, 0), a[1].toLong(), a[2].toLong(), a[3].toString());
        return Variant();
    });
    method("SetNewTextColor", [](Args& a) {
        a.resize(2);
        SetPageTextColor(handleArg(a, 0), gdi::ColorRef(a[1].toLong()));
        return Variant();
    });
    method("MoveNewTo", [](Args& a) {
        a.resize(2);
        MovePageTo(a[0].toLong(), a[1].toLong());
        return Variant();
    });
    method("LineNewMoveTo", [](Args& a) {
        a.resize(2);
        LinePageTo(a[0].toLong(), a[1].toLong());
        return Variant();
    });
    method("DrawBoxedPoly", [](Args& a) {
        a.resize(4);
        DrawPageBox(a[0].toLong(), a[1].toLong(), a[2].toLong(), a[3].toLong());
        return Variant();
    });
    method("LineDrawRectangle", [](Args& a) {
        a.resize(4);
        DrawPageRectangle(a[0].toLong(), a[1].toLong(), a[2].toLong(), a[3].toLong());
        return Variant();
    });
    method("SetNewPen", [](Args& a) {
        SetPagePen(longArg(a, 0), gdi::ColorRef(longArg(a, 1)));
        return Variant();
    });
    method("LetBackMode", [](Args& a) {
        SetPageBackMode(longArg(a, 0));
        return Variant();
    });
    method("LetBackColor", [](Args& a) {
        SetPageBackColor(gdi::ColorRef(longArg(a, 0)));
        return Variant();
    });
    method("DrawNewPicture", [](Args& a) {
        a.resize(6);
        const auto picture = a[0].objectAs<Picture>();
        DrawPictureOnPage(picture.get(), a[1].toLong(), a[2].toLong(), a[3].toLong(), a[4].toLong(),
                          boolArg(a, 5));
        return Variant();
    });
    method("DrawGraphics", [this](Args& a) {
        if (!boolArg(a, 0))
            return Variant();
        for (const Graphic& g : graphics)
            DrawPictureOnPage(g.picture.get(), g.left, g.top, g.width, g.height, g.autoScale);
        return Variant();
    });
    method("PrintPBthis", [](Args&) { return Variant(); });
}

PageRecorder::~PageRecorder()
{
    if (glDrwHwnd) {
        bool show = false;
        ClosePageMetafile(show);
    }
    gPageRecordingHooks = {};
    gdi::deleteDC(surface_.hdc);
}
