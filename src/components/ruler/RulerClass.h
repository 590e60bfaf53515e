#pragma once

namespace kelvppvw {

class ClassRegistry;

// Makes kelvRule.Ruler and kelvRule.Font creatable by class name. Creating a
// ruler needs a running QApplication.
void registerRulerClass(ClassRegistry& registry);
void unregisterRulerClass(ClassRegistry& registry);

} // namespace kelvppvw
