// Reads a fuzzer's bytes as the values a target needs: small choices, a moment, text fields.
#pragma once

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace orlun::fuzz {

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    // One byte (0 when none is left).
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    // A choice among n (n > 0).
    int Choice(int n) { return Byte() % n; }
    bool Flag() { return Byte() & 1; }
    // Eight bytes as a double, any bit pattern (NaN and infinities included), the first byte
    // lowest. Gathered in an integer: GCC 12 warns falsely (-Wstringop-overflow) on the loop that
    // filled a byte array here once it had inlined it.
    double AnyDouble()
    {
        uint64_t bits = 0;
        for (unsigned i = 0; i < sizeof bits; ++i) bits |= uint64_t{Byte()} << (8 * i);
        return std::bit_cast<double>(bits);
    }
    // A finite double in [low, high], from four bytes.
    double Within(double low, double high)
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = (v << 8) | Byte();
        return low + (high - low) * (v / 4294967295.0);
    }
    // The bytes that are left, as text.
    std::string Rest()
    {
        std::string s(reinterpret_cast<const char*>(data_ + at_), size_ - at_);
        at_ = size_;
        return s;
    }
    // The rest cut at each separator.
    std::vector<std::string> Fields(char separator)
    {
        std::vector<std::string> fields(1);
        for (const char c : Rest()) {
            if (c == separator) fields.emplace_back();
            else fields.back() += c;
        }
        return fields;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// A failed property: the fuzzer reports it as a crash, with the input that led to it.
[[noreturn]] inline void Broken(const char* what)
{
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

} // namespace orlun::fuzz
