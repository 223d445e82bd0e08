#include "text/Convert.h"

#include <charconv>
#include <limits>

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error("\u201c" + std::string(text) +
                         "\u201d\u4e0d\u662f\u6709\u6548\u7684\u6574\u6570\u503c"),
      text_(text) {}

std::string_view Trim(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= 0x20) ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= 0x20) --e;
    return text.substr(b, e - b);
}

std::int64_t StrToInt64(std::string_view text) {
    std::string_view s = Trim(text);
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s[0] < '0' || s[0] > '9') throw ConversionError(text);
    // Parse the magnitude as unsigned so that INT64_MIN reads without overflow.
    std::uint64_t magnitude = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude);
    if (ec != std::errc() || end != s.data() + s.size()) throw ConversionError(text);
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (negative) {
        if (magnitude > kMax + 1) throw ConversionError(text);
        return magnitude == kMax + 1 ? std::numeric_limits<std::int64_t>::min()
                                     : -static_cast<std::int64_t>(magnitude);
    }
    if (magnitude > kMax) throw ConversionError(text);
    return static_cast<std::int64_t>(magnitude);
}

std::int32_t StrToInt(std::string_view text) {
    std::int64_t v = StrToInt64(text);
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw ConversionError(text);
    return static_cast<std::int32_t>(v);
}
