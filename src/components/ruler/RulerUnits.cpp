#include "components/ruler/RulerUnits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <charconv>

namespace kelvppvw {

namespace {

struct UnitInfo {
    std::string_view menuName;
    std::string_view symbol;
    int decimals;
};

constexpr std::array<UnitInfo, kRulerUnitCount> kUnits{{
    {"Twips", "twips", 0},
    {"Points", "pt", 1},
    {"Pixels", "px", 0},
    {"Character", "ch", 1},
    {"Inch", "in", 2},
    {"Millimeters", "mm", 1},
    {"Centimeters", "cm", 2},
    {"Decimeters", "dm", 3},
    {"Picas", "pc", 2},
    {"Pitch", "pitch", 1},
}};

const UnitInfo& info(RulerUnit unit) { return kUnits[static_cast<size_t>(static_cast<int>(unit) - 1)]; }

std::vector<double> decimalSteps(int fromExponent, int toExponent, std::initializer_list<double> mantissas) {
    std::vector<double> steps;
    for (int e = fromExponent; e <= toExponent; ++e)
        for (double m : mantissas)
            steps.push_back(m * std::pow(10.0, e));
    return steps;
}

std::vector<double> join(std::vector<double> a, const std::vector<double>& b) {
    a.insert(a.end(), b.begin(), b.end());
    std::sort(a.begin(), a.end());
    a.erase(std::unique(a.begin(), a.end()), a.end());
    return a;
}

UnitLadder makeLadder(RulerUnit unit) {
    switch (unit) {
    case RulerUnit::Twips:
    case RulerUnit::Pixels:
        return {decimalSteps(0, 6, {1, 2, 5}), decimalSteps(0, 6, {1, 5})};
    case RulerUnit::Points:
        return {decimalSteps(0, 5, {1, 2, 5}), decimalSteps(-1, 5, {1, 5})};
    case RulerUnit::Characters:
    case RulerUnit::Pitch:
        return {decimalSteps(0, 4, {1, 2, 5}), decimalSteps(-1, 4, {1, 5})};
    case RulerUnit::Inches: {
        const std::vector<double> majors = decimalSteps(0, 3, {1, 2, 5});
        return {majors, join({1.0 / 64, 1.0 / 32, 1.0 / 16, 1.0 / 8, 1.0 / 4, 1.0 / 2}, majors)};
    }
    case RulerUnit::Millimeters:
        return {decimalSteps(0, 5, {1, 5}), decimalSteps(-1, 5, {1, 5})};
    case RulerUnit::Centimeters:
        return {decimalSteps(0, 4, {1, 2, 5}), decimalSteps(-2, 4, {1, 5})};
    case RulerUnit::Decimeters:
        return {decimalSteps(-1, 3, {1, 2, 5}), decimalSteps(-3, 3, {1, 5})};
    case RulerUnit::Picas: {
        const std::vector<double> majors = decimalSteps(0, 4, {1, 2, 5});
        return {majors, join({1.0 / 12, 1.0 / 6, 1.0 / 2}, majors)};
    }
    }
    return {};
}

} // namespace

RulerUnit rulerUnitFromIndex(long long index) {
    return static_cast<RulerUnit>(std::clamp<long long>(index, 1, kRulerUnitCount));
}

std::string_view rulerUnitMenuName(RulerUnit unit) { return info(unit).menuName; }
std::string_view rulerUnitSymbol(RulerUnit unit) { return info(unit).symbol; }
int markerDecimals(RulerUnit unit) { return info(unit).decimals; }

double twipsPerUnit(RulerUnit unit, RulerOrientation orientation, const CharacterCells& cells) {
    const bool across = orientation == RulerOrientation::Horizontal;
    switch (unit) {
    case RulerUnit::Twips: return 1.0;
    case RulerUnit::Points: return 20.0;
    case RulerUnit::Pixels: return 15.0;
    case RulerUnit::Characters: return across ? cells.characterAcross : cells.characterDown;
    case RulerUnit::Inches: return 1440.0;
    case RulerUnit::Millimeters: return 1440.0 / 25.4;
    case RulerUnit::Centimeters: return 14400.0 / 25.4;
    case RulerUnit::Decimeters: return 144000.0 / 25.4;
    case RulerUnit::Picas: return 240.0;
    case RulerUnit::Pitch: return across ? cells.pitchAcross : cells.pitchDown;
    }
    return 1.0;
}

std::string formatFixed(double value, int decimals) {
    // to_chars ignores the process locale, which the GUI toolkit sets from the user's.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    // "-0.00" reads as a fault to a user measuring from the sheet's edge.
    if (text.find_first_of("123456789") == std::string::npos && text.front() == '-')
        text.erase(0, 1);
    return text;
}

std::string formatMarkerText(double twips, RulerUnit unit, RulerOrientation orientation, const CharacterCells& cells) {
    const double value = twips / twipsPerUnit(unit, orientation, cells);
    return formatFixed(value, markerDecimals(unit)) + " " + std::string(rulerUnitSymbol(unit));
}

const UnitLadder& unitLadder(RulerUnit unit) {
    static const std::array<UnitLadder, kRulerUnitCount> ladders = [] {
        std::array<UnitLadder, kRulerUnitCount> all;
        for (int i = 1; i <= kRulerUnitCount; ++i)
            all[static_cast<size_t>(i - 1)] = makeLadder(static_cast<RulerUnit>(i));
        return all;
    }();
    return ladders[static_cast<size_t>(static_cast<int>(unit) - 1)];
}

} // namespace kelvppvw
