#pragma once

#include <cstdint>
#include <string>

namespace kelvppvw {

inline constexpr int32_t FirstNamedPaper = 1;
inline constexpr int32_t LastNamedPaper = 41;

// The display name of a Windows paper code 1..41, for example
// "A4, 210 x 297 mm"; empty for any other code.
std::string PaperSizeName(int32_t code);

} // namespace kelvppvw
