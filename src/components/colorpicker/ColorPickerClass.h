#pragma once

namespace kelvppvw {

class ClassRegistry;

inline constexpr const char* ColorPickerClassName = "kvxBFC.BrowseForColor";

// Makes kvxBFC.BrowseForColor creatable by class name. Creating a picker
// needs a running QApplication.
void registerColorPickerClass(ClassRegistry& registry);
void unregisterColorPickerClass(ClassRegistry& registry);

} // namespace kelvppvw
