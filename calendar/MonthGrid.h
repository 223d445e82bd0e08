#pragma once
// What the perpetual-calendar window shows for one month, worked out without any window: the day
// and lunar text of each of the 37 cells, the cell to highlight and the names of the shown day.
// No Qt.
#include <array>
#include <chrono>
#include <string>

// Cells are numbered 1..37: cell i is in column (i - 1) % 7 (0 = Sunday) and row (i - 1) / 7.
inline constexpr int kMonthCells = 37;

// How a lunar text is coloured; the window maps these to its colours.
enum class CellTone {
    LunarDay,    // 初二 .. 三十
    LunarMonth,  // the month name on the first day of a lunar month
    Festival,    // a Gregorian or a lunar festival
    SolarTerm,
};

struct MonthCell {
    int day = 0;  // 0: the cell shows nothing this month
    std::string lunarText;
    CellTone tone = CellTone::LunarDay;
};

struct MonthLayout {
    std::array<MonthCell, kMonthCells + 1> cells;  // index 0 unused
    int highlightCell = 0;                         // the cell of the shown day
    std::string zodiac;                            // animal of the shown day's lunar year
    std::string starSign;                          // star sign of the shown day
};

// Length of a Gregorian month, February 29 days in a leap year; 0 for a month outside 1..12.
int DaysInMonthOf(int year, int month);

// The date, with the day lowered to the month's last day where it exceeds it.
std::chrono::year_month_day ClampedDate(int year, int month, int day);

// A date the calendar can name: itself inside 1901..2050, else the same day number in January 1901
// or December 2050, whichever is nearer.
std::chrono::year_month_day SupportedDate(std::chrono::year_month_day date);

// The month of `shown`, with its day as the shown day. A lunar text shows, from the highest priority
// down: the lunar festival, the solar term, the Gregorian festival, the month name on a lunar 初一,
// the lunar day.
MonthLayout LayOutMonth(std::chrono::year_month_day shown);
