#include "recording/LocalDateTime.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <ctime>

namespace kelvppvw {

namespace {

// Days from 1970-01-01 in the proleptic Gregorian calendar (H. Hinnant's algorithm).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int& year, int& month, int& day)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
    month = static_cast<int>(m);
    day = static_cast<int>(d);
}

const std::int64_t kSerialEpoch = daysFromCivil(1899, 12, 30);

std::int64_t hourIndex(const LocalDateTime& t)
{
    return (daysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) - kSerialEpoch) * 24
        + t.hour;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

LocalDateTime LocalDateTime::now()
{
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

double DateSerial(const LocalDateTime& t)
{
    const std::int64_t days =
        daysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) - kSerialEpoch;
    return static_cast<double>(days) + (t.hour * 3600 + t.minute * 60 + t.second) / 86400.0;
}

std::optional<LocalDateTime> FromDateSerial(double serial)
{
    // Years 100 to 9999, the range a date serial can name.
    if (!std::isfinite(serial) || serial < -657434.0 || serial >= 2958466.0)
        return std::nullopt;
    const auto seconds = static_cast<std::int64_t>(std::llround(serial * 86400.0));
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    LocalDateTime t;
    civilFromDays(days + kSerialEpoch, t.year, t.month, t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

std::optional<double> ParseDateSerial(std::string_view text)
{
    const std::string_view localePoint = std::localeconv()->decimal_point;
    std::string normal;
    normal.reserve(text.size());
    bool separatorSeen = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (isDigit(c)) {
            normal.push_back(c);
            ++i;
            continue;
        }
        std::size_t sepLength = 0;
        if (c == '.' || c == ',')
            sepLength = 1;
        else if (!localePoint.empty() && text.substr(i, localePoint.size()) == localePoint)
            sepLength = localePoint.size();
        if (sepLength == 0 || separatorSeen || normal.empty())
            return std::nullopt;
        separatorSeen = true;
        normal.push_back('.');
        i += sepLength;
    }
    if (normal.empty() || normal.back() == '.')
        return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec != std::errc{} || end != normal.data() + normal.size())
        return std::nullopt;
    return value;
}

std::int64_t HourBoundariesBetween(const LocalDateTime& from, const LocalDateTime& to)
{
    return hourIndex(to) - hourIndex(from);
}

}  // namespace kelvppvw
