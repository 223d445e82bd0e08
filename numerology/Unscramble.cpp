#include "numerology/Unscramble.h"

#include <cstdint>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

struct KeyBytes {
    std::uint8_t high, low;
};

KeyBytes Split(int key) {
    const auto k = static_cast<std::uint16_t>(key);
    return {static_cast<std::uint8_t>(k >> 8), static_cast<std::uint8_t>(k & 0xFF)};
}

}  // namespace

std::string HexToText(std::string_view hex, int* badPairs) {
    std::string out;
    out.reserve(hex.size() / 2);
    int bad = 0;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        const int hi = HexDigit(hex[i]), lo = HexDigit(hex[i + 1]);
        if (hi < 0 || lo < 0) {
            ++bad;
            continue;
        }
        out.push_back(static_cast<char>(hi * 16 + lo));
    }
    if (badPairs) *badPairs = bad;
    return out;
}

std::string UnscrambleText(std::string_view hex, int key, int rounds, int* badPairs) {
    std::string s = HexToText(hex, badPairs);
    const size_t n = s.size();
    if (n < 2) return s;
    const auto [h, l] = Split(key);
    auto* p = reinterpret_cast<std::uint8_t*>(s.data());
    for (int r = 0; r < rounds; ++r) {
        // Each pass reads the neighbour it has just rewritten.
        for (size_t i = 1; i < n; ++i) p[i] = static_cast<std::uint8_t>((p[i - 1] + p[i]) ^ h);
        for (size_t i = n - 1; i-- > 0;) p[i] = static_cast<std::uint8_t>((p[i + 1] + p[i]) ^ l);
    }
    return s;
}

std::string ScrambleText(std::string_view bytes, int key, int rounds) {
    std::string s(bytes);
    const size_t n = s.size();
    auto* p = reinterpret_cast<std::uint8_t*>(s.data());
    if (n >= 2) {
        const auto [h, l] = Split(key);
        for (int r = 0; r < rounds; ++r) {
            // Undo the backward pass first, walking the other way, then the forward pass.
            for (size_t i = 0; i + 1 < n; ++i) p[i] = static_cast<std::uint8_t>((p[i] ^ l) - p[i + 1]);
            for (size_t i = n - 1; i > 0; --i) p[i] = static_cast<std::uint8_t>((p[i] ^ h) - p[i - 1]);
        }
    }
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(2 * n);
    for (size_t i = 0; i < n; ++i) {
        hex.push_back(kDigits[p[i] >> 4]);
        hex.push_back(kDigits[p[i] & 0xF]);
    }
    return hex;
}
