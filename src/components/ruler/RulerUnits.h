#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvppvw {

// The scale menu's units, numbered as the menu numbers them.
enum class RulerUnit : int {
    Twips = 1,
    Points,
    Pixels,
    Characters,
    Inches,
    Millimeters,
    Centimeters,
    Decimeters,
    Picas,
    Pitch,
};

inline constexpr int kRulerUnitCount = 10;

enum class RulerOrientation : int { Horizontal = 1, Vertical = 2 };

// Character-based units depend on fonts the host hands over; the widget
// measures them and passes the cell sizes in twips. Without a page font a
// character is the classic 120 x 240 twips cell.
struct CharacterCells {
    double characterAcross = 120.0;
    double characterDown = 240.0;
    double pitchAcross = 72.0;   // 6 pt Courier New: 0.6 em advance
    double pitchDown = 136.0;    // its line spacing
};

// Out-of-range indexes are clamped to the nearest unit.
RulerUnit rulerUnitFromIndex(long long index);

std::string_view rulerUnitMenuName(RulerUnit unit);
// The short name drawn on the ruler and appended to marker texts.
std::string_view rulerUnitSymbol(RulerUnit unit);

double twipsPerUnit(RulerUnit unit, RulerOrientation orientation, const CharacterCells& cells = {});

// Decimals the marker text shows, enough to tell neighbouring screen pixels
// apart at ordinary zoom without drowning the status bar in digits.
int markerDecimals(RulerUnit unit);

// "2.35 in": the position (page twips) in the unit, always with a '.' so
// the text reads the same whatever the process locale.
std::string formatMarkerText(double twips, RulerUnit unit, RulerOrientation orientation,
                             const CharacterCells& cells = {});

// Fixed-point text of value with the given decimals, C locale.
std::string formatFixed(double value, int decimals);

// Steps, in units, that ticks may take. Labelled (major) steps come from
// majors; minor and fine subdivisions from subdivisions (ascending, every
// entry a whole fraction of the larger ones it is used under).
struct UnitLadder {
    std::vector<double> majors;
    std::vector<double> subdivisions;
};

const UnitLadder& unitLadder(RulerUnit unit);

} // namespace kelvppvw
