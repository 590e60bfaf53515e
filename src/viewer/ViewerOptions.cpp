#include "viewer/ViewerOptions.h"

#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Application.h"
#include "platform/forms/MsgBox.h"
#include "settings/clsPPVOS.h"
#include "viewer/frmPrtPreview.h"

namespace kelvppvw {

ViewerOptions::ViewerOptions(frmPrtPreview& viewer) : v(viewer) {}

std::vector<std::function<void()>> ViewerOptions::newOptionsStep(int n) {
    using namespace ViewerSetting;
    switch (n) {
    case 1:
        return {[this] { v.picRuler(0).SetHeight(v.settings[RulerDimension]); },
                [this] { v.picRuler(1).SetWidth(v.settings[RulerDimension]); },
                [this] { v.picCorn(2).SetHeight(v.settings[RulerDimension]); },
                [this] { v.picCorn(2).SetWidth(v.settings[RulerDimension]); }};
    case 2:
        return {[this] { v.picRuler(0).SetVisible(v.settings[RulersDisplayed] != 0); },
                [this] { v.picRuler(1).SetVisible(v.settings[RulersDisplayed] != 0); },
                [this] { v.picCorn(2).SetVisible(v.settings[RulersDisplayed] != 0); }};
    case 3:
        return {[this] { v.picRuler(0).put("ColorBackColor", Variant(v.settings[Color6])); },
                [this] { v.picRuler(1).put("ColorBackColor", Variant(v.settings[Color6])); },
                [this] { v.picCorn(2).SetBackColor(static_cast<uint32_t>(v.settings[Color6])); }};
    case 4: return {[this] { v.LnDot(2).SetBorderColor(static_cast<uint32_t>(v.settings[Color5])); }};
    case 5: return {[this] { ViewerSeams::run(v.seams.loadRulerSettings); }};
    case 6:
        return {[this] {
            if (v.settings[RulersDisplayed] == 0)
                v.settings[RulerDimension] = 0;
        }};
    case 7: return {[this] { v.SetPageViewCursor(); }};
    case 8: return {[this] { ViewerSeams::run(v.seams.applyViewerColors); }};
    case 9:
        return {[this] {
            v.RenderPreviewPage(*v.picPreView, v.miZoomMode, v.settings[RulersDisplayed] != 0, true, false);
        }};
    default: return {};
    }
}

void ViewerOptions::mc_ppvos_NewOptionsApplied() {
    stopSilently([this] {
        for (int n = 1; n <= 9; ++n)
            for (const auto& statement : newOptionsStep(n))
                statement();
    });
}

void ViewerOptions::mc_ppvos_RequestData(const std::string& sWantThis) {
    (void)sWantThis;
    stopSilently([this] {
        if (v.mc_ppvos)
            v.mc_ppvos->putRef("gm_Me_Passer", Variant(v.shared_from_this()));
    });
}

void ViewerOptions::mnuZxxm_Click() {
    // The one command that tells the user about every failing statement, then goes on.
    auto step = [](const std::function<void()>& statement) {
        if (const auto error = trapError(statement))
            ShowErrorBox(*error, "mnuZxxm_Click", false);
    };
    std::shared_ptr<clsPPVOS> launcher;
    step([&] {
        launcher = std::make_shared<clsPPVOS>();
        launcher->EditSettings(&v.settings);
        launcher->events().connect([this](std::string_view event, Args& args) {
            if (event == "RequestData")
                mc_ppvos_RequestData(args.empty() ? std::string() : args[0].toString());
            else if (event == "NewOptionsApplied")
                mc_ppvos_NewOptionsApplied();
        });
        v.mc_ppvos = launcher;
    });
    step([&] {
        if (!launcher)
            throw AutomationError(err::ObjectNotSet);
        launcher->ShowNewPPVOS();
    });
    step([] { DoEvents(); });
    step([&] {
        v.mc_ppvos.reset();
        launcher.reset();
    });
    step([&] { ViewerSeams::run(v.seams.loadRulerSettings); });
    // Ruler background and corner line keep what the stored ruler keys say.
    for (int n : {1, 2, 6, 7, 8, 9})
        for (const auto& statement : newOptionsStep(n))
            step(statement);
}

} // namespace kelvppvw
