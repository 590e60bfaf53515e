#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kelvppvw {

// The one error type that crosses procedure boundaries: a number with its
// description, as an automation client sees it.
class AutomationError : public std::runtime_error {
public:
    AutomationError(int32_t number, std::string description);
    explicit AutomationError(int32_t number);

    int32_t number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }

    // The standard text of an error number, empty when the number has none.
    static std::string standardDescription(int32_t number);

private:
    int32_t number_;
    std::string description_;
};

namespace err {
inline constexpr int32_t InvalidProcedureCall = 5;
inline constexpr int32_t Overflow = 6;
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t DivisionByZero = 11;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t ObjectNotSet = 91;
inline constexpr int32_t InvalidUseOfNull = 94;
inline constexpr int32_t CannotCreateObject = 429;
inline constexpr int32_t ArgumentNotOptional = 449;
inline constexpr int32_t MemberNotSupported = 438;
inline constexpr int32_t KeyAlreadyAssociated = 457;
inline constexpr int32_t RemoteServerUnavailable = 462;
inline constexpr int32_t CannotCreateAutoRedrawImage = 480;
} // namespace err

} // namespace kelvppvw
