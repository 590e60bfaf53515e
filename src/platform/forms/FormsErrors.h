#pragma once

#include <cstdint>

namespace kelvppvw::err {

// Error numbers the controls raise, beside the general ones of AutomationError.h.
inline constexpr int32_t OutOfMemory = 7;
inline constexpr int32_t ResourceNotFound = 326;
inline constexpr int32_t ControlArrayElementMissing = 340;
inline constexpr int32_t ObjectAlreadyLoaded = 360;
inline constexpr int32_t InvalidPropertyValue = 380;
inline constexpr int32_t InvalidPropertyArrayIndex = 381;
inline constexpr int32_t InvalidPicture = 481;
inline constexpr int32_t IndexOutOfBounds = 35600;
inline constexpr int32_t ElementNotFound = 35601;
inline constexpr int32_t KeyNotUnique = 35602;

} // namespace kelvppvw::err
