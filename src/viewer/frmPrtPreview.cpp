#include "viewer/frmPrtPreview.h"

#include "host/PreviewValues.h"
#include "host/clsPreview.h"

namespace kelvppvw {

frmPrtPreview::frmPrtPreview() {
    objectProperty("gm_clsPreview", [this] { return Variant(gm_clsPreview_); },
                   [this](const Variant& v) {
                       auto preview = v.objectAs<clsPreview>();
                       if (!preview && v.toObject())
                           throw AutomationError(err::TypeMismatch);
                       gm_clsPreview_ = std::move(preview);
                   });
    property("sTitleText", [this] { return Variant(sTitleText_); },
             [this](const Variant& v) { sTitleText_ = v.toString(); });
    property("sListText", [this] { return Variant(sListText_); },
             [this](const Variant& v) { sListText_ = v.toString(); });
    property("cMilling", [this] { return Variant(cMilling()); },
             [this](const Variant& v) { set_cMilling(v.toLong()); });
    writeOnlyProperty("SetBarFlatOrNone", [this](const Variant& v) { SetBarFlatOrNone(v.toBool()); });
    writeOnlyProperty("ShowPOButton", [this](const Variant& v) { ShowPOButton(v.toBool()); });
}

int32_t frmPrtPreview::cMilling() const { return glMilliWait; }

void frmPrtPreview::set_cMilling(int32_t vNewcMilling) { glMilliWait = vNewcMilling; }

void frmPrtPreview::Form_Load() {
    Move(Left(), Top(), 12000, 9000);
    SetCaption("Print Preview (" + gsPrtFileName + ")");
}

} // namespace kelvppvw
