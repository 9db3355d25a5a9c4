#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace lettrava {

// Builds fixed-layout little-endian records: 32-bit integers, single-byte
// flags and zero-terminated text in fixed-size fields.
class ByteWriter {
public:
    void int32(std::int32_t v)
    {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i)
            bytes_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    }
    void byte(std::uint8_t v) { bytes_.push_back(static_cast<char>(v)); }
    void flag(bool v) { byte(v ? 1 : 0); }
    // The text cut to size - 1 bytes, then zeros up to the field's size.
    void text(std::string_view t, std::size_t size)
    {
        const std::size_t n = std::min(t.size(), size - 1);
        bytes_.append(t.data(), n);
        bytes_.append(size - n, '\0');
    }
    void zeros(std::size_t n) { bytes_.append(n, '\0'); }
    void raw(std::string_view b) { bytes_.append(b); }

    const std::string& bytes() const { return bytes_; }
    std::string take() { return std::move(bytes_); }
    std::size_t size() const { return bytes_.size(); }

private:
    std::string bytes_;
};

// Reads fixed-layout records from a buffer that may be short or hold garbage.
// Every read is bounded by the buffer; reading past its end yields zeros and
// marks the reader as short, which callers test once at the end.
class ByteReader {
public:
    ByteReader(const void* data, std::size_t size) : data_(static_cast<const unsigned char*>(data)), size_(size) {}
    explicit ByteReader(std::string_view bytes) : ByteReader(bytes.data(), bytes.size()) {}

    std::int32_t int32()
    {
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i)
            u |= static_cast<std::uint32_t>(next()) << (8 * i);
        return static_cast<std::int32_t>(u);
    }
    std::uint8_t byte() { return next(); }
    bool flag() { return next() != 0; }
    // A text field of `size` bytes: the characters before its first zero,
    // and at most maxLength of them.
    std::string text(std::size_t size, std::size_t maxLength)
    {
        std::string out;
        bool ended = false;
        for (std::size_t i = 0; i < size; ++i) {
            const unsigned char c = next();
            if (c == 0)
                ended = true;
            if (!ended && out.size() < maxLength)
                out.push_back(static_cast<char>(c));
        }
        return out;
    }
    void skip(std::size_t n)
    {
        for (std::size_t i = 0; i < n; ++i)
            next();
    }

    bool shortRead() const { return short_; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return pos_ < size_ ? size_ - pos_ : 0; }

private:
    unsigned char next()
    {
        if (pos_ >= size_) {
            short_ = true;
            ++pos_;
            return 0;
        }
        return data_[pos_++];
    }
    const unsigned char* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool short_ = false;
};

} // namespace lettrava
