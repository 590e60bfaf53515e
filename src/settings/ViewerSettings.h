#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvppvw {

// The viewer's persisted options while a preview runs; the options dialog
// edits it in place. Entries 12 to 14 carry nothing.
using ViewerSettings = std::array<std::int32_t, 17>;

namespace ViewerSetting {
enum : std::size_t {
    AutoRangeMax = 0,
    Color1 = 1,
    Color2 = 2,
    Color3 = 3,
    Color4 = 4,
    Color5 = 5,
    AutoScaleMenu = 6,
    ShadowDepth = 7,
    RulerDimension = 8,
    RulersDisplayed = 9,
    RulerCrossHairs = 10,
    Color6 = 11,
    RulerScale = 15,
    PanOnZoom = 16,
};
}

// The key each entry is stored under; empty for the unused entries.
std::string_view ViewerSettingKey(std::size_t entry);

// Reads the colours, shadow, ruler and pan keys of section into table, in
// start-up order, and applies the ruler thickness rule. A key whose text is
// not a number leaves its entry as it was (entries 0 to 7 are reset to their
// built-in values first). The viewer moves the scale-menu check afterwards.
void ReadViewerSettings(ViewerSettings& table, std::string_view section, const std::string& file);

// The switches read later in start-up: "PrintRange", "AutoRangeMax" and
// "AutoScaleMenu", each on only for the exact text "1". Sets entries 0 and 6
// and returns the print-range switch.
bool ReadViewerSwitches(ViewerSettings& table, std::string_view section, const std::string& file);

// Writes every viewer key at closing, changed or not, in the fixed order.
void WriteViewerSettings(const ViewerSettings& table, bool printRange, std::string_view section,
                         const std::string& file);

// Decimal text to a signed 32-bit number the way the stored values are read
// back: surrounding spaces allowed, fractions rounded half to even; nullopt
// for anything else or out of range.
std::optional<std::int32_t> ParseLong(std::string_view text);

}  // namespace kelvppvw
