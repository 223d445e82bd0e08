#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "calendar/DateCn.h"

using namespace std::chrono;

namespace {

constexpr year_month_day Ymd(int y, unsigned m, unsigned d) { return year{y} / month{m} / day{d}; }

std::string Show(year_month_day date) {
    return std::to_string(int(date.year())) + "-" + std::to_string(unsigned(date.month())) + "-" +
           std::to_string(unsigned(date.day()));
}

// Every day of the supported range, in order.
template <class Visit>
void ForEachDay(Visit visit) {
    for (sys_days d = sys_days(Ymd(1901, 1, 1)); d <= sys_days(Ymd(2050, 12, 31)); d += days(1))
        visit(year_month_day(d));
}

struct CodeCase {
    year_month_day date;
    int code;
};

TEST(LunarCodeOf, KnownDates) {
    const CodeCase cases[] = {
        {Ymd(1901, 1, 1), 1111},    // first supported day
        {Ymd(2050, 12, 31), 1118},  // last supported day
        {Ymd(1900, 12, 31), 0},
        {Ymd(2051, 1, 1), 0},
        {Ymd(2024, 2, 9), 1230},
        {Ymd(2024, 2, 10), 101},
        {Ymd(2023, 3, 21), 230},
        {Ymd(2023, 3, 22), -201},  // leap month after the second
        {Ymd(2023, 4, 20), 301},
        {Ymd(2020, 5, 23), -401},
        {Ymd(1984, 11, 23), -1001},
        {Ymd(2033, 12, 22), -1101},
        // The leap month runs into 1 January: found only through 31 December of the year before.
        {Ymd(2034, 1, 1), -1111},
        {Ymd(2034, 1, 20), 1201},
        // Corrected entries: the new moons of 2 August 1989 (00:06) and 8 June 2013 (23:57).
        {Ymd(1989, 8, 1), 630},
        {Ymd(1989, 8, 2), 701},
        {Ymd(2013, 6, 7), 429},
        {Ymd(2013, 6, 8), 501},
        {Ymd(2013, 7, 7), 530},
        {Ymd(2013, 7, 8), 601},
        // Dates that do not exist have no lunar date.
        {Ymd(2023, 2, 29), 0},
        {Ymd(2024, 4, 31), 0},
    };
    for (const CodeCase& c : cases) EXPECT_EQ(LunarCodeOf(c.date), c.code) << Show(c.date);
}

TEST(DayOfYearOf, CountsEarlierMonths) {
    const CodeCase cases[] = {
        {Ymd(2023, 1, 1), 1},  {Ymd(2023, 12, 31), 365}, {Ymd(2024, 12, 31), 366},
        {Ymd(2024, 3, 1), 61}, {Ymd(2023, 3, 1), 60},    {Ymd(1900, 3, 1), 60},  // 1900: no leap year
        {Ymd(2000, 3, 1), 61}, {Ymd(2024, 2, 29), 60},   {Ymd(2023, 2, 29), 0},  // no such day
        {Ymd(2024, 13, 1), 0},
    };
    for (const CodeCase& c : cases) EXPECT_EQ(DayOfYearOf(c.date), c.code) << Show(c.date);
}

// The stated properties of the table, checked on every day of the range: the lunar day rises by one
// or a new month starts at 1 after day 29 or 30; month numbers go round 1..12; a leap month repeats
// the number before it and is followed by the next; each Gregorian year holds one new year's day.
TEST(LunarCodeOf, EveryDayOfTheRangeFollowsTheCalendar) {
    int previous = LunarCodeOf(Ymd(1901, 1, 1)) - 1;  // 1111: day 10 of the same month before it
    int monthLength = 10;
    int leapMonths = 0;
    int monthsInLunarYear = 0;
    bool leapInLunarYear = false;
    int wholeLunarYears = 0;
    std::set<int> newYearDays;  // years with a 正月初一
    ForEachDay([&](year_month_day date) {
        const int code = LunarCodeOf(date);
        ASSERT_NE(code, 0) << Show(date);
        const int month = std::abs(code) / 100;
        const int day = std::abs(code) % 100;
        const int previousMonth = std::abs(previous) / 100;
        const int previousDay = std::abs(previous) % 100;
        ASSERT_TRUE(month >= 1 && month <= 12 && day >= 1 && day <= 30) << Show(date) << " " << code;
        if (day == previousDay + 1) {
            ASSERT_EQ(code < 0, previous < 0) << Show(date);
            ASSERT_EQ(month, previousMonth) << Show(date);
            ++monthLength;
            return void(previous = code);
        }
        ASSERT_EQ(day, 1) << Show(date) << " follows " << previous;
        ASSERT_TRUE(monthLength == 29 || monthLength == 30) << Show(date);
        if (code < 0) {
            ASSERT_GT(previous, 0) << Show(date) << ": two leap months in a row";
            ASSERT_EQ(month, previousMonth) << Show(date) << ": a leap month repeats the month before";
            ++leapMonths;
            leapInLunarYear = true;
        } else {
            ASSERT_EQ(month, previousMonth % 12 + 1) << Show(date);
        }
        if (code == 101) {
            // Counted from one new year to the next; the months before the first are no whole year.
            // A lunar year has twelve months, thirteen with a leap month.
            if (!newYearDays.empty()) {
                EXPECT_EQ(monthsInLunarYear, leapInLunarYear ? 13 : 12) << Show(date);
                ++wholeLunarYears;
            }
            EXPECT_TRUE(newYearDays.insert(int(date.year())).second) << Show(date);
            // The lunar new year falls between 21 January and 20 February.
            EXPECT_TRUE(date >= Ymd(int(date.year()), 1, 21) && date <= Ymd(int(date.year()), 2, 20))
                << Show(date);
            monthsInLunarYear = 0;
            leapInLunarYear = false;
        }
        ++monthsInLunarYear;
        monthLength = 1;
        previous = code;
    });
    EXPECT_EQ(newYearDays.size(), 150u);
    EXPECT_EQ(wholeLunarYears, 149);
    EXPECT_EQ(leapMonths, 55);
}

struct NameCase {
    year_month_day date;
    const char* month;
    const char* day;
    const char* festival;
    const char* zodiac;
};

TEST(LunarNames, MonthDayFestivalAndAnimal) {
    const NameCase cases[] = {
        {Ymd(2024, 2, 10), "正月", "初一", "春节", "辰龙"},
        {Ymd(2024, 2, 9), "腊月", "三十", "除夕", "卯兔"},  // still the old lunar year
        {Ymd(2024, 2, 24), "正月", "十五", "元宵节", "辰龙"},
        {Ymd(2024, 6, 10), "五月", "初五", "端午节", "辰龙"},
        {Ymd(2024, 8, 10), "七月", "初七", "七夕节", "辰龙"},
        {Ymd(2024, 9, 17), "八月", "十五", "中秋节", "辰龙"},
        {Ymd(2024, 10, 11), "九月", "初九", "重阳节", "辰龙"},
        {Ymd(2024, 1, 18), "腊月", "初八", "腊八节", "卯兔"},
        // A short twelfth month: the eve of the new year is its 29th.
        {Ymd(2025, 1, 28), "腊月", "廿九", "除夕", "辰龙"},
        {Ymd(2025, 1, 29), "正月", "初一", "春节", "巳蛇"},
        {Ymd(2023, 3, 22), "闰二", "初一", "", "卯兔"},  // no festival in a leap month
        {Ymd(2020, 5, 23), "闰四", "初一", "", "子鼠"},
        {Ymd(1984, 11, 23), "闰十", "初一", "", "子鼠"},
        {Ymd(2033, 12, 22), "闰冬", "初一", "", "丑牛"},
        {Ymd(2034, 1, 1), "闰冬", "十一", "", "丑牛"},  // 闰冬 in January: the year before's animal
        {Ymd(2020, 6, 21), "五月", "初一", "", "子鼠"},
        {Ymd(2023, 12, 31), "冬月", "十九", "", "卯兔"},  // December keeps its own year
        {Ymd(2023, 1, 21), "腊月", "三十", "除夕", "寅虎"},
        {Ymd(2023, 1, 22), "正月", "初一", "春节", "卯兔"},
        {Ymd(1901, 1, 1), "冬月", "十一", "", "子鼠"},
        {Ymd(1971, 6, 1), "五月", "初九", "", "亥猪"},
        {Ymd(1972, 6, 1), "四月", "二十", "", "子鼠"},
        {Ymd(2050, 12, 31), "冬月", "十八", "", "午马"},
        {Ymd(2024, 3, 10), "二月", "初一", "", "辰龙"},
        {Ymd(2024, 4, 18), "三月", "初十", "", "辰龙"},
        {Ymd(2024, 5, 30), "四月", "廿三", "", "辰龙"},
        {Ymd(2024, 7, 30), "六月", "廿五", "", "辰龙"},
        {Ymd(2024, 11, 1), "十月", "初一", "", "辰龙"},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(Show(c.date));
        EXPECT_EQ(LunarMonthText(c.date), c.month);
        EXPECT_EQ(LunarDayText(c.date), c.day);
        EXPECT_EQ(LunarFestivalText(c.date), c.festival);
        EXPECT_EQ(ZodiacAnimalText(c.date), c.zodiac);
    }
}

// A code of 0 must never reach a name table.
TEST(LunarNames, EmptyWithoutALunarDate) {
    for (year_month_day date : {Ymd(1900, 12, 31), Ymd(1850, 6, 1), Ymd(2051, 1, 1), Ymd(2023, 2, 29),
                                Ymd(2024, 2, 30), Ymd(2024, 1, 32)}) {
        SCOPED_TRACE(Show(date));
        EXPECT_EQ(LunarMonthText(date), "");
        EXPECT_EQ(LunarDayText(date), "");
        EXPECT_EQ(LunarFestivalText(date), "");
        EXPECT_EQ(ZodiacAnimalText(date), "");
        EXPECT_EQ(SolarTermText(date), "");
    }
    // The last day has no following day in the table, and is no new year's eve.
    EXPECT_EQ(LunarFestivalText(Ymd(2050, 12, 31)), "");
}

TEST(LunarNames, EveryDayHasNamesAndEachYearOneEve) {
    int eves = 0;
    ForEachDay([&](year_month_day date) {
        ASSERT_FALSE(LunarMonthText(date).empty()) << Show(date);
        ASSERT_FALSE(LunarDayText(date).empty()) << Show(date);
        ASSERT_FALSE(ZodiacAnimalText(date).empty()) << Show(date);
        if (LunarFestivalText(date) == "除夕") {
            ++eves;
            EXPECT_EQ(LunarCodeOf(sys_days(date) + days(1)), 101) << Show(date);
        }
    });
    EXPECT_EQ(eves, 150);
}

struct TermCase {
    year_month_day date;
    const char* term;
};

TEST(SolarTerms, NamedDays) {
    const TermCase cases[] = {
        {Ymd(2024, 1, 6), "小寒"},  {Ymd(2024, 1, 20), "大寒"}, {Ymd(2024, 2, 4), "立春"},
        {Ymd(2024, 2, 5), ""},      {Ymd(2024, 6, 21), "夏至"}, {Ymd(2024, 12, 21), "冬至"},
        {Ymd(2023, 11, 8), "立冬"}, {Ymd(2024, 3, 20), "春分"}, {Ymd(2024, 4, 4), "清明"},
        {Ymd(2024, 8, 22), "处暑"}, {Ymd(2024, 9, 22), "秋分"}, {Ymd(2024, 10, 23), "霜降"},
        {Ymd(2024, 12, 6), "大雪"}, {Ymd(2024, 12, 22), ""},
    };
    for (const TermCase& c : cases) EXPECT_EQ(SolarTermText(c.date), c.term) << Show(c.date);
}

struct CorrectedTerm {
    int year, month, day, wrongDay, number;
};

// Each corrected table entry: the term falls on the corrected day, not on the printed one.
TEST(SolarTerms, CorrectedEntries) {
    const CorrectedTerm cases[] = {
        {1904, 10, 9, 8, 19},  {1912, 11, 22, 23, 22}, {1913, 9, 23, 24, 18}, {1917, 12, 8, 7, 23},
        {1927, 9, 9, 8, 17},   {1928, 6, 22, 21, 12},  {1929, 10, 9, 8, 19},  {1929, 11, 23, 22, 22},
        {1949, 8, 23, 24, 16}, {1954, 10, 24, 23, 20}, {1962, 1, 20, 21, 2},  {1973, 2, 19, 20, 4},
        {1976, 8, 23, 24, 16}, {1977, 5, 5, 6, 9},     {1979, 1, 20, 21, 2},  {1981, 11, 7, 8, 21},
        {1991, 5, 6, 7, 9},    {1995, 8, 23, 21, 16},  {2033, 7, 22, 23, 14}, {2034, 8, 7, 8, 15},
        {2049, 4, 4, 5, 7},    {2049, 4, 19, 20, 8},   {2050, 9, 7, 8, 17},
    };
    for (const CorrectedTerm& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month));
        EXPECT_EQ(SolarTermNumber(c.year, c.month, c.day), c.number);
        EXPECT_EQ(SolarTermNumber(c.year, c.month, c.wrongDay), 0);
    }
    EXPECT_EQ(SolarTermText(Ymd(1995, 8, 23)), "处暑");
    EXPECT_EQ(SolarTermText(Ymd(2049, 4, 4)), "清明");
}

