#pragma once
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

namespace kelvppvw::gdi {

// Byte builder for metafile records (the format is little-endian). Values and
// strings go in with one copy each, not byte by byte: a text record is mostly
// its string and advances.
class LittleEndianBuffer {
public:
    explicit LittleEndianBuffer(std::size_t reserve = 64) { data_.reserve(reserve); }

    void u8(std::uint8_t v) { data_.push_back(v); }
    void u16(std::uint16_t v) { scalar(v); }
    void u32(std::uint32_t v) { scalar(v); }
    void i16(std::int16_t v) { scalar(std::uint16_t(v)); }
    void i32(std::int32_t v) { scalar(std::uint32_t(v)); }
    void f32(float v) { scalar(std::bit_cast<std::uint32_t>(v)); }
    void bytes(const std::vector<std::uint8_t>& b) { data_.insert(data_.end(), b.begin(), b.end()); }
    void utf16(const std::u16string& s) { units(s.data(), s.size()); }
    // 32-bit values in a row, as the advance arrays of text records.
    void i32s(const std::int32_t* v, std::size_t n) { units(v, n); }
    // n zero bytes.
    void zeros(std::size_t n) { data_.resize(data_.size() + n, 0); }
    void pad4() { zeros((4 - data_.size() % 4) % 4); }
    void patch32(std::size_t at, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i) data_[at + i] = std::uint8_t(v >> (8 * i));
    }
    // Overwrites bytes from `at` (which must lie inside the buffer).
    void patch(std::size_t at, const std::vector<std::uint8_t>& b) { std::memcpy(data_.data() + at, b.data(), b.size()); }

    std::size_t size() const { return data_.size(); }
    const std::vector<std::uint8_t>& data() const { return data_; }
    std::vector<std::uint8_t> take() { return std::move(data_); }
    void clear() { data_.clear(); }

private:
    template <class T> void scalar(T v) { units(&v, 1); }

    template <class T> void units(const T* v, std::size_t n)
    {
        const std::size_t at = data_.size();
        data_.resize(at + n * sizeof(T));
        std::uint8_t* out = data_.data() + at;
        if constexpr (std::endian::native == std::endian::little) {
            if (n)
                std::memcpy(out, v, n * sizeof(T));
        } else {
            for (std::size_t i = 0; i < n; ++i) {
                const auto u = static_cast<std::make_unsigned_t<T>>(v[i]);
                for (std::size_t b = 0; b < sizeof(T); ++b)
                    *out++ = std::uint8_t(u >> (8 * b));
            }
        }
    }

    std::vector<std::uint8_t> data_;
};

} // namespace kelvppvw::gdi
