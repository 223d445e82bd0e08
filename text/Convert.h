#pragma once
// Reading texts as numbers, as the program's windows do with what the user typed.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A text that must be read as a number and cannot. Its message names the text.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string_view text);
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Decimal integer with an optional sign and surrounding spaces. Empty text, any other
// character or a value outside int64 throws ConversionError.
std::int64_t StrToInt64(std::string_view text);

// The same, limited to the 32-bit range.
std::int32_t StrToInt(std::string_view text);

// Leading and trailing blanks and control characters removed (bytes up to 0x20).
std::string_view Trim(std::string_view text);

// The year a date text means when its year has one or two digits: 00–29 are 2000–2029 and
// 30–99 are 1930–1999, the window in which dates were typed and stored. Longer years stand.
constexpr int FullYear(int year, size_t digits) {
    if (digits > 2) return year;
    return year < 30 ? 2000 + year : 1900 + year;
}
