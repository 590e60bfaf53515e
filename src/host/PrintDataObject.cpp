#include "host/PrintDataObject.h"

namespace kelvppvw {

PrintDataObject::PrintDataObject() {
    field("SETUPKEYASGLOBAL", SETUPKEYASGLOBAL);
    field("Parent", Parent);
    field("AreGraphics", AreGraphics);
    field("DrwHwnd", DrwHwnd);
    field("PrntINI", PrntINI);
    field("AppName", AppName);
    field("PrntSec", PrntSec);
    field("SetsSec", SetsSec);
    field("InnitFileName", InnitFileName);
    field("InnitFilePath", InnitFilePath);
    field("MarginRight", MarginRight);
    field("MarginBottom", MarginBottom);
    field("MarginLeft", MarginLeft);
    field("MarginTop", MarginTop);
    field("picPreView", picPreView);
    field("CannedPT", CannedPT);
    method("PrintDataObjText", [this](Args& a) {
        a.resize(2);
        PrintDataObjText(a[0], a[1]);
        return Variant();
    });
}

} // namespace kelvppvw
