#pragma once
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kelvppvw::gdi {

// Byte builder for metafile records (the format is little-endian).
class LittleEndianBuffer {
public:
    explicit LittleEndianBuffer(std::size_t reserve = 64) { data_.reserve(reserve); }

    void u8(std::uint8_t v) { data_.push_back(v); }
    void u16(std::uint16_t v) { u8(std::uint8_t(v)); u8(std::uint8_t(v >> 8)); }
    void u32(std::uint32_t v) { u16(std::uint16_t(v)); u16(std::uint16_t(v >> 16)); }
    void i16(std::int16_t v) { u16(std::uint16_t(v)); }
    void i32(std::int32_t v) { u32(std::uint32_t(v)); }
    void f32(float v) { u32(std::bit_cast<std::uint32_t>(v)); }
    void bytes(const std::vector<std::uint8_t>& b) { data_.insert(data_.end(), b.begin(), b.end()); }
    void utf16(const std::u16string& s) { for (char16_t c : s) u16(std::uint16_t(c)); }
    void pad4() { while (data_.size() % 4) u8(0); }
    void patch32(std::size_t at, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i) data_[at + i] = std::uint8_t(v >> (8 * i));
    }

    std::size_t size() const { return data_.size(); }
    const std::vector<std::uint8_t>& data() const { return data_; }
    std::vector<std::uint8_t> take() { return std::move(data_); }

private:
    std::vector<std::uint8_t> data_;
};

} // namespace kelvppvw::gdi
