#include "store/JetValues.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Day counts here run from 0001-01-01 (day 0) of the proleptic Gregorian calendar.
constexpr long long kDaysTo1899_12_30 = 693593;
constexpr long long kDaysPer400Years = 146097;
constexpr long long kDaysPer100Years = 36524;  // a century without its 400-year leap day
constexpr long long kDaysPer4Years = 1461;
constexpr int kCumulativeDays[2][13] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366},
};
// 0100-01-01 and 9999-12-31, the range of Jet's dates, as days since 1899-12-30.
constexpr long long kFirstJetDay = -657434;
constexpr long long kLastJetDay = 2958465;

bool IsLeap(long long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// `n` >= 0 days since 0001-01-01.
void CivilFromDays(long long n, int& year, int& month, int& day) {
    long long y = 1 + 400 * (n / kDaysPer400Years);
    n %= kDaysPer400Years;
    long long centuries = n / kDaysPer100Years;
    if (centuries == 4) centuries = 3;  // the last day of a 400-year cycle, 31 December of a leap year
    y += 100 * centuries;
    n -= centuries * kDaysPer100Years;
    y += 4 * (n / kDaysPer4Years);
    n %= kDaysPer4Years;
    long long years = n / 365;
    if (years == 4) years = 3;  // 31 December of the leap year that ends the four
    y += years;
    n -= years * 365;  // [0, 365]
    const int* cum = kCumulativeDays[IsLeap(y) ? 1 : 0];
    int m = 1;
    while (n >= cum[m]) ++m;
    year = static_cast<int>(y);
    month = m;
    day = static_cast<int>(n - cum[m - 1]) + 1;
}

}  // namespace

long long JetDayNumber(int year, int month, int day) {
    const long long y = year - 1;
    const long long before = 365 * y + y / 4 - y / 100 + y / 400;
    return before + kCumulativeDays[IsLeap(year) ? 1 : 0][month - 1] + (day - 1) - kDaysTo1899_12_30;
}

std::string JetDateText(double days) {
    if (!std::isfinite(days) || days < kFirstJetDay - 1 || days > kLastJetDay + 1) return {};
    long long whole = static_cast<long long>(days);  // toward zero: the calendar day
    long long seconds = std::llround(std::fabs(days - static_cast<double>(whole)) * 86400.0);
    if (seconds >= 86400) {
        ++whole;  // rounding reached the next midnight
        seconds = 0;
    }
    if (whole < kFirstJetDay || whole > kLastJetDay) return {};
    int y, m, d;
    CivilFromDays(whole + kDaysTo1899_12_30, y, m, d);
    char buf[40];
    if (seconds == 0)
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    else
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02lld:%02lld:%02lld", y, m, d, seconds / 3600,
                      seconds / 60 % 60, seconds % 60);
    return buf;
}

std::string JetCurrencyText(std::int64_t tenThousandths) {
    // Through unsigned arithmetic so that the most negative value has a magnitude too.
    const bool negative = tenThousandths < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(tenThousandths)
                                             : static_cast<std::uint64_t>(tenThousandths);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%llu.%04llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 10000),
                  static_cast<unsigned long long>(magnitude % 10000));
    return buf;
}

std::string JetGuidText(const unsigned char* b) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  b[3], b[2], b[1], b[0], b[5], b[4], b[7], b[6], b[8], b[9], b[10], b[11], b[12], b[13],
                  b[14], b[15]);
    return buf;
}

double JetSingleAsDouble(float value) {
    if (!std::isfinite(value)) return static_cast<double>(value);
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    if (ec != std::errc()) return static_cast<double>(value);
    *end = '\0';
    return std::strtod(buf, nullptr);
}
