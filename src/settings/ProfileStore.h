#pragma once

#include <optional>
#include <string>
#include <string_view>

// The thin layer through which the component reads and writes preview.ini and
// Cleanup.ini. It keeps no state of its own.
namespace kelvppvw {

// The stored text of a key, or the default when the file, section or key is
// missing; at most 254 characters.
std::string ReadProfileKey(std::string_view section, std::string_view key, std::string_view defaultValue,
                           const std::string& file);

// Writes a key, creating file and section as needed; std::nullopt (not an
// empty string) deletes the key. Callers need not look at the result.
bool WriteProfileKey(std::string_view section, std::string_view key, std::optional<std::string_view> value,
                     const std::string& file);

// Everything before the first NUL, untouched; without a NUL, the text with
// surrounding spaces removed.
std::string CutAtNull(std::string_view text);

// The whole section as "k=v" entries separated by single NULs (no trailing
// NUL), read with a buffer that grows until the section fits; empty when the
// section is empty or missing.
std::string ReadProfileSection(std::string_view section, const std::string& file);

}  // namespace kelvppvw
