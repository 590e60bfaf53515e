#include "rulers/RulerEvents.h"

#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Line.h"
#include "platform/forms/Panel.h"
#include "platform/forms/StatusBar.h"

namespace kelvppvw {

namespace {

constexpr int PanelX = 3;
constexpr int PanelY = 4;

int16_t toInteger(int32_t value) { return Variant(value).toInteger(); }

} // namespace

RulerEvents::RulerEvents(RulerEventTargets targets) : t(std::move(targets)) {}

int32_t RulerEvents::crossHairs() const { return (*t.settings)[ViewerSetting::RulerCrossHairs]; }

void RulerEvents::raised(std::string_view event, Args& args) {
    stopSilently([&] {
        const auto arg = [&](size_t i) -> const Variant& {
            if (i >= args.size())
                throw AutomationError(err::ArgumentNotOptional);
            return args[i];
        };
        const int32_t index = arg(0).toLong();
        if (event == "MarkerText")
            MarkerText(index, arg(3).toString());
        else if (event == "MarkerLineStyle")
            MarkerLineStyle(index, arg(2).toLong(), arg(3).toLong());
        else if (event == "RulerMouseMove")
            RulerMouseMove(index, arg(1).toInteger(), arg(2).toInteger(), arg(3).toSingle(), arg(4).toSingle());
        else if (event == "RulerMouseButton")
            RulerMouseButton(index, arg(1).toInteger(), arg(2).toInteger(), arg(3).toSingle(), arg(4).toSingle());
        else if (event == "SettingToSave")
            SettingToSave(index, arg(1).toString(), arg(2));
    });
}

void RulerEvents::MarkerText(int32_t index, const std::string& text) {
    stopSilently([&] {
        if (index != 0 && index != 1)
            return;
        const int panel = index == 0 ? PanelX : PanelY;
        if (crossHairs() == 0)
            t.stbr1->Panels(panel).SetText({});
        else if (crossHairs() == 1)
            t.stbr1->Panels(panel).SetText((index == 0 ? "X " : "Y ") + text);
    });
}

void RulerEvents::MarkerLineStyle(int32_t, int32_t style, int32_t width) {
    stopSilently([&] {
        t.crossHair0->SetBorderStyle(toInteger(style));
        t.crossHair1->SetBorderStyle(toInteger(style));
        t.crossHair0->SetBorderWidth(toInteger(width));
        t.crossHair1->SetBorderWidth(toInteger(width));
    });
}

// Over a ruler the cross hairs stay hidden; only that ruler's marker follows
// the pointer, and its text arrives through MarkerText.
void RulerEvents::trackOn(Dispatch& ruler, Dispatch& other, int panel, float x, float y) {
    other.callWith("HideMarker");
    ruler.put("DisplayRuleMarker", Variant(crossHairs() != 0));
    if (crossHairs() == 0)
        t.stbr1->Panels(panel).SetText({});
    else if (crossHairs() == 1)
        ruler.callWith("MoveMarker", x, y);
}

void RulerEvents::RulerMouseMove(int32_t index, int16_t, int16_t, float x, float y) {
    stopSilently([&] {
        t.hideCrossHairs();
        if (index == 0) {
            trackOn(*t.ruler0, *t.ruler1, PanelX, x, y);
        } else if (index == 1) {
            trackOn(*t.ruler1, *t.ruler0, PanelY, x, y);
        } else {
            t.clearPointerPanels();
            t.hideCrossHairs();
        }
    });
}

void RulerEvents::RulerMouseButton(int32_t, int16_t button, int16_t, float, float) {
    stopSilently([&] {
        if (button == 2)
            t.popupScaleMenu();
    });
}

void RulerEvents::SettingToSave(int32_t index, const std::string& name, const Variant& value) {
    stopSilently([&] { t.saveSetting(index, name, value); });
}

} // namespace kelvppvw
