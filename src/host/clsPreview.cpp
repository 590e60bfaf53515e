#include "host/clsPreview.h"

#include "host/PreviewValues.h"
#include "host/Version.h"
#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Application.h"
#include "platform/forms/MsgBox.h"
#include "viewer/frmPrtPreview.h"

namespace kelvppvw {

clsPreview::clsPreview() : Graphics(std::make_shared<kelvppvw::Graphics>()) {
    field("gm_Me_Passer", gm_Me_Passer);
    objectProperty("Graphics", [this] { return Variant(Graphics); },
                   [this](const Variant& v) {
                       auto g = v.objectAs<kelvppvw::Graphics>();
                       if (!g && !v.isEmpty() && v.toObject())
                           throw AutomationError(err::TypeMismatch);
                       Graphics = std::move(g);
                   });
    method("ShowPreviewDialog", [this](Args& a) {
        if (a.size() < 11)
            throw AutomationError(err::ArgumentNotOptional);
        auto optional = [&a](size_t i) { return i < a.size() && !a[i].isMissing(); };
        return Variant(ShowPreviewDialog(
            a[0].toString(), a[1].toString(), a[2].toBool(), a[3].toString(), a[4].toString(), a[5].toString(),
            a[6].toString(), a[7].toString(), a[8].toString(), a[9].toString(), a[10].toString(),
            optional(11) ? a[11].toBool() : false, optional(12) ? a[12].toLong() : 0,
            optional(13) ? a[13].toString() : std::string()));
    });
    method("RefreshPreview", [this](Args&) {
        RefreshPreview();
        return Variant();
    });
    method("ResendingPreViewData", [this](Args& a) {
        ResendingPreViewData(a.empty() ? std::string() : a[0].toString());
        return Variant();
    });
    method("PlugNameVersion", [this](Args&) { return Variant(PlugNameVersion()); });
}

clsPreview::~clsPreview() = default;

bool clsPreview::ShowPreviewDialog(const std::string& OBJ_FULL_CLASS_NAME, const std::string& RMT_FULL_SERVER_NAME,
                                   bool B_FLAT_BAR, const std::string& SEC_APP_NAME,
                                   const std::string& SEC_APP_SECT, const std::string& SEC_APP_PRNT,
                                   const std::string& PRT_APP_INI, const std::string& PRT_FILE_NAME,
                                   const std::string& PRT_FILE_PATH, const std::string& S_TITLE_TEXT,
                                   const std::string& S_PRINT_TEXT, bool B_SHOW_POB, int32_t MilliWait,
                                   const std::string& SSETUPKEYASGLOBAL) {
    // Private copies: the caller's strings may be the very values cleared below.
    const std::string className = OBJ_FULL_CLASS_NAME, serverName = RMT_FULL_SERVER_NAME,
                      appName = SEC_APP_NAME, appSect = SEC_APP_SECT, appPrnt = SEC_APP_PRNT,
                      prtAppIni = PRT_APP_INI, prtFileName = PRT_FILE_NAME, prtFilePath = PRT_FILE_PATH,
                      titleText = S_TITLE_TEXT, printText = S_PRINT_TEXT, setupKey = SSETUPKEYASGLOBAL;

    // Held here too: a host that calls this again while a viewer is up gets
    // a viewer of its own, and the one still running must not be freed.
    const std::shared_ptr<frmPrtPreview> outer = viewer_;
    std::shared_ptr<frmPrtPreview> viewer;
    const auto failure = trapError([&] {
        Application::ensure();
        viewer = viewer_ = NewForm<frmPrtPreview>();
        DoEvents();

        std::string want = "Me_Passer_Form";
        RaiseRequestData(want);

        gsSetupKey = setupKey;
        gsObjClassName = className;
        gsRmtServerName = serverName;
        gsAppName = appName;
        gsAppPrnt = appPrnt;
        gsAppSect = appSect;
        gsPrtFileName = prtFileName;
        gsPrtFilePath = prtFilePath;
        gsPrtAppIni = prtAppIni;

        CreatePreviewFolder();

        viewer->SetBarFlatOrNone(B_FLAT_BAR);
        viewer->set_sTitleText(titleText);
        viewer->set_sListText(printText);
        viewer->ShowPOButton(B_SHOW_POB);
        viewer->set_cMilling(MilliWait);

        if (glMilliWait > 0) {
            // Out of range is not clamped to the nearer bound: it falls back to 100.
            if (glMilliWait < 100 || glMilliWait > 5000)
                glMilliWait = 100;
            glMilliWaitSet = glMilliWait;
        }

        // A host that holds us without a shared_ptr still gets a working
        // viewer: the reference then does not own us, and it ends with the call.
        auto self = std::static_pointer_cast<clsPreview>(weak_from_this().lock());
        if (!self)
            self = std::shared_ptr<clsPreview>(std::shared_ptr<clsPreview>(), this);
        viewer->set_gm_clsPreview(self);
        viewer->Show(1, gm_Me_Passer);
    });

    if (failure)
        ShowErrorBox(*failure, "ShowPreviewDialog", true);
    clearRunStrings();
    if (viewer)
        viewer->set_gm_clsPreview(nullptr); // the viewer's reference back to us would keep both alive
    if (viewer_ == viewer)
        viewer_ = outer;
    return !failure;
}

void clsPreview::clearRunStrings() {
    gsObjClassName.clear();
    gsRmtServerName.clear();
    gsSetupKey.clear();
    gsAppName.clear();
    gsAppPrnt.clear();
    gsPrtFileName.clear();
    gsPrtFilePath.clear();
    gsPrtAppIni.clear();
}

void clsPreview::RefreshPreview() {
    stopSilently([this] {
        if (!viewer_ || !viewer_->IsLoaded())
            return;
        Args none;
        viewer_->call("RefreshPreviewer", none);
    });
}

void clsPreview::ResendingPreViewData(const std::string& S_NEW_PRINT_TEXT) {
    stopSilently([&] {
        if (!viewer_)
            return;
        viewer_->set_sListText({});
        viewer_->set_sListText(S_NEW_PRINT_TEXT);
    });
}

std::string clsPreview::PlugNameVersion() const {
    return std::string(ComponentTitle) + '\t' + std::to_string(VersionMajor) + '.' + std::to_string(VersionMinor) +
           '.' + std::to_string(VersionRevision);
}

int clsPreview::onRequestData(std::function<void(std::string&)> handler) {
    return events_.connect([handler = std::move(handler)](std::string_view event, Args& args) {
        if (event != "RequestData" || args.empty())
            return;
        std::string want = args[0].toString();
        handler(want);
        args[0] = Variant(want);
    });
}

int clsPreview::onRequestPrinterOptions(std::function<void()> handler) {
    return events_.connect([handler = std::move(handler)](std::string_view event, Args&) {
        if (event == "RequestPrinterOptions")
            handler();
    });
}

void clsPreview::RaiseRequestData(std::string& sWantThis) {
    Args args{Variant(sWantThis)};
    events_.raise("RequestData", args);
    sWantThis = args[0].toString();
}

void clsPreview::RaiseRequestPrinterOptions() {
    Args none;
    events_.raise("RequestPrinterOptions", none);
}

} // namespace kelvppvw
