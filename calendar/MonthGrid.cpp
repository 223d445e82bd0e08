#include "calendar/MonthGrid.h"

#include <algorithm>

#include "calendar/DateCn.h"
#include "calendar/DateCnTables.h"

using namespace std::chrono;

int DaysInMonthOf(int year, int month) {
    if (month < 1 || month > 12) return 0;
    return int(unsigned((std::chrono::year{year} / std::chrono::month(unsigned(month)) / last).day()));
}

year_month_day ClampedDate(int year, int month, int day) {
    const int last = DaysInMonthOf(year, month);
    return std::chrono::year{year} / std::chrono::month(unsigned(month)) /
           std::chrono::day(unsigned(std::clamp(day, 1, std::max(last, 1))));
}

year_month_day SupportedDate(year_month_day date) {
    const int year = int(date.year());
    const int day = int(unsigned(date.day()));
    if (year < kFirstCalendarYear) return ClampedDate(kFirstCalendarYear, 1, day);
    if (year > kLastCalendarYear) return ClampedDate(kLastCalendarYear, 12, day);
    return date;
}

MonthLayout LayOutMonth(year_month_day shown) {
    MonthLayout layout;
    layout.zodiac = ZodiacAnimalText(shown);
    const int year = int(shown.year());
    const int month = int(unsigned(shown.month()));
    const int shownDay = int(unsigned(shown.day()));
    const int firstColumn =
        int(weekday(sys_days(shown.year() / shown.month() / 1)).c_encoding());  // 0 = Sunday
    const int days = DaysInMonthOf(year, month);

    for (int d = 1; d <= days; ++d) {
        MonthCell& cell = layout.cells[firstColumn + d];
        const year_month_day date = shown.year() / shown.month() / std::chrono::day(unsigned(d));
        cell.day = d;
        cell.lunarText = LunarDayText(date);
        cell.tone = CellTone::LunarDay;
        if (cell.lunarText == "初一") {
            cell.lunarText = LunarMonthText(date);
            cell.tone = CellTone::LunarMonth;
        }
        // Later rules override earlier ones, so the last that applies wins.
        if (std::string text = FestivalText(d, shown); !text.empty()) {
            cell.lunarText = std::move(text);
            cell.tone = CellTone::Festival;
        }
        if (std::string text = SolarTermText(date); !text.empty()) {
            cell.lunarText = std::move(text);
            cell.tone = CellTone::SolarTerm;
        }
        if (std::string text = LunarFestivalText(date); !text.empty()) {
            cell.lunarText = std::move(text);
            cell.tone = CellTone::Festival;
        }
        if (d == shownDay) {
            layout.highlightCell = firstColumn + d;
            layout.starSign = StarSignOfDay(d, date);
        }
    }
    return layout;
}
