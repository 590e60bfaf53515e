#include "platform/profile/IniDocument.h"

#include <algorithm>
#include <unordered_set>

namespace kelvppvw {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

std::string lowered(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = lower(c);
    return out;
}

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view eolText(std::uint8_t eol)
{
    switch (eol) {
    case 1: return "\n";
    case 2: return "\r";
    case 3: return "\r\n";
    default: return "";
    }
}

std::string keyIndexName(std::size_t ordinal, std::string_view key)
{
    std::string out = std::to_string(ordinal);
    out.push_back('\0');
    for (char c : key)
        out.push_back(lower(c));
    return out;
}

}  // namespace

IniDocument IniDocument::parse(std::string_view bytes)
{
    IniDocument doc;
    bool newlineSeen = false;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        Line line;
        line.text.assign(bytes.substr(pos, end - pos));
        if (end == bytes.size()) {
            line.eol = Eol::None;
            pos = end;
        } else if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') {
            line.eol = Eol::CrLf;
            pos = end + 2;
        } else {
            line.eol = bytes[end] == '\r' ? Eol::Cr : Eol::Lf;
            pos = end + 1;
        }
        // New lines follow the convention the file already uses.
        if (!newlineSeen && line.eol != Eol::None) {
            doc.newline_ = line.eol;
            newlineSeen = true;
        }
        classify(line);
        doc.lines_.push_back(std::move(line));
    }
    doc.reindex();
    return doc;
}

void IniDocument::classify(Line& line)
{
    const std::string_view t = line.text;
    std::size_t i = 0;
    while (i < t.size() && isBlank(t[i]))
        ++i;
    line.nameBegin = line.nameEnd = line.valueBegin = line.valueEnd = 0;
    if (i == t.size()) {
        line.kind = LineKind::Blank;
    } else if (t[i] == ';') {
        line.kind = LineKind::Comment;
    } else if (t[i] == '[') {
        line.kind = LineKind::Header;
        std::size_t b = i + 1;
        std::size_t e = t.find(']', b);
        if (e == std::string_view::npos)
            e = t.size();
        while (b < e && isBlank(t[b]))
            ++b;
        while (e > b && isBlank(t[e - 1]))
            --e;
        line.nameBegin = static_cast<std::uint32_t>(b);
        line.nameEnd = static_cast<std::uint32_t>(e);
    } else if (std::size_t eq = t.find('=', i); eq != std::string_view::npos) {
        line.kind = LineKind::Key;
        std::size_t e = eq;
        while (e > i && isBlank(t[e - 1]))
            --e;
        line.nameBegin = static_cast<std::uint32_t>(i);
        line.nameEnd = static_cast<std::uint32_t>(e);
        std::size_t vb = eq + 1;
        std::size_t ve = t.size();
        while (vb < ve && isBlank(t[vb]))
            ++vb;
        while (ve > vb && isBlank(t[ve - 1]))
            --ve;
        line.valueBegin = static_cast<std::uint32_t>(vb);
        line.valueEnd = static_cast<std::uint32_t>(ve);
    } else {
        line.kind = LineKind::Other;
    }
}

std::string_view IniDocument::name(const Line& line)
{
    return std::string_view(line.text).substr(line.nameBegin, line.nameEnd - line.nameBegin);
}

std::string_view IniDocument::rawValue(const Line& line)
{
    return std::string_view(line.text).substr(line.valueBegin, line.valueEnd - line.valueBegin);
}

void IniDocument::reindex()
{
    sections_.clear();
    sectionIndex_.clear();
    keyIndex_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != LineKind::Header)
            continue;
        if (!sections_.empty())
            sections_.back().end = i;
        sections_.push_back({i, lines_.size()});
    }
    for (std::size_t ordinal = 0; ordinal < sections_.size(); ++ordinal) {
        const Section& s = sections_[ordinal];
        // Only the first section of a name is ever searched.
        if (!sectionIndex_.emplace(lowered(name(lines_[s.header])), ordinal).second)
            continue;
        for (std::size_t i = s.header + 1; i < s.end; ++i)
            if (lines_[i].kind == LineKind::Key)
                keyIndex_.emplace(keyIndexName(ordinal, name(lines_[i])), i);
    }
}

