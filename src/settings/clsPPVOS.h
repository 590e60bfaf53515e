#pragma once

#include "host/LiveObjects.h"
#include "platform/automation/DispatchObject.h"
#include "platform/automation/EventProvider.h"
#include "settings/ViewerSettings.h"

#include <memory>
#include <string>

namespace kelvppvw {

class frmPPVOS;

// What a caller creates to show the options dialog (std::make_shared, or by
// class name through the registry).
//
// Events (EventSource):
//   RequestData(sWantThis)  once per ShowNewPPVOS with "Me_Passer_Form"; the
//                           caller sets gm_Me_Passer to its owner window.
//   NewOptionsApplied()     the user pressed Apply.
class clsPPVOS : public DispatchObject, public EventProvider {
public:
    clsPPVOS();
    ~clsPPVOS() override;

    // Shows the dialog modally; always false.
    bool ShowNewPPVOS();

    Variant gm_Me_Passer;

    EventSource& events() override { return events_; }

    // For the component itself, not part of the caller's interface: the
    // table the dialog edits in place (the viewer's own); without one the
    // dialog edits a copy read from preview.ini.
    void EditSettings(ViewerSettings* table) { settings_ = table; }
    // Raised by the dialog's Apply.
    void RaiseNewOptionsApplied();

private:
    ViewerSettings& table();

    std::shared_ptr<frmPPVOS> dialog_;
    ViewerSettings* settings_ = nullptr;
    std::unique_ptr<ViewerSettings> ownTable_;
    EventSource events_;
    LiveObjects alive_;
};

} // namespace kelvppvw
