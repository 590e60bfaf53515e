#pragma once

#include "platform/automation/Variant.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvppvw {

// A ruler's SettingToSave: the value as text under "<name>_<index>".
void SaveRulerSetting(std::int32_t index, std::string_view name, const Variant& value, std::string_view section,
                      const std::string& iniFile);

} // namespace kelvppvw
