#include "rulers/LoadRulerSettings.h"

#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Line.h"
#include "settings/ProfileStore.h"

namespace kelvppvw {

void ApplyStoredRulerKeys(Dispatch& ruler0, Dispatch& ruler1, std::string_view section, const std::string& iniFile)
{
    Dispatch* rulers[] = {&ruler0, &ruler1};
    for (int index = 0; index <= 1; ++index)
        for (std::string_view name : RulerSettingNames) {
            const std::string key = std::string(name) + "_" + std::to_string(index);
            rulers[index]->callWith("ApplySetting", std::string(name), ReadProfileKey(section, key, "", iniFile));
        }
    Args none;
    ruler0.call("RefreshRuler", none);
    ruler1.call("RefreshRuler", none);
}

void LoadRulerSettings(Dispatch& ruler0, Dispatch& ruler1, Line& crossHair0, Line& crossHair1,
                       std::string_view section, const std::string& iniFile)
{
    stopSilently([&] {
        ApplyStoredRulerKeys(ruler0, ruler1, section, iniFile);
        // Both rulers and both lines show the horizontal ruler's marker colour.
        const auto marker = static_cast<std::uint32_t>(ruler0.get("ColorRuleMarkerColor").toLong());
        crossHair0.SetBorderColor(marker);
        crossHair1.SetBorderColor(marker);
        ruler0.put("ColorRuleMarkerColor", Variant(std::int32_t(crossHair0.BorderColor())));
        ruler1.put("ColorRuleMarkerColor", Variant(std::int32_t(crossHair0.BorderColor())));
    });
}

} // namespace kelvppvw
