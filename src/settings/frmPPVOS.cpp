#include "settings/frmPPVOS.h"

#include "components/colorpicker/ColorPickerClass.h"
#include "components/seams/PlatformSeams.h"
#include "host/PreviewValues.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/ErrorTrap.h"
#include "platform/automation/EventProvider.h"
#include "platform/forms/Application.h"
#include "platform/forms/ResourceStore.h"
#include "platform/forms/StdFont.h"
#include "rulers/LoadRulerSettings.h"
#include "rulers/SaveRulerSetting.h"
#include "settings/ProfileStore.h"
#include "settings/clsPPVOS.h"

#include <array>

namespace kelvppvw {

namespace {

struct ColorRow {
    const char* caption;
    const char* rulerProperty; // the samples' property the row edits; rows 1 to 5 edit none
    uint32_t design;
};

// Rows 1 to 16; the design colour is each picker's and the row's default.
constexpr std::array<ColorRow, 16> ColorRows = {{
    {"Auto size printer outline color", nullptr, 0x80000010u},
    {"Zoomed printer outline color", nullptr, 0x8000000Fu},
    {"Printer page preview shadow color", nullptr, 0x80000015u},
    {"Viewer backcolor", nullptr, 0x8000000Cu},
    {"Text forecolor", nullptr, 0x80000005u},
    {"Ruler Backcolor", "ColorBackColor", 0x8000000Cu},
    {"Ruler Range In Color", "ColorRangeInColor", 0x0000C000u},
    {"Ruler Range Out Color", "ColorRangeOutColor", 0x00C0C0FFu},
    {"Ruler Marker Color", "ColorRuleMarkerColor", 0x00FF0000u},
    {"Ruler Scale Name Color", "ColorScaleNameColor", 0x80000005u},
    {"Ruler Scale Name Shadow Color", "ColorScaleNameShadowColor", 0x80000005u},
    {"Ruler Text ForeColor", "ColorTextForeColor", 0x80000005u},
    {"Ruler Text Shadow Color", "ColorTextShadowColor", 0x80000005u},
    {"Ruler Tick Rail Bottom Color", "ColorTickRailBottomColor", 0x80000005u},
    {"Ruler Tick Rail Upper Color", "ColorTickRailUpperColor", 0x80000005u},
    {"Ruler Zero Point Start Color", "ColorZeroPointStartColor", 0x000000FFu},
}};

const ColorRow& row(int16_t index) { return ColorRows.at(static_cast<size_t>(index - 1)); }

// The ViewerSettings entry of rows 1 to 6.
size_t settingOfRow(int16_t index) { return index == 6 ? ViewerSetting::Color6 : ViewerSetting::Color1 + (index - 1); }

constexpr uint32_t White = 0x00FFFFFFu;
constexpr uint32_t Blue = 0x00FF0000u;
constexpr double PageLeft = 1440, PageTop = 1845, PageWidth = 2745, PageHeight = 3135;
constexpr double RowsTop = 1305, RowPitch = 330;
constexpr const char* RulerClass = "kelvRule.Ruler";

std::string text(int32_t value) { return std::to_string(value); }
uint32_t colorOf(const Variant& v) { return static_cast<uint32_t>(v.toLong()); }

// Stored values outside a control's range (rulers hidden keep a depth of 0)
// leave the control as it is instead of ending the load.
void setInRange(ScrollBar& bar, int32_t value) {
    if (value >= std::min(bar.Min(), bar.Max()) && value <= std::max(bar.Min(), bar.Max()))
        bar.SetValue(value);
}
// Likewise a switch stored as another nonzero number shows as checked.
int16_t checkOf(int32_t entry) { return entry >= 0 && entry <= 2 ? static_cast<int16_t>(entry) : 1; }

} // namespace

frmPPVOS::frmPPVOS(ViewerSettings& settings) : settings_(settings) {}

frmPPVOS::~frmPPVOS() = default;

std::string frmPPVOS::PreviewIni() { return gsAppPath + "/preview.ini"; }

void frmPPVOS::Form_Initialize() {
    // The controls' set-up, as the viewer's: the ruler and picker classes first.
    Application::ensure();
    InstallPlatformSeams();
    buildControls();
}

// ---- building -------------------------------------------------------------

void frmPPVOS::buildControls() {
    SetFormName("frmPPVOS");
    SetCaption("Preview Viewer Options");
    Move(0, 0, 10635, 7860);
    SetStartUpPosition(1);
    Font()->SetName("Tahoma");
    fraOptions = add<Frame>("fraOptions");
    fraOptions->Move(60, -45, 10455, 7260);
    const auto check = [this](const char* name, double left, double top, double width) {
        auto box = fraOptions->add<CheckBox>(name);
        box->Move(left, top, width, 195);
        return box;
    };
    chkPan = check("chkPan", 240, 165, 6120);
    chkZoom = check("chkZoom", 240, 375, 6120);
    chkSSM = check("chkSSM", 240, 585, 6120);
    chkRulers = check("chkRulers", 240, 795, 6120);
    chkCHs = check("chkCHs", 435, 1005, 5925);
    // As an unchecked rulers switch leaves them: no sample rulers, no cross hairs.
    chkCHs->SetEnabled(false);
    buildSamples();
    buildBars();
    buildColorRows();
    buildButtons();
    for (const auto& c : controls())
        c->SetFontName("Tahoma");
    for (const auto& c : fraOptions->controls())
        c->SetFontName("Tahoma");
    wireEvents();
}

void frmPPVOS::buildSamples() {
    // Painted in the order added: the shadow behind the page, the outlines and
    // cross hairs in front of it.
    auto& shadow = *shpP.load(*fraOptions, "shpP", 1);
    shadow.Move(PageLeft + 30, PageTop + 30, PageWidth, PageHeight);
    shadow.SetFillStyle(0);
    auto& page = *shpP.load(*fraOptions, "shpP", 0);
    page.Move(PageLeft, PageTop, PageWidth, PageHeight);
    page.SetFillStyle(0);
    page.SetFillColor(White);
    page.SetBorderColor(White);
    for (int16_t i = 2; i <= 3; ++i) {
        auto& outline = *shpP.load(*fraOptions, "shpP", i);
        outline.Move(i == 2 ? 1650 : 1710, i == 2 ? 2070 : 2130, 2325, 2730);
        outline.SetBorderStyle(vb::BorderDot);
    }
    auto& vertical = *LnCH.load(*fraOptions, "LnCH", 0);
    vertical.SetX1(3630);
    vertical.SetX2(3630);
    vertical.SetY1(PageTop);
    vertical.SetY2(PageTop + PageHeight);
    auto& horizontal = *LnCH.load(*fraOptions, "LnCH", 1);
    horizontal.SetX1(PageLeft);
    horizontal.SetX2(PageLeft + PageWidth);
    horizontal.SetY1(4350);
    horizontal.SetY2(4350);
    for (int16_t i = 0; i <= 1; ++i) {
        LnCH(i).SetBorderColor(Blue);
        LnCH(i).SetVisible(false);
    }

    // The viewer's background and text beside the page.
    lblP = fraOptions->add<Label>("lblP");
    lblP->Move(240, PageTop, 600, PageHeight);
    lblP->SetCaption("Text");
    lblP->SetAlignment(2);

    ClassRegistry& registry = ClassRegistry::instance();
    for (int16_t i = 0; i <= 1; ++i) {
        ObjectRef ruler = registry.create(RulerClass);
        ruler->put("Orientation", Variant(int32_t(i + 1)));
        ruler->put("Index", Variant(int32_t(i)));
        ObjectRef scaleFont = registry.create("kelvRule.Font");
        scaleFont->put("Name", Variant("Small Fonts"));
        scaleFont->put("Size", Variant(3.75));
        ruler->putRef("ScaleNameFont", Variant(scaleFont));
        shpR.add(i, fraOptions->addIndexed<ComponentHost>("shpR", i, ruler));
        shpR(i).SetVisible(false);
    }
    shpR(0).Move(PageLeft, PageTop - 315, PageWidth, 300);
    shpR(1).Move(PageLeft - 315, PageTop, 300, PageHeight);
}

frmPPVOS::BarGroup frmPPVOS::addBar(const char* captionName, const char* barName, const char* valueName,
                                    int16_t index, const char* caption, double left, double top, double height) {
    // Captions longer than the column wrap onto a second line.
    const double captionHeight = std::string_view(caption).size() > 12 ? 390 : 195;
    BarGroup g;
    g.caption = fraOptions->addIndexed<Label>(captionName, index);
    g.caption->Move(left, top, 1275, captionHeight);
    g.caption->SetWordWrap(true);
    g.caption->SetCaption(caption);
    const double barTop = top + captionHeight + 30;
    g.bar = fraOptions->addIndexed<ScrollBar>(barName, index, ScrollBar::Orientation::Vertical);
    g.bar->Move(left, barTop, 255, height);
    g.value = fraOptions->addIndexed<Label>(valueName, index);
    g.value->Move(left + 330, barTop + (height - 195) / 2, 570, 195);
    return g;
}

void frmPPVOS::buildBars() {
    // Vertical bars with their largest value at the top; each label shows its bar's value.
    const auto range = [](const BarGroup& g, int32_t low, int32_t high, int32_t step, int32_t initial) {
        g.bar->SetMin(high);
        g.bar->SetMax(low);
        g.bar->SetSmallChange(step);
        g.bar->SetLargeChange(step);
        g.bar->SetValue(initial);
        g.value->SetCaption(text(initial));
    };
    const BarGroup depth = addBar("Label2", "vscR", "lblR", -1, "Ruler Depth", 945, 5865, 570);
    range(depth, 150, 495, 15, 300);
    Label2 = depth.caption;
    vscR = depth.bar;
    lblR = depth.value;
    const BarGroup shadow = addBar("Label1", "vscbS", "lblD", -1, "Shadow Depth", 2265, 5865, 570);
    range(shadow, 0, 300, 15, 30);
    Label1 = shadow.caption;
    vscbS = shadow.bar;
    lblD = shadow.value;
    for (int16_t i = 0; i <= 1; ++i) {
        const BarGroup height = addBar("Label3", "vscbRIH", "lblRIH", i, i == 0 ? "Range In Height" : "Range Out Height",
                                       i == 0 ? 3555 : 4875, 5865, 570);
        range(height, 0, 5, 1, i == 0 ? 5 : 1);
        Label3.add(i, height.caption);
        vscbRIH.add(i, height.bar);
        lblRIH.add(i, height.value);
    }
    const BarGroup marker = addBar("Label4", "vscMW", "lblMW", -1, "Marker Width", 945, 6690, 285);
    range(marker, 1, 4, 1, 1);
    Label4 = marker.caption;
    vscMW = marker.bar;
    lblMW = marker.value;
}

void frmPPVOS::buildColorRows() {
    ClassRegistry& registry = ClassRegistry::instance();
    for (int16_t i = 1; i <= 16; ++i) {
        const double top = RowsTop + (i - 1) * RowPitch;
        auto& label = *lblClrs.load(*fraOptions, "lblClrs", i);
        label.Move(5745, top, 4125, 270);
        label.SetCaption(row(i).caption);
        label.SetToolTipText(row(i).caption);
        label.SetBackColor(row(i).design);

        ObjectRef picker = registry.create(ColorPickerClassName);
        picker->put("Index", Variant(int32_t{i}));
        picker->put("designcolor", Variant(static_cast<int32_t>(row(i).design)));
        picker->put("pickcolor", Variant(static_cast<int32_t>(row(i).design)));
        picker->put("FontName", Variant("Tahoma"));
        picker->put("ToolTipText", Variant(row(i).caption));
        auto host = fraOptions->addIndexed<ComponentHost>("BrowseForColor1", i, picker);
        host->Move(10005, top - 8, 360, 285);
        BrowseForColor1.add(i, host);
    }
    // Text on the rows of the viewer's and the rulers' backgrounds shows in the text colour.
    lblClrs(4).SetForeColor(row(5).design);
    lblClrs(6).SetForeColor(row(5).design);
}

void frmPPVOS::buildButtons() {
    const auto button = [this](const char* name, double left) {
        auto b = add<CommandButton>(name);
        b->Move(left, 7290, 1440, 420);
        return b;
    };
    cmdDefault = button("cmdDefault", 1988);
    cmdApply = button("cmdApply", 3523);
    cmdOK = button("cmdOK", 5058);
    cmdCancel = button("cmdCancel", 6593);
    // Esc leaves the dialog as Cancel does.
    cmdCancel->SetCancel(true);
}

void frmPPVOS::wireEvents() {
    chkRulers->onClick = [this] { chkRulers_Click(); };
    chkCHs->onClick = [this] { chkCHs_Click(); };
    // The samples follow the thumb while it is dragged.
    vscR->onChange = vscR->onScroll = [this] { vscR_Change(); };
    vscbS->onChange = vscbS->onScroll = [this] { vscbS_Change(); };
    vscMW->onChange = vscMW->onScroll = [this] { vscMW_Change(); };
    for (int16_t i = 0; i <= 1; ++i)
        vscbRIH(i).onChange = vscbRIH(i).onScroll = [this] { vscbRIH_Change(); };
    cmdDefault->onClick = [this] { cmdDefault_Click(); };
    cmdApply->onClick = [this] { cmdApply_Click(); };
    cmdOK->onClick = [this] { cmdOK_Click(); };
    cmdCancel->onClick = [this] { cmdCancel_Click(); };

    for (const auto& [index, host] : BrowseForColor1)
        if (auto provider = std::dynamic_pointer_cast<EventProvider>(host->object()))
            provider->events().connect([this](std::string_view event, Args& a) {
                if (a.empty())
                    return;
                const int16_t index = a[0].toInteger();
                const size_t colorArg = event == "ColorPicked" ? 2 : event == "ColorSelected" ? 1 : 0;
                if (colorArg != 0 && a.size() > colorArg) {
                    int32_t color = a[colorArg].toLong();
                    BrowseForColor1_ColorChosen(index, color);
                    a[colorArg] = Variant(color);
                } else if (event == "PickerMouseButton" && a.size() >= 2) {
                    BrowseForColor1_PickerMouseButton(index, a[1].toInteger());
                }
            });
    for (const auto& [index, host] : shpR)
        if (auto provider = std::dynamic_pointer_cast<EventProvider>(host->object()))
            provider->events().connect([this](std::string_view event, Args& a) {
                if (event == "MarkerLineStyle" && a.size() >= 4)
                    shpR_MarkerLineStyle(a[0].toInteger(), a[2].toLong(), a[3].toLong());
                else if (event == "SettingToSave" && a.size() >= 3)
                    shpR_SettingToSave(a[0].toInteger(), a[1].toString(), a[2]);
            });
}

void frmPPVOS::forBothSamples(const std::function<void(ComponentHost&)>& each) {
    each(shpR(0));
    each(shpR(1));
}

// ---- loading --------------------------------------------------------------

void frmPPVOS::Form_Load() {
    stopSilently([this] {
        const ResourceStore& res = ResourceStore::standard();
        chkPan->SetCaption(res.LoadResString(126));
        chkCHs->SetCaption(res.LoadResString(125));
        chkRulers->SetCaption(res.LoadResString(124));
        cmdDefault->SetCaption(res.LoadResString(123));
        cmdCancel->SetCaption(res.LoadResString(103));
        cmdOK->SetCaption(res.LoadResString(119));
        cmdApply->SetCaption(res.LoadResString(121));
        chkZoom->SetCaption(res.LoadResString(120));
        chkSSM->SetCaption(res.LoadResString(122));

        ViewerSettings& s = settings_;
        chkPan->SetValue(checkOf(s[ViewerSetting::PanOnZoom]));
        chkZoom->SetValue(checkOf(s[ViewerSetting::AutoRangeMax]));
        chkSSM->SetValue(checkOf(s[ViewerSetting::AutoScaleMenu]));
        chkRulers->SetValue(checkOf(s[ViewerSetting::RulersDisplayed]));
        chkCHs->SetValue(checkOf(s[ViewerSetting::RulerCrossHairs]));

        for (int16_t i = 1; i <= 6; ++i) {
            const auto color = static_cast<uint32_t>(s[settingOfRow(i)]);
            lblClrs(i).SetBackColor(color);
            BrowseForColor1(i).put("PickedColor", Variant(static_cast<int32_t>(color)));
        }
        lblClrs(6).SetForeColor(static_cast<uint32_t>(s[ViewerSetting::Color5]));
        forBothSamples([&](ComponentHost& r) { r.put("ColorBackColor", Variant(s[ViewerSetting::Color6])); });

        shpP(3).SetBorderColor(static_cast<uint32_t>(s[ViewerSetting::Color1]));
        shpP(2).SetBorderColor(static_cast<uint32_t>(s[ViewerSetting::Color2]));
        shpP(1).SetBorderColor(static_cast<uint32_t>(s[ViewerSetting::Color3]));
        shpP(1).SetFillColor(static_cast<uint32_t>(s[ViewerSetting::Color3]));
        lblP->SetBackColor(static_cast<uint32_t>(s[ViewerSetting::Color4]));
        lblP->SetForeColor(static_cast<uint32_t>(s[ViewerSetting::Color5]));

        setInRange(*vscbS, s[ViewerSetting::ShadowDepth]);
        setInRange(*vscR, s[ViewerSetting::RulerDimension]);

        LoadRulerSettings();

        for (int16_t i = 6; i <= 16; ++i)
            lblClrs(i).SetBackColor(colorOf(shpR(0).get(row(i).rulerProperty)));
        for (int16_t i = 0; i <= 1; ++i)
            LnCH(i).SetBorderColor(lblClrs(9).BackColor());

        const std::string ini = PreviewIni();
        setInRange(vscbRIH(0), Variant(ReadProfileKey(gsAppName, "DisplayRangeInHeight_0", "5", ini)).toInteger());
        setInRange(vscbRIH(1), Variant(ReadProfileKey(gsAppName, "DisplayRangeOutHeight_0", "1", ini)).toInteger());

        forBothSamples([](ComponentHost& r) { r.callWith("RefreshRuler"); });
    });
}

void frmPPVOS::LoadRulerSettings() {
    stopSilently([this] {
        ApplyStoredRulerKeys(shpR(0), shpR(1), gsAppName, PreviewIni());
        ComponentHost& ruler = shpR(0);
        for (int16_t i = 0; i <= 1; ++i) {
            LnCH(i).SetBorderColor(colorOf(ruler.get("ColorRuleMarkerColor")));
            LnCH(i).SetBorderStyle(ruler.get("DisplayMarkerType").toInteger());
            LnCH(i).SetBorderWidth(ruler.get("DisplayMarkerWidth").toInteger());
        }
        forBothSamples([this](ComponentHost& r) {
            r.put("ColorRuleMarkerColor", Variant(static_cast<int32_t>(LnCH(0).BorderColor())));
        });
        vscbRIH(0).SetValue(ruler.get("DisplayRangeInHeight").toInteger());
        vscbRIH(1).SetValue(ruler.get("DisplayRangeOutHeight").toInteger());
        vscMW->SetValue(ruler.get("DisplayMarkerWidth").toInteger());
    });
}

// ---- check boxes and bars ---------------------------------------------------

void frmPPVOS::chkRulers_Click() {
    stopSilently([this] {
        const bool rulers = chkRulers->Value() == 1;
        forBothSamples([rulers](ComponentHost& r) { r.SetVisible(rulers); });
        const bool lines = rulers && chkCHs->Value() == 1;
        LnCH(0).SetVisible(lines);
        LnCH(1).SetVisible(lines);
        chkCHs->SetEnabled(rulers);
    });
}

void frmPPVOS::chkCHs_Click() {
    stopSilently([this] {
        const bool lines = chkCHs->Value() == 1;
        LnCH(0).SetVisible(lines);
        LnCH(1).SetVisible(lines);
    });
}

void frmPPVOS::vscR_Change() {
    stopSilently([this] {
        const double d = vscR->Value();
        shpR(0).SetHeight(d);
        shpR(1).SetWidth(d);
        lblR->SetCaption(text(vscR->Value()));
        // The rulers keep a gap of 15 twips to the page whatever their depth.
        shpR(0).SetTop(shpP(0).Top() - (d + 15));
        shpR(1).SetLeft(shpP(0).Left() - (d + 15));
        forBothSamples([](ComponentHost& r) { r.callWith("RefreshRuler"); });
    });
}

void frmPPVOS::vscbS_Change() {
    stopSilently([this] {
        const double s = vscbS->Value();
        shpP(1).SetWidth(shpP(0).Width() + s);
        shpP(1).SetHeight(shpP(0).Height() + s);
        lblD->SetCaption(text(vscbS->Value()));
    });
}

void frmPPVOS::vscbRIH_Change() {
    stopSilently([this] {
        lblRIH(0).SetCaption(text(vscbRIH(0).Value()));
        lblRIH(1).SetCaption(text(vscbRIH(1).Value()));
        forBothSamples([this](ComponentHost& r) {
            r.put("DisplayRangeInHeight", Variant(vscbRIH(0).Value()));
            r.put("DisplayRangeOutHeight", Variant(vscbRIH(1).Value()));
            r.callWith("RefreshRuler");
        });
    });
}

void frmPPVOS::vscMW_Change() {
    stopSilently([this] {
        forBothSamples([this](ComponentHost& r) { r.put("DisplayMarkerWidth", Variant(vscMW->Value())); });
        lblMW->SetCaption(text(vscMW->Value()));
        forBothSamples([](ComponentHost& r) { r.callWith("RefreshRuler"); });
    });
}

// ---- colours ----------------------------------------------------------------

void frmPPVOS::BrowseForColor1_ColorChosen(int16_t index, int32_t& lColor) {
    stopSilently([&] {
        const auto c = static_cast<uint32_t>(lColor);
        lblClrs(index).SetBackColor(c);
        // The viewer's colours change at once, whatever the dialog's end.
        if (index >= 1 && index <= 6)
            settings_[settingOfRow(index)] = lColor;
        ViewerSettings& s = settings_;
        switch (index) {
        case 1: shpP(3).SetBorderColor(static_cast<uint32_t>(s[ViewerSetting::Color1])); break;
        case 2: shpP(2).SetBorderColor(static_cast<uint32_t>(s[ViewerSetting::Color2])); break;
        case 3:
            shpP(1).SetBorderColor(static_cast<uint32_t>(s[ViewerSetting::Color3]));
            shpP(1).SetFillColor(static_cast<uint32_t>(s[ViewerSetting::Color3]));
            break;
        case 4: lblP->SetBackColor(static_cast<uint32_t>(s[ViewerSetting::Color4])); break;
        case 5:
            lblClrs(4).SetForeColor(lblClrs(5).BackColor());
            lblClrs(6).SetForeColor(lblClrs(5).BackColor());
            lblP->SetForeColor(lblClrs(5).BackColor());
            break;
        case 6:
            forBothSamples([&](ComponentHost& r) { r.put("ColorBackColor", Variant(s[ViewerSetting::Color6])); });
            break;
        default:
            forBothSamples([&](ComponentHost& r) { r.put(row(index).rulerProperty, Variant(lColor)); });
            if (index == 9) {
                LnCH(0).SetBorderColor(c);
                LnCH(1).SetBorderColor(c);
            }
            break;
        }
        forBothSamples([](ComponentHost& r) { r.callWith("RefreshRuler"); });
    });
}

void frmPPVOS::BrowseForColor1_PickerMouseButton(int16_t index, int16_t button) {
    stopSilently([&] {
        if (button == vb::RightButton)
            BrowseForColor1(index).callWith("ResetColor");
    });
}

// ---- sample rulers ----------------------------------------------------------

void frmPPVOS::shpR_MarkerLineStyle(int16_t index, int32_t lStyle, int32_t lWidth) {
    (void)index;
    stopSilently([&] {
        LnCH(0).SetBorderStyle(Variant(lStyle).toInteger());
        LnCH(1).SetBorderStyle(Variant(lStyle).toInteger());
        LnCH(0).SetBorderWidth(Variant(lWidth).toInteger());
        LnCH(1).SetBorderWidth(Variant(lWidth).toInteger());
    });
}

void frmPPVOS::shpR_SettingToSave(int16_t index, const std::string& sName, const Variant& vValue) {
    SaveRulerSetting(index, sName, vValue, gsAppName, PreviewIni());
}

// ---- buttons ----------------------------------------------------------------

void frmPPVOS::storeOptions() {
    ViewerSettings& s = settings_;
    s[ViewerSetting::PanOnZoom] = chkPan->Value();
    s[ViewerSetting::AutoRangeMax] = chkZoom->Value();
    s[ViewerSetting::AutoScaleMenu] = chkSSM->Value();
    s[ViewerSetting::ShadowDepth] = vscbS->Value();
    s[ViewerSetting::RulerDimension] = vscR->Value();
    s[ViewerSetting::RulersDisplayed] = chkRulers->Value();
    s[ViewerSetting::RulerCrossHairs] = chkCHs->Value();
    for (int16_t i = 1; i <= 6; ++i)
        s[settingOfRow(i)] = static_cast<int32_t>(lblClrs(i).BackColor());
    shpR(0).put("DisplayRangeInHeight", Variant(vscbRIH(0).Value()));
    shpR(1).put("DisplayRangeInHeight", Variant(vscbRIH(0).Value()));
    shpR(0).put("DisplayRangeOutHeight", Variant(vscbRIH(1).Value()));
    shpR(1).put("DisplayRangeOutHeight", Variant(vscbRIH(1).Value()));
    shpR(0).callWith("SaveSettings");
    shpR(1).callWith("SaveSettings");
}

void frmPPVOS::cmdApply_Click() {
    stopSilently([this] {
        storeOptions();
        if (gm_clsPPVOS)
            gm_clsPPVOS->RaiseNewOptionsApplied();
        LoadRulerSettings();
    });
}

void frmPPVOS::cmdOK_Click() {
    stopSilently([this] {
        storeOptions();
        Unload();
    });
}

void frmPPVOS::cmdCancel_Click() {
    stopSilently([this] { Unload(); });
}

void frmPPVOS::cmdDefault_Click() {
    stopSilently([this] {
        for (int16_t i = 1; i <= 16; ++i)
            BrowseForColor1(i).callWith("ResetColor");
        chkPan->SetValue(0);
        chkZoom->SetValue(0);
        chkSSM->SetValue(0);
        chkRulers->SetValue(0);
        chkCHs->SetValue(1);
        for (int16_t i = 1; i <= 6; ++i) {
            lblClrs(i).SetBackColor(row(i).design);
            BrowseForColor1(i).put("PickedColor", Variant(static_cast<int32_t>(row(i).design)));
        }
        lblClrs(6).SetForeColor(0x80000005u);
        forBothSamples([](ComponentHost& r) { r.put("ColorBackColor", Variant(static_cast<int32_t>(0x8000000Cu))); });
        shpP(3).SetBorderColor(0x80000010u);
        shpP(2).SetBorderColor(0x8000000Fu);
        shpP(1).SetBorderColor(0x80000015u);
        shpP(1).SetFillColor(0x80000015u);
        lblP->SetBackColor(0x8000000Cu);
        lblP->SetForeColor(0x80000005u);
        vscbS->SetValue(30);
        vscR->SetValue(300);
    });
}

} // namespace kelvppvw
