#include "components/printersetup/IniKeyFile.h"

#include "platform/automation/AutomationError.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <string_view>
#include <cctype>
#include <vector>

namespace kelvppvw {

namespace {

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\v");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\v") - first + 1);
}

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

struct Lines {
    std::vector<std::string> text;
    const char* eol = "\r\n";
};

Lines load(const std::string& file) {
    Lines lines;
    QFile f(QString::fromStdString(file));
    if (!f.open(QIODevice::ReadOnly))
        return lines;
    const std::string bytes = f.readAll().toStdString();
    if (bytes.find("\r\n") == std::string::npos && bytes.find('\n') != std::string::npos)
        lines.eol = "\n";
    const std::string_view all(bytes);
    size_t start = 0;
    while (start < all.size()) {
        const size_t end = all.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.text.emplace_back(all.substr(start));
            break;
        }
        lines.text.emplace_back(all.substr(start, end - start));
        start = end + ((bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::optional<std::string> headerName(const std::string& line) {
    const std::string t = trim(line);
    if (t.empty() || t[0] != '[')
        return std::nullopt;
    const auto close = t.find(']');
    return trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

// The key line's name and value, for lines that are keys.
std::optional<std::pair<std::string, std::string>> keyOf(const std::string& line) {
    const std::string t = trim(line);
    if (t.empty() || t[0] == ';' || t[0] == '[')
        return std::nullopt;
    const auto eq = t.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    return std::make_pair(trim(t.substr(0, eq)), trim(t.substr(eq + 1)));
}

} // namespace

std::optional<std::string> IniKeyFile::read(const std::string& file, const std::string& section,
                                            const std::string& key) {
    bool inSection = false;
    for (const std::string& line : load(file).text) {
        if (auto h = headerName(line)) {
            if (inSection)
                break;
            inSection = sameName(*h, section);
            continue;
        }
        if (!inSection)
            continue;
        if (auto kv = keyOf(line); kv && sameName(kv->first, key)) {
            std::string v = kv->second;
            if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                v = v.substr(1, v.size() - 2);
            return v;
        }
    }
    return std::nullopt;
}

void IniKeyFile::write(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value) {
    Lines lines = load(file);
    const std::string entry = key + "=" + value;
    std::optional<size_t> header;
    size_t insertAt = 0;
    bool done = false;
    for (size_t i = 0; i < lines.text.size() && !done; ++i) {
        if (auto h = headerName(lines.text[i])) {
            if (header)
                break;
            if (sameName(*h, section)) {
                header = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (!header)
            continue;
        if (auto kv = keyOf(lines.text[i])) {
            if (sameName(kv->first, key)) {
                lines.text[i] = kv->first + "=" + value;  // the spelling already in the file stays
                done = true;
            }
            insertAt = i + 1;
        }
    }
    if (!done) {
        if (header) {
            lines.text.insert(lines.text.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
        } else {
            lines.text.push_back("[" + section + "]");
            lines.text.push_back(entry);
        }
    }
    std::string bytes;
    for (const std::string& line : lines.text)
        bytes += line + lines.eol;
    QSaveFile out(QString::fromStdString(file));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes.data(), static_cast<qint64>(bytes.size())) < 0 ||
        !out.commit())
        throw AutomationError(75, "Path/File access error: " + file);
}

} // namespace kelvppvw
