#pragma once

#include <string>

namespace kelvppvw {

// The fraction text for the decimal digits of an inch value (the digits after
// the point): one blank and a fraction in 64ths in lowest terms (" 1/64",
// " 1/2", " 63/64"), or ".0" when the digits amount to less than 6 thousandths.
// Three or more digits: the first three are thousandths, rounded up to the
// next 64th and capped at 63/64. One or two digits are read as thousandths
// padded with zeros ("5" is 500), so they follow the same rule. No digits: ".0".
// Digits that are not decimal digits give an empty text.
std::string FormatInchFraction(const std::string& digits);

// An inch value as whole inches plus fraction: the value is written in its
// default decimal text and split at the point, "8.5" becoming "8 1/2"; a value
// without a point stays as it is.
std::string InchText(double inches);

} // namespace kelvppvw