// Two terms in every month, the first on days 3..9 and the second on 18..24, and from one term to the
// next 14 to 16 days: the sun takes 14.7 to 15.7 days for 15 degrees. A mistyped entry breaks this.
TEST(SolarTerms, EveryMonthOfTheTable) {
    sys_days last{};
    ForEachDay([&](year_month_day date) {
        const int y = int(date.year());
        const int m = int(unsigned(date.month()));
        const int d = int(unsigned(date.day()));
        const int term = SolarTermNumber(y, m, d);
        if (term == 0) return;
        ASSERT_EQ(term, d < 15 ? 2 * m - 1 : 2 * m) << Show(date);
        ASSERT_TRUE(d < 15 ? d >= 3 && d <= 9 : d >= 18 && d <= 24) << Show(date);
        if (last != sys_days{}) {
            const auto gap = (sys_days(date) - last).count();
            ASSERT_TRUE(gap >= 14 && gap <= 16) << Show(date) << " after " << gap << " days";
        }
        last = sys_days(date);
    });
    EXPECT_EQ(last, sys_days(Ymd(2050, 12, 22)));
}

TEST(SolarTerms, OutsideTheTable) {
    EXPECT_EQ(SolarTermNumber(1900, 12, 22), 0);
    EXPECT_EQ(SolarTermNumber(2051, 1, 5), 0);
    EXPECT_EQ(SolarTermNumber(2024, 0, 6), 0);
    EXPECT_EQ(SolarTermNumber(2024, 13, 6), 0);
    EXPECT_EQ(SolarTermNumber(1901, 1, 6), 1);     // first entry
    EXPECT_EQ(SolarTermNumber(2050, 12, 22), 24);  // last entry
}

