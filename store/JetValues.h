#pragma once
// Jet's stored values in the forms the imported SQLite copy keeps. Plain arithmetic, no
// libmdb: its own date conversion is a day off in leap years.
#include <cstdint>
#include <string>

// A DATETIME (days since 1899-12-30; the fraction is the time of day, which before that
// date still counts forward from midnight, so -1.25 is 1899-12-29 06:00) as 'YYYY-MM-DD',
// or 'YYYY-MM-DD HH:MM:SS' when the time, rounded to the second, is not midnight: the form
// in which a #y-m-d# literal is compared. Empty when the value is no date of the years
// 100 to 9999.
std::string JetDateText(double days);

// The day count of a Gregorian date; the inverse of JetDateText for whole days.
long long JetDayNumber(int year, int month, int day);

// A CURRENCY value, a signed count of ten-thousandths, as exact decimal text with four
// decimals ("-12.3400").
std::string JetCurrencyText(std::int64_t tenThousandths);

// A REPLICATION ID as {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}; the first three groups are
// stored little-endian.
std::string JetGuidText(const unsigned char* bytes16);

// A SINGLE as the double written with the same shortest decimal digits, so that 444.555f
// reads back as 444.555 rather than 444.554992675781.
double JetSingleAsDouble(float value);
