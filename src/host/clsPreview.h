#pragma once

#include "host/Graphics.h"
#include "host/LiveObjects.h"
#include "platform/automation/DispatchObject.h"
#include "platform/automation/EventSource.h"

#include <functional>
#include <memory>
#include <string>

namespace kelvppvw {

class frmPrtPreview;

// What a host creates to show a print preview (std::make_shared, or by class
// name through the registry).
//
// Events (EventSource, or the typed helpers below):
//   RequestData(sWantThis)   once per ShowPreviewDialog with "Me_Passer_Form";
//                            the host sets gm_Me_Passer to its owner window.
//   RequestPrinterOptions()  the user pressed the "PrinterOptions" button.
class clsPreview : public DispatchObject {
public:
    clsPreview();
    ~clsPreview() override;

    bool ShowPreviewDialog(const std::string& OBJ_FULL_CLASS_NAME, const std::string& RMT_FULL_SERVER_NAME,
                           bool B_FLAT_BAR, const std::string& SEC_APP_NAME, const std::string& SEC_APP_SECT,
                           const std::string& SEC_APP_PRNT, const std::string& PRT_APP_INI,
                           const std::string& PRT_FILE_NAME, const std::string& PRT_FILE_PATH,
                           const std::string& S_TITLE_TEXT, const std::string& S_PRINT_TEXT,
                           bool B_SHOW_POB = false, int32_t MilliWait = 0,
                           const std::string& SSETUPKEYASGLOBAL = {});
    void RefreshPreview();
    void ResendingPreViewData(const std::string& S_NEW_PRINT_TEXT);
    std::string PlugNameVersion() const;

    Variant gm_Me_Passer;
    std::shared_ptr<kelvppvw::Graphics> Graphics;

    EventSource& events() { return events_; }
    int onRequestData(std::function<void(std::string& sWantThis)> handler);
    int onRequestPrinterOptions(std::function<void()> handler);

    // Raised by the component itself (the viewer reaches them through its
    // reference to this object); not part of the host's interface.
    void RaiseRequestData(std::string& sWantThis);
    void RaiseRequestPrinterOptions();

private:
    void clearRunStrings();

    std::shared_ptr<frmPrtPreview> viewer_;
    EventSource events_;
    LiveObjects alive_;
};

} // namespace kelvppvw