struct FestivalCase {
    int day;
    year_month_day month;
    const char* festival;
};

TEST(FestivalText, FixedDaysAndWeekdayRules) {
    const FestivalCase cases[] = {
        {1, Ymd(2024, 1, 15), "元旦节"},
        {14, Ymd(2024, 2, 1), "情人节"},
        {8, Ymd(2024, 3, 1), "妇女节"},
        {1, Ymd(2024, 4, 1), "愚人节"},
        {1, Ymd(2024, 5, 1), "劳动节"},
        {4, Ymd(2024, 5, 1), "青年节"},
        {1, Ymd(2024, 6, 1), "儿童节"},
        {1, Ymd(2024, 7, 1), "建党节"},
        {1, Ymd(2024, 8, 1), "建军节"},
        {10, Ymd(2024, 9, 1), "教师节"},
        {1, Ymd(2024, 10, 1), "国庆节"},
        {6, Ymd(2024, 10, 1), "老人节"},
        {31, Ymd(2024, 10, 1), "万圣节"},
        {8, Ymd(2024, 11, 1), "记者日"},
        {25, Ymd(2024, 12, 1), "圣诞节"},
        // The weekday of the day counts, not the weekday of the month date given.
        {12, Ymd(2024, 5, 31), "母亲节"},  // second Sunday
        {5, Ymd(2024, 5, 1), ""},          // first Sunday
        {19, Ymd(2024, 5, 1), ""},         // third Sunday
        {14, Ymd(2023, 5, 1), "母亲节"},   // a second Sunday on the 14th
        {16, Ymd(2024, 6, 1), "父亲节"},   // third Sunday
        {9, Ymd(2024, 6, 1), ""},          // second Sunday
        {21, Ymd(2020, 6, 1), "父亲节"},   // a third Sunday on the 21st
        {28, Ymd(2024, 11, 1), "感恩节"},  // fourth Thursday
        {21, Ymd(2024, 11, 1), ""},        // third Thursday
        {22, Ymd(2018, 11, 1), "感恩节"},  // a fourth Thursday on the 22nd
        {2, Ymd(2024, 1, 1), ""},
        {25, Ymd(2024, 11, 1), ""},
        {14, Ymd(2024, 3, 1), ""},  // 14 is 情人节 only in February
        {0, Ymd(2024, 1, 1), ""},
        {32, Ymd(2024, 1, 1), ""},
        {30, Ymd(2024, 2, 1), ""},
    };
    for (const FestivalCase& c : cases)
        EXPECT_EQ(FestivalText(c.day, c.month), c.festival) << c.day << " in " << Show(c.month);
}

