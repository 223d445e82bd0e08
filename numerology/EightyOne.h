#pragma once
// The eighty-one number readings: any whole number maps to one built-in reading.
#include <string>
#include <string_view>

// The reading of a number given as decimal text with an optional sign: the entry of the
// remainder by 81, as "verdict|luck class|personality text" (UTF-8), or the fallback text
// (no "|") for a negative remainder. Throws ConversionError (text/Convert.h) for empty
// text, anything but a decimal integer, or a value outside the signed 64-bit range.
std::string GetNumberInfo(std::string_view text);

// The fallback text for numbers that no entry covers.
inline constexpr std::string_view kNumberInfoFallback = "对不起,此号不在分解之类。";
