#include "platform/automation/Variant.h"

#include "platform/automation/AutomationError.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace kelvppvw {

namespace {

bool equalsIgnoreCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

template <class Int>
Int toBoundedInteger(double value) {
    const double rounded = roundHalfEven(value);
    if (std::isnan(rounded) || rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        throw AutomationError(err::Overflow);
    return static_cast<Int>(rounded);
}

} // namespace

double roundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

double parseNumber(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    if (begin == end)
        throw AutomationError(err::TypeMismatch);
    const std::string s = text.substr(begin, end - begin);
    if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
        errno = 0;
        char* stop = nullptr;
        const unsigned long long v = std::strtoull(s.c_str() + 2, &stop, base);
        if (errno != 0 || *stop != '\0' || v > 0xFFFFFFFFull)
            throw AutomationError(err::TypeMismatch);
        // &H literals are 32-bit two's complement values.
        return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(v)));
    }
    // Only decimal notation: strtod alone would also take "inf", "nan" and hex floats.
    bool digits = false;
    for (char c : s) {
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits = true;
        else if (c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E')
            throw AutomationError(err::TypeMismatch);
    }
    if (!digits)
        throw AutomationError(err::TypeMismatch);
    char* stop = nullptr;
    const double v = std::strtod(s.c_str(), &stop);
    if (*stop != '\0')
        throw AutomationError(err::TypeMismatch);
    if (!std::isfinite(v))
        throw AutomationError(err::Overflow);
    return v;
}

std::string formatNumber(double value, int significantDigits) {
    if (value == 0.0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", significantDigits, value);
    std::string s(buffer);
    // %G keeps an exponent form like 1E+20; the runtime writes 1E+20 too.
    if (s.size() > 2 && s[0] == '0' && s[1] == '.')
        s.erase(0, 1);
    else if (s.size() > 3 && s[0] == '-' && s[1] == '0' && s[2] == '.')
        s.erase(1, 1);
    return s;
}

Variant Variant::null() { return Variant(Storage(NullTag{})); }

Variant::Type Variant::type() const { return static_cast<Type>(value_.index()); }

bool Variant::isNumeric() const {
    switch (type()) {
    case Type::Empty:
    case Type::Boolean:
    case Type::Integer:
    case Type::Long:
    case Type::Single:
    case Type::Double:
        return true;
    case Type::String:
        try {
            parseNumber(std::get<std::string>(value_));
            return true;
        } catch (const AutomationError&) {
            return false;
        }
    default:
        return false;
    }
}

double Variant::numericValue() const {
    switch (type()) {
    case Type::Empty: return 0.0;
    case Type::Null: throw AutomationError(err::InvalidUseOfNull);
    case Type::Boolean: return std::get<bool>(value_) ? -1.0 : 0.0;
    case Type::Integer: return std::get<int16_t>(value_);
    case Type::Long: return std::get<int32_t>(value_);
    case Type::Single: return std::get<float>(value_);
    case Type::Double: return std::get<double>(value_);
    case Type::String: {
        const auto& s = std::get<std::string>(value_);
        if (equalsIgnoreCase(s, "True"))
            return -1.0;
        if (equalsIgnoreCase(s, "False"))
            return 0.0;
        return parseNumber(s);
    }
    case Type::Object: throw AutomationError(err::TypeMismatch);
    }
    throw AutomationError(err::TypeMismatch);
}

bool Variant::toBool() const { return numericValue() != 0.0; }
uint8_t Variant::toByte() const { return toBoundedInteger<uint8_t>(numericValue()); }
int16_t Variant::toInteger() const { return toBoundedInteger<int16_t>(numericValue()); }
int32_t Variant::toLong() const { return toBoundedInteger<int32_t>(numericValue()); }

float Variant::toSingle() const {
    const double v = numericValue();
    if (std::fabs(v) > std::numeric_limits<float>::max())
        throw AutomationError(err::Overflow);
    return static_cast<float>(v);
}

double Variant::toDouble() const { return numericValue(); }

std::string Variant::toString() const {
    switch (type()) {
    case Type::Empty: return {};
    case Type::Null: throw AutomationError(err::InvalidUseOfNull);
    case Type::Boolean: return std::get<bool>(value_) ? "True" : "False";
    case Type::Integer: return std::to_string(std::get<int16_t>(value_));
    case Type::Long: return std::to_string(std::get<int32_t>(value_));
    case Type::Single: return formatNumber(std::get<float>(value_), 7);
    case Type::Double: return formatNumber(std::get<double>(value_), 15);
    case Type::String: return std::get<std::string>(value_);
    case Type::Object: throw AutomationError(err::TypeMismatch);
    }
    return {};
}

ObjectRef Variant::toObject() const {
    if (type() == Type::Empty)
        return nullptr;
    if (type() != Type::Object)
        throw AutomationError(424, "Object required");
    return std::get<ObjectRef>(value_);
}

bool Variant::operator==(const Variant& other) const { return value_ == other.value_; }

} // namespace kelvppvw
