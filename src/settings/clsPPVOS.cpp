#include "settings/clsPPVOS.h"

#include "host/PreviewValues.h"
#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Application.h"
#include "settings/frmPPVOS.h"

namespace kelvppvw {

clsPPVOS::clsPPVOS() {
    field("gm_Me_Passer", gm_Me_Passer);
    method("ShowNewPPVOS", [this](Args&) { return Variant(ShowNewPPVOS()); });
}

// Releasing the launcher releases a dialog it still holds.
clsPPVOS::~clsPPVOS() = default;

ViewerSettings& clsPPVOS::table() {
    if (settings_)
        return *settings_;
    if (!ownTable_) {
        ownTable_ = std::make_unique<ViewerSettings>();
        const std::string ini = gsAppPath + "/preview.ini";
        ReadViewerSettings(*ownTable_, gsAppName, ini);
        ReadViewerSwitches(*ownTable_, gsAppName, ini);
    }
    return *ownTable_;
}

bool clsPPVOS::ShowNewPPVOS() {
    stopSilently([this] {
        Application::ensure();
        dialog_ = NewForm<frmPPVOS>(table());
        Args want{Variant("Me_Passer_Form")};
        events_.raise("RequestData", want);
        dialog_->gm_clsPPVOS = this;
        dialog_->Show(1, gm_Me_Passer);
    });
    dialog_.reset();
    return false;
}

void clsPPVOS::RaiseNewOptionsApplied() {
    Args none;
    events_.raise("NewOptionsApplied", none);
}

} // namespace kelvppvw
