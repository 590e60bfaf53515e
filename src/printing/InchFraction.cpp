#include "printing/InchFraction.h"

#include "platform/automation/Variant.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace kelvppvw {

std::string FormatInchFraction(const std::string& digits) {
    if (digits.empty())
        return ".0";
    std::string three = digits.substr(0, 3);
    three.resize(3, '0');
    if (!std::all_of(three.begin(), three.end(), [](unsigned char c) { return std::isdigit(c) != 0; }))
        return {};
    if (three <= "005")
        return ".0";
    const int thousandths = std::stoi(three);
    // The smallest k with 15.625 * k >= t, in whole numbers: 125 k >= 8 t.
    const int k = std::min(63, (thousandths * 8 + 124) / 125);
    const int g = std::gcd(k, 64);
    return " " + std::to_string(k / g) + "/" + std::to_string(64 / g);
}

std::string InchText(double inches) {
    const std::string text = formatNumber(inches);
    const size_t point = text.find('.');
    if (point == std::string::npos)
        return text;
    return text.substr(0, point) + FormatInchFraction(text.substr(point + 1));
}

} // namespace kelvppvw
