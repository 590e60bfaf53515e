#pragma once
// One record of a metafile being played. Every read is bounds-checked: a
// field beyond the record reads as 0, so a handler checks the sizes it relies
// on once and never reads outside the file.
#include <bit>
#include <cstdint>
#include <span>

namespace kelvppvw::gdi {

class EmfRecord {
public:
    EmfRecord(std::uint32_t type, std::span<const std::uint8_t> bytes) : type_(type), bytes_(bytes) {}

    std::uint32_t type() const { return type_; }
    std::size_t size() const { return bytes_.size(); }
    std::span<const std::uint8_t> bytes() const { return bytes_; }
    bool has(std::uint64_t offset, std::uint64_t length) const
    {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }

    std::uint8_t u8(std::size_t at) const { return at < bytes_.size() ? bytes_[at] : 0; }
    std::uint16_t u16(std::size_t at) const { return std::uint16_t(u8(at) | u8(at + 1) << 8); }
    std::int16_t i16(std::size_t at) const { return std::int16_t(u16(at)); }
    std::uint32_t u32(std::size_t at) const { return std::uint32_t(u16(at)) | std::uint32_t(u16(at + 2)) << 16; }
    std::int32_t i32(std::size_t at) const { return std::int32_t(u32(at)); }
    float f32(std::size_t at) const { return std::bit_cast<float>(u32(at)); }

    // The bytes [offset, offset + length) of the record, empty when they lie outside it.
    std::span<const std::uint8_t> slice(std::uint64_t offset, std::uint64_t length) const
    {
        return has(offset, length) ? bytes_.subspan(std::size_t(offset), std::size_t(length))
                                   : std::span<const std::uint8_t>();
    }

private:
    std::uint32_t type_;
    std::span<const std::uint8_t> bytes_;
};

} // namespace kelvppvw::gdi
