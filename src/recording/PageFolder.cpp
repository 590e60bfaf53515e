#include "recording/PageFolder.h"

#include <clocale>

namespace kelvppvw {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A locale's decimal separator counts only if it cannot spell anything a
// file system or a pattern would read specially: '.' or ',' or non-ASCII.
std::size_t separatorAt(std::string_view text, std::size_t i)
{
    if (text[i] == '.' || text[i] == ',')
        return 1;
    const std::string_view point = std::localeconv()->decimal_point;
    if (point.empty() || text.substr(i, point.size()) != point)
        return 0;
    for (unsigned char c : point)
        if (c < 0x80)
            return 0;
    return point.size();
}

}  // namespace

PageFolder PageFolder::beside(std::string_view componentFolder)
{
    std::string path(componentFolder);
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    path += "/Preview";
    return {path};
}

std::string PageFolder::cleanupList() const { return path + "/Cleanup.ini"; }

std::string PageFolder::pageFile(std::string_view stamp, std::int32_t page) const
{
    return path + "/" + PageFileName(stamp, page);
}

std::string PageFileName(std::string_view stamp, std::int32_t page)
{
    std::string name = "Page_";
    name.append(stamp).append("_").append(std::to_string(page)).append(".emf");
    return name;
}

bool IsPageStamp(std::string_view text)
{
    if (text.size() < 5)
        return false;
    const std::string_view number = text.substr(text.size() - 3);
    for (char c : number)
        if (!isDigit(c))
            return false;
    if (text[text.size() - 4] != '_')
        return false;
    const std::string_view serial = text.substr(0, text.size() - 4);
    bool separatorSeen = false;
    std::size_t i = 0;
    while (i < serial.size()) {
        if (isDigit(serial[i])) {
            ++i;
            continue;
        }
        const std::size_t length = separatorAt(serial, i);
        if (length == 0 || separatorSeen || i == 0 || i + length >= serial.size())
            return false;
        separatorSeen = true;
        i += length;
    }
    return !serial.empty();
}

std::string_view StampOfPageFile(std::string_view name)
{
    constexpr std::string_view prefix = "Page_";
    constexpr std::string_view suffix = ".emf";
    if (name.size() <= prefix.size() + suffix.size() || name.substr(0, prefix.size()) != prefix
        || name.substr(name.size() - suffix.size()) != suffix)
        return {};
    std::string_view middle = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const std::size_t underscore = middle.rfind('_');
    if (underscore == std::string_view::npos || underscore == 0)
        return {};
    // Whatever page number a host gave, PageFileName wrote it this way.
    std::string_view number = middle.substr(underscore + 1);
    if (!number.empty() && number.front() == '-')
        number.remove_prefix(1);
    if (number.empty())
        return {};
    for (char c : number)
        if (!isDigit(c))
            return {};
    return middle.substr(0, underscore);
}

}  // namespace kelvppvw
