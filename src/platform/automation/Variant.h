#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace kelvppvw {

class Dispatch;
using ObjectRef = std::shared_ptr<Dispatch>;

// A tagged value as automation passes it between the component and its hosts.
// Conversions follow the classic rules: numbers round halves to even when they
// become integers, out-of-range values raise 6, text that is no number raises 13,
// Null raises 94 where a value is needed.
class Variant {
public:
    enum class Type { Empty, Null, Boolean, Integer, Long, Single, Double, String, Object };

    Variant() = default;
    Variant(bool v) : value_(v) {}
    Variant(uint8_t v) : value_(static_cast<int16_t>(v)) {}
    Variant(int16_t v) : value_(v) {}
    Variant(int32_t v) : value_(v) {}
    Variant(float v) : value_(v) {}
    Variant(double v) : value_(v) {}
    Variant(std::string v) : value_(std::move(v)) {}
    Variant(const char* v) : value_(std::string(v)) {}
    Variant(ObjectRef v) : value_(std::move(v)) {}
    template <class T>
        requires std::is_base_of_v<Dispatch, T>
    Variant(std::shared_ptr<T> v) : value_(ObjectRef(std::move(v))) {}

    static Variant null();

    Type type() const;
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNull() const { return type() == Type::Null; }
    bool isObject() const { return type() == Type::Object; }
    bool isNumeric() const;
    // "Missing" optional argument: an Empty variant stands for it.
    bool isMissing() const { return isEmpty(); }

    bool toBool() const;
    uint8_t toByte() const;
    int16_t toInteger() const;
    int32_t toLong() const;
    float toSingle() const;
    double toDouble() const;
    std::string toString() const;
    // Nothing (an empty reference) for Empty and for an Object variant set to nothing.
    ObjectRef toObject() const;

    template <class T>
    std::shared_ptr<T> objectAs() const {
        return std::dynamic_pointer_cast<T>(toObject());
    }

    bool operator==(const Variant& other) const;

private:
    struct NullTag {
        bool operator==(const NullTag&) const { return true; }
    };
    using Storage = std::variant<std::monostate, NullTag, bool, int16_t, int32_t, float, double,
                                 std::string, ObjectRef>;
    explicit Variant(Storage s) : value_(std::move(s)) {}
    double numericValue() const;

    Storage value_;
};

// Rounding of the classic runtime: to the nearest integer, halves to even.
double roundHalfEven(double value);

// Text to number the way a late-bound conversion reads it: surrounding spaces
// ignored, optional sign, decimals, exponent, &H / &O prefixes. Raises 13.
double parseNumber(const std::string& text);

// Number to text the way the classic runtime prints it (no trailing zeros,
// up to 15 significant digits for Double and 7 for Single).
std::string formatNumber(double value, int significantDigits = 15);

} // namespace kelvppvw
