#include <gtest/gtest.h>

#include <string>

#include "calendar/MonthGrid.h"

using namespace std::chrono;

namespace {

constexpr year_month_day Ymd(int y, unsigned m, unsigned d) { return year{y} / month{m} / day{d}; }

std::string Show(year_month_day date) {
    return std::to_string(int(date.year())) + "-" + std::to_string(unsigned(date.month())) + "-" +
           std::to_string(unsigned(date.day()));
}

TEST(MonthGrid, DaysInMonthOf) {
    struct Case {
        int year, month, days;
    } const cases[] = {
        {2024, 1, 31}, {2024, 2, 29},  {2023, 2, 28}, {1900, 2, 28}, {2000, 2, 29},
        {2024, 4, 30}, {2024, 12, 31}, {2024, 0, 0},  {2024, 13, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(DaysInMonthOf(c.year, c.month), c.days) << c.year << "-" << c.month;
}

TEST(MonthGrid, ClampedAndSupportedDates) {
    struct Case {
        year_month_day got, want;
    } const cases[] = {
        {ClampedDate(2024, 2, 31), Ymd(2024, 2, 29)},
        {ClampedDate(2023, 2, 31), Ymd(2023, 2, 28)},
        {ClampedDate(2024, 3, 31), Ymd(2024, 3, 31)},
        {ClampedDate(2024, 4, 31), Ymd(2024, 4, 30)},
        {ClampedDate(2024, 4, 0), Ymd(2024, 4, 1)},
        // Outside 1901..2050: the same day of the nearest supported month.
        {SupportedDate(Ymd(2051, 3, 31)), Ymd(2050, 12, 31)},
        {SupportedDate(Ymd(2100, 2, 28)), Ymd(2050, 12, 28)},
        {SupportedDate(Ymd(1899, 6, 15)), Ymd(1901, 1, 15)},
        {SupportedDate(Ymd(1900, 12, 31)), Ymd(1901, 1, 31)},
        {SupportedDate(Ymd(1901, 1, 1)), Ymd(1901, 1, 1)},
        {SupportedDate(Ymd(2050, 12, 31)), Ymd(2050, 12, 31)},
        {SupportedDate(Ymd(2024, 2, 29)), Ymd(2024, 2, 29)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << Show(c.got);
}

TEST(MonthGrid, CellsOfAMonth) {
    struct Case {
        year_month_day month;
        int firstCell, lastCell;
    } const cases[] = {
        {Ymd(2020, 8, 1), 7, 37},   // starts on a Saturday, 31 days: both cells of the sixth row
        {Ymd(2026, 2, 1), 1, 28},   // starts on a Sunday, 28 days: exactly four rows
        {Ymd(2024, 2, 1), 5, 33},   // a Thursday, 29 days
        {Ymd(1901, 1, 1), 3, 33},   // a Tuesday
        {Ymd(2050, 12, 1), 5, 35},  // a Thursday
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Show(c.month));
        const MonthLayout layout = LayOutMonth(c.month);
        for (int i = 1; i <= kMonthCells; ++i) {
            const MonthCell& cell = layout.cells[i];
            if (i < c.firstCell || i > c.lastCell) {
                EXPECT_EQ(cell.day, 0) << i;
                EXPECT_EQ(cell.lunarText, "") << i;
            } else {
                EXPECT_EQ(cell.day, i - c.firstCell + 1) << i;
            }
        }
        EXPECT_EQ(layout.highlightCell, c.firstCell);
    }
}

struct TextCase {
    year_month_day date;
    const char* text;
    CellTone tone;
};

// From the highest priority down: lunar festival, solar term, Gregorian festival, month name on a
// lunar 初一, lunar day.
TEST(MonthGrid, LunarTextPriority) {
    const TextCase cases[] = {
        {Ymd(2024, 2, 11), "初二", CellTone::LunarDay},
        {Ymd(2024, 3, 10), "二月", CellTone::LunarMonth},
        {Ymd(2023, 3, 22), "闰二", CellTone::LunarMonth},
        {Ymd(2024, 2, 10), "春节", CellTone::Festival},  // rather than 正月
        {Ymd(2024, 2, 9), "除夕", CellTone::Festival},
        {Ymd(2024, 2, 14), "情人节", CellTone::Festival},
        {Ymd(2020, 10, 1), "中秋节", CellTone::Festival},  // also 国庆节
        {Ymd(2023, 11, 8), "立冬", CellTone::SolarTerm},   // also 记者日
        {Ymd(2024, 2, 4), "立春", CellTone::SolarTerm},
        {Ymd(2024, 1, 11), "腊月", CellTone::LunarMonth},
        {Ymd(2024, 1, 6), "小寒", CellTone::SolarTerm},
        {Ymd(2023, 5, 1), "劳动节", CellTone::Festival},
        {Ymd(2025, 5, 31), "端午节", CellTone::Festival},
        {Ymd(2025, 12, 21), "冬至", CellTone::SolarTerm},
        {Ymd(2026, 4, 5), "清明", CellTone::SolarTerm},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(Show(c.date));
        const MonthLayout layout = LayOutMonth(c.date);
        const MonthCell& cell = layout.cells[layout.highlightCell];
        EXPECT_EQ(cell.day, int(unsigned(c.date.day())));
        EXPECT_EQ(cell.lunarText, c.text);
        EXPECT_EQ(cell.tone, c.tone);
    }
}

TEST(MonthGrid, NamesOfTheShownDay) {
    const MonthLayout feb = LayOutMonth(Ymd(2024, 2, 9));
    EXPECT_EQ(feb.zodiac, "卯兔");
    EXPECT_EQ(feb.starSign, "水瓶座");
    const MonthLayout later = LayOutMonth(Ymd(2024, 2, 19));
    EXPECT_EQ(later.zodiac, "辰龙");
    EXPECT_EQ(later.starSign, "双鱼座");
    EXPECT_EQ(LayOutMonth(Ymd(2024, 8, 23)).starSign, "处女座");
}

// Every month the window can show names each of its days.
TEST(MonthGrid, EveryMonthOfTheRangeHasTexts) {
    for (int y = 1901; y <= 2050; ++y) {
        for (unsigned m = 1; m <= 12; ++m) {
            const MonthLayout layout = LayOutMonth(Ymd(y, m, 1));
            ASSERT_FALSE(layout.zodiac.empty()) << y << "-" << m;
            int filled = 0;
            for (int i = 1; i <= kMonthCells; ++i) {
                if (layout.cells[i].day == 0) continue;
                ++filled;
                ASSERT_FALSE(layout.cells[i].lunarText.empty()) << y << "-" << m << " cell " << i;
            }
            ASSERT_EQ(filled, DaysInMonthOf(y, int(m))) << y << "-" << m;
        }
    }
}

}  // namespace