const IniDocument::Section* IniDocument::findSection(std::string_view section) const
{
    auto it = sectionIndex_.find(lowered(section));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

std::optional<std::size_t> IniDocument::findKey(const Section& s, std::string_view key) const
{
    auto it = keyIndex_.find(keyIndexName(static_cast<std::size_t>(&s - sections_.data()), key));
    if (it == keyIndex_.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::string_view> IniDocument::value(std::string_view section, std::string_view key) const
{
    const Section* s = findSection(section);
    if (!s)
        return std::nullopt;
    auto i = findKey(*s, key);
    if (!i)
        return std::nullopt;
    std::string_view v = rawValue(lines_[*i]);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

bool IniDocument::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

std::vector<std::string_view> IniDocument::keyNames(std::string_view section) const
{
    std::vector<std::string_view> out;
    if (const Section* s = findSection(section))
        for (std::size_t i = s->header + 1; i < s->end; ++i)
            if (lines_[i].kind == LineKind::Key)
                out.push_back(name(lines_[i]));
    return out;
}

std::vector<std::string_view> IniDocument::sectionNames() const
{
    std::vector<std::string_view> out;
    out.reserve(sections_.size());
    for (const Section& s : sections_)
        out.push_back(name(lines_[s.header]));
    return out;
}

std::vector<std::string_view> IniDocument::sectionLines(std::string_view section) const
{
    std::vector<std::string_view> out;
    if (const Section* s = findSection(section))
        for (std::size_t i = s->header + 1; i < s->end; ++i)
            if (lines_[i].kind == LineKind::Key || lines_[i].kind == LineKind::Other)
                out.push_back(trimBlanks(lines_[i].text));
    return out;
}

IniDocument::Line IniDocument::makeLine(std::string text) const
{
    Line line;
    line.text = std::move(text);
    line.eol = newline_;
    classify(line);
    return line;
}

void IniDocument::endLastLine()
{
    if (!lines_.empty() && lines_.back().eol == Eol::None)
        lines_.back().eol = newline_;
}

bool IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    std::string keyLine;
    keyLine.reserve(key.size() + 1 + value.size());
    const Section* s = findSection(section);
    if (!s) {
        endLastLine();
        std::string header = "[";
        header.append(section).append("]");
        lines_.push_back(makeLine(std::move(header)));
        keyLine.append(key).append("=").append(value);
        lines_.push_back(makeLine(std::move(keyLine)));
        reindex();
        return true;
    }
    if (auto i = findKey(*s, key)) {
        Line& line = lines_[*i];
        // Keep the key exactly as the file spells it, indentation included.
        keyLine.assign(line.text, 0, line.nameEnd);
        keyLine.append("=").append(value);
        if (keyLine == line.text)
            return false;
        line.text = std::move(keyLine);
        classify(line);
        return true;
    }
    std::size_t after = s->header;
    for (std::size_t i = s->header + 1; i < s->end; ++i)
        if (lines_[i].kind == LineKind::Key)
            after = i;
    if (lines_[after].eol == Eol::None)
        lines_[after].eol = newline_;
    keyLine.append(key).append("=").append(value);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1), makeLine(std::move(keyLine)));
    reindex();
    return true;
}

bool IniDocument::removeKey(std::string_view section, std::string_view key)
{
    const Section* s = findSection(section);
    if (!s)
        return false;
    auto i = findKey(*s, key);
    if (!i)
        return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*i));
    reindex();
    return true;
}

std::size_t IniDocument::removeEntries(std::string_view section, const std::vector<Entry>& entries)
{
    const Section* s = findSection(section);
    if (!s || entries.empty())
        return 0;
    // Lower-cased key to the values still to be removed under it.
    std::unordered_map<std::string, std::vector<std::string_view>> wanted;
    for (const Entry& e : entries)
        wanted[lowered(e.key)].push_back(e.value);
    std::vector<bool> drop(lines_.size(), false);
    std::size_t removed = 0;
    for (std::size_t i = s->header + 1; i < s->end && removed < entries.size(); ++i) {
        if (lines_[i].kind != LineKind::Key)
            continue;
        auto it = wanted.find(lowered(name(lines_[i])));
        if (it == wanted.end())
            continue;
        auto& values = it->second;
        auto v = std::find(values.begin(), values.end(), rawValue(lines_[i]));
        if (v == values.end())
            continue;
        values.erase(v);
        drop[i] = true;
        ++removed;
    }
    if (removed == 0)
        return 0;
    dropLines(drop);
    return removed;
}

bool IniDocument::removeSection(std::string_view section)
{
    std::vector<bool> drop(lines_.size(), false);
    bool any = false;
    for (const Section& s : sections_) {
        if (!sameName(name(lines_[s.header]), section))
            continue;
        any = true;
        for (std::size_t i = s.header; i < s.end; ++i)
            drop[i] = lines_[i].kind != LineKind::Comment && lines_[i].kind != LineKind::Blank;
    }
    if (!any)
        return false;
    dropLines(drop);
    return true;
}

void IniDocument::dropLines(const std::vector<bool>& drop)
{
    std::size_t w = 0;
    for (std::size_t r = 0; r < lines_.size(); ++r) {
        if (drop[r])
            continue;
        if (w != r)
            lines_[w] = std::move(lines_[r]);
        ++w;
    }
    lines_.resize(w);
    reindex();
}

std::string IniDocument::serialize() const
{
    std::size_t total = 0;
    for (const Line& l : lines_)
        total += l.text.size() + 2;
    std::string out;
    out.reserve(total);
    for (const Line& l : lines_)
        out.append(l.text).append(eolText(static_cast<std::uint8_t>(l.eol)));
    return out;
}

}  // namespace kelvppvw
