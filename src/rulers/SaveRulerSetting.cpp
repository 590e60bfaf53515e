#include "rulers/SaveRulerSetting.h"

#include "platform/automation/ErrorTrap.h"
#include "settings/ProfileStore.h"

namespace kelvppvw {

void SaveRulerSetting(std::int32_t index, std::string_view name, const Variant& value, std::string_view section,
                      const std::string& iniFile)
{
    // A failed write loses this one setting.
    stopSilently([&] {
        WriteProfileKey(section, std::string(name) + "_" + std::to_string(index), value.toString(), iniFile);
    });
}

} // namespace kelvppvw
