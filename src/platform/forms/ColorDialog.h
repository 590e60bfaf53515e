#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelvppvw {

// Asks the user for a colour, starting from initial (a colour in the Windows
// convention; system colours start from their resolved value). Returns the
// chosen colour as 0x00BBGGRR, nothing when the user cancels.
//
// A modal moment of kind ColorDialog (text: the initial colour's 0x00BBGGRR
// value in decimal): a scripted action returns the chosen 0x00BBGGRR colour,
// or a negative number to cancel. Headless without a script, nothing is chosen.
std::optional<uint32_t> ChooseColor(uint32_t initial, const std::string& title = {});

} // namespace kelvppvw
