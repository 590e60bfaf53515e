#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kelvppvw {

// An INI file held as its own lines, so that edits keep every comment, blank
// line, unknown line and spelling the file already had. Parsing works on raw
// bytes and accepts anything: a line that is neither a header nor a key is
// kept and otherwise ignored. Names compare case-insensitively (ASCII).
// Callers pass section and key names already trimmed the way they want.
class IniDocument {
public:
    enum class LineKind : std::uint8_t { Blank, Comment, Header, Key, Other };

    static IniDocument parse(std::string_view bytes);

    // The value of the first such key in the first such section, trimmed and
    // with one pair of matching surrounding quotes removed.
    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    // Key names of the section (as spelled in the file), in file order.
    std::vector<std::string_view> keyNames(std::string_view section) const;
    std::vector<std::string_view> sectionNames() const;
    // The non-comment, non-blank lines of the section, trimmed at both ends.
    std::vector<std::string_view> sectionLines(std::string_view section) const;

    // Each edit returns whether the text changed.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);
    bool removeKey(std::string_view section, std::string_view key);
    // Removes, for each entry, the first line of that key whose value (trimmed,
    // quotes kept) is exactly the entry's, in one pass; returns how many went.
    // A key listed twice with different values loses only the line asked for.
    struct Entry {
        std::string key;
        std::string value;
    };
    std::size_t removeEntries(std::string_view section, const std::vector<Entry>& entries);
    // Removes every section of that name: headers, keys and unknown lines;
    // comments and blank lines stay where they were.
    bool removeSection(std::string_view section);

    std::string serialize() const;
    std::size_t lineCount() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }

private:
    enum class Eol : std::uint8_t { None, Lf, Cr, CrLf };
    struct Line {
        std::string text;
        Eol eol = Eol::None;
        LineKind kind = LineKind::Blank;
        // Name of a header or key, value of a key: offsets into text.
        std::uint32_t nameBegin = 0, nameEnd = 0, valueBegin = 0, valueEnd = 0;
    };
    struct Section {
        std::size_t header;  // line index of the header
        std::size_t end;     // one past its last line
    };

    static void classify(Line& line);
    static std::string_view name(const Line& line);
    static std::string_view rawValue(const Line& line);
    void reindex();
    const Section* findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const Section& s, std::string_view key) const;
    Line makeLine(std::string text) const;
    void endLastLine();
    void dropLines(const std::vector<bool>& drop);

    std::vector<Line> lines_;
    std::vector<Section> sections_;
    // Lower-cased names to the first section of that name, and, per such
    // section, "<section ordinal>\0<lower-cased key>" to the key's first line.
    std::unordered_map<std::string, std::size_t> sectionIndex_;
    std::unordered_map<std::string, std::size_t> keyIndex_;
    Eol newline_ = Eol::CrLf;  // what inserted lines end with
};

}  // namespace kelvppvw