struct SignCase {
    unsigned month, day;
    const char* sign;
};

TEST(StarSigns, EveryBoundary) {
    const SignCase cases[] = {
        {1, 1, "摩羯座"},   {1, 19, "摩羯座"},  {1, 20, "水瓶座"},  {2, 18, "水瓶座"},  {2, 19, "双鱼座"},
        {3, 20, "双鱼座"},  {3, 21, "白羊座"},  {4, 19, "白羊座"},  {4, 20, "金牛座"},  {5, 20, "金牛座"},
        {5, 21, "双子座"},  {6, 21, "双子座"},  {6, 22, "巨蟹座"},  {7, 22, "巨蟹座"},  {7, 23, "狮子座"},
        {8, 22, "狮子座"},  {8, 23, "处女座"},  {8, 24, "处女座"},  {9, 22, "处女座"},  {9, 23, "天秤座"},
        {10, 23, "天秤座"}, {10, 24, "天蝎座"}, {11, 21, "天蝎座"}, {11, 22, "射手座"}, {12, 21, "射手座"},
        {12, 22, "摩羯座"}, {12, 31, "摩羯座"},
    };
    for (const SignCase& c : cases) {
        EXPECT_EQ(StarSignText(Ymd(2024, c.month, c.day)), c.sign) << c.month << "-" << c.day;
        EXPECT_EQ(StarSignOfDay(int(c.day), Ymd(2023, c.month, 1)), c.sign) << c.month << "-" << c.day;
    }
    // Any year will do, also outside the lunar table.
    EXPECT_EQ(StarSignText(Ymd(2100, 8, 23)), "处女座");
    EXPECT_EQ(StarSignText(Ymd(2023, 2, 29)), "");
    EXPECT_EQ(StarSignOfDay(29, Ymd(2023, 2, 1)), "");
    EXPECT_EQ(StarSignOfDay(29, Ymd(2024, 2, 1)), "双鱼座");
    EXPECT_EQ(StarSignOfDay(0, Ymd(2024, 2, 1)), "");
}

}  // namespace
