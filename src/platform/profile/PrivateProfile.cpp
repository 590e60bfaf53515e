#include "platform/profile/PrivateProfile.h"
#include "platform/profile/ProfileWriteBatch.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/profile/ProfileFile.h"

namespace kelvppvw {

namespace {

// Arguments are C strings to the system: a NUL ends them.
OptionalText cString(OptionalText s)
{
    if (s)
        s = s->substr(0, s->find('\0'));
    return s;
}

// Arguments lose surrounding spaces only; tabs in a name are part of it.
std::string_view trimSpaces(std::string_view s)
{
    s = s.substr(0, s.find('\0'));
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

bool hasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

std::uint32_t capacity(std::span<char> buffer)
{
    return static_cast<std::uint32_t>(
        std::min<std::size_t>(buffer.size(), std::numeric_limits<std::uint32_t>::max()));
}

std::uint32_t copyText(std::string_view text, std::span<char> buffer)
{
    const std::uint32_t size = capacity(buffer);
    if (size == 0)
        return 0;
    const std::size_t n = std::min<std::size_t>(text.size(), size - 1);
    if (n > 0)
        std::memcpy(buffer.data(), text.data(), n);
    buffer[n] = '\0';
    return static_cast<std::uint32_t>(n);
}

// Writes items as "a\0b\0\0". When the list plus its final NUL does not fit
// with a byte to spare, it is cut at size - 2 and closed with two NULs.
template <typename Items>
std::uint32_t copyList(const Items& items, std::span<char> buffer)
{
    const std::uint32_t size = capacity(buffer);
    if (size == 0)
        return 0;
    if (size == 1) {
        buffer[0] = '\0';
        return 0;
    }
    std::size_t pos = 0;
    const std::size_t limit = size - 2;
    for (const auto& item : items) {
        const std::string_view text(item);
        if (pos + text.size() + 1 > limit) {
            const std::size_t n = std::min(text.size(), limit - pos);
            if (n > 0)
                std::memcpy(buffer.data() + pos, text.data(), n);
            buffer[limit] = '\0';
            buffer[limit + 1] = '\0';
            return static_cast<std::uint32_t>(limit);
        }
        if (!text.empty())
            std::memcpy(buffer.data() + pos, text.data(), text.size());
        pos += text.size();
        buffer[pos++] = '\0';
    }
    buffer[pos] = '\0';
    if (pos == 0 && size > 1)
        buffer[1] = '\0';
    return static_cast<std::uint32_t>(pos);
}

}  // namespace

std::uint32_t GetPrivateProfileString(OptionalText section, OptionalText key, OptionalText defaultValue,
                                      std::span<char> buffer, const std::string& file)
{
    if (capacity(buffer) == 0)
        return 0;
    section = cString(section);
    key = cString(key);
    defaultValue = cString(defaultValue);
    auto doc = ProfileFile::load(file);
    if (!section) {
        if (!doc)
            return copyList(std::vector<std::string_view>{}, buffer);
        return copyList(doc->sectionNames(), buffer);
    }
    const std::string_view sec = trimSpaces(*section);
    if (!key) {
        if (!doc)
            return copyList(std::vector<std::string_view>{}, buffer);
        return copyList(doc->keyNames(sec), buffer);
    }
    if (doc) {
        if (auto v = doc->value(sec, trimSpaces(*key)))
            return copyText(*v, buffer);
    }
    std::string_view def = defaultValue.value_or(std::string_view{});
    while (!def.empty() && def.back() == ' ')
        def.remove_suffix(1);
    return copyText(def, buffer);
}

std::uint32_t GetPrivateProfileSection(std::string_view section, std::span<char> buffer,
                                       const std::string& file)
{
    if (capacity(buffer) == 0)
        return 0;
    auto doc = ProfileFile::load(file);
    if (!doc)
        return copyList(std::vector<std::string_view>{}, buffer);
    return copyList(doc->sectionLines(trimSpaces(section)), buffer);
}

bool WritePrivateProfileString(OptionalText section, OptionalText key, OptionalText value,
                               const std::string& file)
{
    if (!section)
        return false;
    key = cString(key);
    value = cString(value);
    const std::string_view sec = trimSpaces(*section);
    const std::string_view k = key ? trimSpaces(*key) : std::string_view{};
    // A line break would let a value forge further lines of the file.
    if (hasLineBreak(sec) || hasLineBreak(k) || (value && hasLineBreak(*value)))
        return false;
    const OptionalText trimmedKey = key ? OptionalText(k) : std::nullopt;
    if (ProfileWriteBatch* batch = ProfileWriteBatch::openFor(file)) {
        batch->add(std::string(sec), trimmedKey ? std::optional<std::string>(*trimmedKey) : std::nullopt,
                   value ? std::optional<std::string>(*value) : std::nullopt);
        return true;
    }
    return ProfileFile::update(file, [&](IniDocument& doc, bool exists) {
        return ApplyProfileWrite(doc, exists, sec, trimmedKey, value);
    });
}

ProfileFile::Edit ApplyProfileWrite(IniDocument& doc, bool exists, std::string_view section, OptionalText key,
                                    OptionalText value)
{
    if (!key)
        return doc.removeSection(section) ? ProfileFile::Edit::Changed : ProfileFile::Edit::Unchanged;
    if (!value)
        return doc.removeKey(section, *key) ? ProfileFile::Edit::Changed : ProfileFile::Edit::Unchanged;
    const bool changed = doc.setValue(section, *key, *value);
    return changed || !exists ? ProfileFile::Edit::Changed : ProfileFile::Edit::Unchanged;
}

bool DeletePrivateProfileEntries(std::string_view section, const std::vector<IniDocument::Entry>& entries,
                                 const std::string& file)
{
    const std::string_view sec = trimSpaces(section);
    std::vector<IniDocument::Entry> trimmed;
    trimmed.reserve(entries.size());
    for (const IniDocument::Entry& e : entries)
        trimmed.push_back({std::string(trimSpaces(e.key)), e.value});
    return ProfileFile::update(file, [&](IniDocument& doc, bool) {
        return doc.removeEntries(sec, trimmed) > 0 ? ProfileFile::Edit::Changed : ProfileFile::Edit::Unchanged;
    });
}

}  // namespace kelvppvw
