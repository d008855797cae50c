// Little-endian, bounds-checked reading and writing of the fields of binary files. Reading past
// the end sets a failure flag and yields zeros, so a short file is detected, never overrun.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "model/fixed_text.h"

namespace kv {

class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void u8(std::uint8_t v) { out_.push_back(v); }
    void i16(std::int16_t v) { uint(static_cast<std::uint16_t>(v), 2); }
    void i32(std::int32_t v) { uint(static_cast<std::uint32_t>(v), 4); }
    void f64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        uint(bits, 8);
    }
    template <std::size_t N>
    void text(const FixedText<N>& t) {
        for (char c : t.chars) out_.push_back(static_cast<std::uint8_t>(c));
    }

private:
    void uint(std::uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t>& out_;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> in) : in_(in) {}

    bool failed() const { return failed_; }
    std::size_t position() const { return pos_; }

    std::uint8_t u8() { return static_cast<std::uint8_t>(uint(1)); }
    std::int16_t i16() { return static_cast<std::int16_t>(static_cast<std::uint16_t>(uint(2))); }
    std::int32_t i32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(uint(4))); }
    double f64() {
        const std::uint64_t bits = uint(8);
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    template <std::size_t N>
    void text(FixedText<N>& t) {
        for (char& c : t.chars) c = static_cast<char>(uint(1));
    }

private:
    std::uint64_t uint(int bytes) {
        if (failed_ || in_.size() - pos_ < static_cast<std::size_t>(bytes)) {
            failed_ = true;
            return 0;
        }
        std::uint64_t v = 0;
        for (int i = 0; i < bytes; ++i) v |= std::uint64_t{in_[pos_ + i]} << (8 * i);
        pos_ += bytes;
        return v;
    }
    std::span<const std::uint8_t> in_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

}  // namespace kv
