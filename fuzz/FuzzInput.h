// Reads a fuzzer's bytes as the values a target needs: small choices, a moment, text fields.
#pragma once

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
    // Eight bytes as a double, any bit pattern (NaN and infinities included).
    double AnyDouble()
    {
        uint8_t bytes[sizeof(double)] = {};
        for (uint8_t& b : bytes) b = Byte();
        double d;
        std::memcpy(&d, bytes, sizeof d);
        return d;
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
