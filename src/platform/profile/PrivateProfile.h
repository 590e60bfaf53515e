#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile/IniDocument.h"
#include "platform/profile/ProfileFile.h"

// The private-profile calls with the Windows behaviour: case-insensitive
// names, trimmed keys and values, quotes stripped on read, caller-sized
// buffers with the Windows return counts, in-place edits on write. A null
// argument is std::nullopt; an empty string is not null.
namespace kelvppvw {

using OptionalText = std::optional<std::string_view>;

// Copies a value (or the default) into buffer, always NUL-terminated when the
// buffer has room for anything, and returns the characters copied. A null key
// lists the section's keys, a null section lists the sections, as
// "a\0b\0\0"; a list that does not fit is cut and reported as size - 2.
std::uint32_t GetPrivateProfileString(OptionalText section, OptionalText key, OptionalText defaultValue,
                                      std::span<char> buffer, const std::string& file);

// Copies the section's lines as "k=v\0k2=v2\0\0" and returns every character
// but the final NUL; a section that does not fit is cut and reported as
// size - 2; a missing or empty section gives 0.
std::uint32_t GetPrivateProfileSection(std::string_view section, std::span<char> buffer,
                                       const std::string& file);

// Writes or replaces a key; a null value deletes the key, a null key deletes
// the section. Creates the file and the section when missing. False when
// the section is null, a name or value holds a line break, or the file
// cannot be written; the file is then unchanged.
bool WritePrivateProfileString(OptionalText section, OptionalText key, OptionalText value,
                               const std::string& file);

// One write of WritePrivateProfileString (section and key trimmed, checked)
// applied to a parsed file.
ProfileFile::Edit ApplyProfileWrite(IniDocument& doc, bool exists, std::string_view section, OptionalText key,
                                    OptionalText value);

// Deletes several key lines of one section in a single locked rewrite: for
// each entry the first line of its key that holds exactly its value, so
// that a repeated key never costs the wrong line.
bool DeletePrivateProfileEntries(std::string_view section, const std::vector<IniDocument::Entry>& entries,
                                 const std::string& file);

}  // namespace kelvppvw
