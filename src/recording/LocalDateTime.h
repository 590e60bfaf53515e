#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvppvw {

// A local wall-clock moment to the second, as the stamps record it.
struct LocalDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    static LocalDateTime now();
    bool operator==(const LocalDateTime&) const = default;
};

// Days since 30 December 1899 with the time of day as the fraction.
double DateSerial(const LocalDateTime& t);

// Inverse of DateSerial, to the nearest second; nullopt outside years 100 to 9999.
std::optional<LocalDateTime> FromDateSerial(double serial);

// Reads a date serial number written in this or another locale's number
// format: digits with at most one decimal separator ('.', ',' or the current
// locale's). nullopt for anything else.
std::optional<double> ParseDateSerial(std::string_view text);

// Hour boundaries crossed from one moment to another, counted on the calendar
// (10:59 to 22:00 is 12); negative when "to" is earlier.
std::int64_t HourBoundariesBetween(const LocalDateTime& from, const LocalDateTime& to);

}  // namespace kelvppvw
