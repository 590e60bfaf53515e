#pragma once

#include "platform/forms/CheckBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ComponentHost.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/ScrollBar.h"
#include "platform/forms/Shape.h"
#include "settings/ViewerSettings.h"

#include <memory>
#include <string>

namespace kelvppvw {

class clsPPVOS;

// The options dialog. It edits the viewer's settings table in place and the
// appearance of both paper rulers through two sample rulers, whose keys it
// writes to preview.ini on Apply and OK; the viewer's own keys it never writes.
class frmPPVOS : public Form {
public:
    explicit frmPPVOS(ViewerSettings& settings);
    ~frmPPVOS() override;

    static std::string PreviewIni();

    // The launcher that opened the dialog; Apply raises its NewOptionsApplied.
    clsPPVOS* gm_clsPPVOS = nullptr;

    // Handlers. Each ends silently at its first failure.
    void chkRulers_Click();
    void chkCHs_Click();
    void vscR_Change();
    void vscbS_Change();
    void vscbRIH_Change();
    void vscMW_Change();
    // ColorPicked and ColorSelected alike.
    void BrowseForColor1_ColorChosen(int16_t index, int32_t& lColor);
    void BrowseForColor1_PickerMouseButton(int16_t index, int16_t button);
    void shpR_MarkerLineStyle(int16_t index, int32_t lStyle, int32_t lWidth);
    void shpR_SettingToSave(int16_t index, const std::string& sName, const Variant& vValue);
    void cmdApply_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdDefault_Click();
    // The stored ruler keys into the samples, the cross hairs and the bars.
    void LoadRulerSettings();

    std::shared_ptr<Frame> fraOptions;
    std::shared_ptr<CheckBox> chkPan, chkZoom, chkSSM, chkRulers, chkCHs;
    ControlArray<Shape> shpP;
    std::shared_ptr<Label> lblP;
    ControlArray<ComponentHost> shpR;
    ControlArray<Line> LnCH;
    std::shared_ptr<Label> Label1, Label2, Label4;
    ControlArray<Label> Label3;
    std::shared_ptr<ScrollBar> vscR, vscbS, vscMW;
    ControlArray<ScrollBar> vscbRIH;
    std::shared_ptr<Label> lblR, lblD, lblMW;
    ControlArray<Label> lblRIH;
    ControlArray<Label> lblClrs;
    ControlArray<ComponentHost> BrowseForColor1;
    std::shared_ptr<CommandButton> cmdDefault, cmdApply, cmdOK, cmdCancel;

protected:
    void Form_Initialize() override;
    void Form_Load() override;

private:
    void buildControls();
    void buildSamples();
    void buildBars();
    void buildColorRows();
    void buildButtons();
    void wireEvents();
    struct BarGroup {
        std::shared_ptr<Label> caption;
        std::shared_ptr<ScrollBar> bar;
        std::shared_ptr<Label> value;
    };
    // A captioned vertical bar with its value beside it; index -1: no control array.
    BarGroup addBar(const char* captionName, const char* barName, const char* valueName, int16_t index,
                    const char* caption, double left, double top, double height);
    void storeOptions();
    void forBothSamples(const std::function<void(ComponentHost&)>& each);

    ViewerSettings& settings_;
};

} // namespace kelvppvw
