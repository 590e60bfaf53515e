#pragma once

#include "platform/automation/ClassRegistry.h"

#include <cstdint>

// The four entry points of an in-process automation server, with the meaning
// they have here: register and unregister the component's public classes in
// the process's class registry, hand out a class factory, and say whether no
// object of the component is alive.
extern "C" {
int32_t DllRegisterServer();
int32_t DllUnregisterServer();
int32_t DllGetClassObject(const char* className, kelvppvw::ClassFactory* factory);
int32_t DllCanUnloadNow();
}

namespace kelvppvw {
inline constexpr int32_t S_OK_ = 0;
inline constexpr int32_t S_FALSE_ = 1;
inline constexpr int32_t E_POINTER_ = static_cast<int32_t>(0x80004003);
inline constexpr int32_t CLASS_E_CLASSNOTAVAILABLE_ = static_cast<int32_t>(0x80040111);

// The class names under which the component's public classes register.
inline constexpr const char* ClassNamePreview = "kelvppvw.clsPreview";
inline constexpr const char* ClassNameGraphics = "kelvppvw.Graphics";
inline constexpr const char* ClassNameGraphic = "kelvppvw.Graphic";
inline constexpr const char* ClassNameOptions = "kelvppvw.clsPPVOS";
} // namespace kelvppvw
