#include "calendar/DateCn.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calendar/DateCnTables.h"

using std::chrono::year_month_day;

namespace {

constexpr std::array<std::string_view, 13> kLunarMonthNames = {"",   "正", "二", "三", "四", "五", "六",
                                                               "七", "八", "九", "十", "冬", "腊"};

constexpr std::array<std::string_view, 31> kLunarDayNames = {
    "",     "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十", "廿一",
    "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

// Index 0 belongs to the years 1972 + 12k.
constexpr std::array<std::string_view, 12> kZodiacNames = {"子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇",
                                                           "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};

constexpr std::array<std::string_view, 25> kSolarTermNames = {
    "",     "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

struct StarSignSpan {
    int lastDayOfFirst;  // the first sign runs from day 1 to here, the second from the next day on
    std::string_view first;
    std::string_view second;
};

// By Gregorian month. August's first sign ends on the 22nd, so the 23rd is 处女座.
constexpr std::array<StarSignSpan, 12> kStarSigns = {{
    {19, "摩羯座", "水瓶座"},
    {18, "水瓶座", "双鱼座"},
    {20, "双鱼座", "白羊座"},
    {19, "白羊座", "金牛座"},
    {20, "金牛座", "双子座"},
    {21, "双子座", "巨蟹座"},
    {22, "巨蟹座", "狮子座"},
    {22, "狮子座", "处女座"},
    {22, "处女座", "天秤座"},
    {23, "天秤座", "天蝎座"},
    {21, "天蝎座", "射手座"},
    {21, "射手座", "摩羯座"},
}};

constexpr bool InTableRange(int year) { return year >= kFirstCalendarYear && year <= kLastCalendarYear; }

constexpr int MonthLength(int year, int month) {
    constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kLengths[month - 1];
}

// Signed lunar month of a code: negative for a leap month, 0 for no date.
constexpr int MonthOfCode(int code) { return code / 100; }
constexpr int DayOfCode(int code) { return std::abs(code) % 100; }

}  // namespace

int DayOfYearOf(year_month_day date) {
    if (!date.ok()) return 0;
    const int month = int(unsigned(date.month()));
    // The lengths of the months before `month` added up, February counted in full below.
    constexpr std::array<int, 13> kDaysBefore = [] {
        std::array<int, 13> sums{};
        for (int m = 1; m < 12; ++m) sums[m + 1] = sums[m] + MonthLength(2001, m);
        return sums;
    }();
    const int leapDay = month > 2 && date.year().is_leap() ? 1 : 0;
    return kDaysBefore[month] + leapDay + int(unsigned(date.day()));  // [1, 366]
}

int LunarCodeOf(year_month_day date) {
    if (!date.ok()) return 0;
    const int year = int(date.year());
    if (!InTableRange(year)) return 0;

    const std::uint32_t entry = LunarYearTable[year - kFirstCalendarYear];
    const int b0 = int(entry >> 24);
    const unsigned mask = (entry >> 8) & 0xFFFF;
    const int leapAfter = int(entry & 0xFF);

    // N[i]: number of month i of the run that is in progress on 1 January; L[i]: its length. The
    // lists are filled only as far as the walk below reaches.
    std::array<int, 17> number{};
    std::array<int, 16> length{};
    auto fill = [&](int i) {
        length[i] = (mask >> (15 - i)) & 1 ? 30 : 29;
        if (number[i] == leapAfter) {
            number[i + 1] = -leapAfter;
        } else {
            const int next = std::abs(number[i]) + 1;
            number[i + 1] = next == 13 ? 1 : next;
        }
    };
    number[0] = (b0 & 0x80) ? 12 : 11;
    const int firstDay = b0 & 0x7F;  // lunar day of 1 January
    fill(0);

    const int elapsed = DayOfYearOf(date) - 1;     // [0, 365]
    const int lastInFirst = length[0] - firstDay;  // last `elapsed` still in month 0
    int month;
    int day;
    if (elapsed <= lastInFirst) {
        day = firstDay + elapsed;
        month = number[0];
        // A leap month already running on 1 January is not in this year's entry: ask the day before.
        if (year > kFirstCalendarYear &&
            LunarCodeOf(std::chrono::year{year - 1} / std::chrono::December / 31) < 0)
            month = -month;
    } else {
        int before = lastInFirst;
        int i = 1;
        fill(1);
        // Fourteen months at most reach into a year; the bound only keeps a damaged entry in the array.
        while (i < 15 && elapsed > before + length[i]) {
            before += length[i++];
            fill(i);
        }
        month = number[i];
        day = elapsed - before;  // [1, 30]
    }
    return month > 0 ? month * 100 + day : month * 100 - day;
}

std::string LunarMonthText(year_month_day date) {
    const int month = MonthOfCode(LunarCodeOf(date));
    if (month == 0) return {};
    if (month < 0) return std::string("闰").append(kLunarMonthNames[-month]);
    return std::string(kLunarMonthNames[month]).append("月");
}

std::string LunarDayText(year_month_day date) {
    const int code = LunarCodeOf(date);
    if (code == 0) return {};
    return std::string(kLunarDayNames[DayOfCode(code)]);
}

std::string LunarFestivalText(year_month_day date) {
    const int code = LunarCodeOf(date);
    if (code == 0) return {};
    // An ordinary month m has the text of kLunarMonthNames[m] + "月"; a leap month's text starts
    // with "闰", so comparing texts such as "正月" is comparing with a positive month number.
    const int month = MonthOfCode(code);
    const int day = DayOfCode(code);
    if (day == 1 && month == 1) return "春节";
    if (day == 5 && month == 5) return "端午节";
    if (day == 7 && month == 7) return "七夕节";
    if (day == 8 && month == 12) return "腊八节";
    if (day == 9 && month == 9) return "重阳节";
    if (day == 15 && month == 8) return "中秋节";
    if (day == 15 && month == 1) return "元宵节";
    // The last day of the lunar year: the next day is in 正月 and this one is not.
    const int nextMonth = MonthOfCode(LunarCodeOf(std::chrono::sys_days(date) + std::chrono::days(1)));
    if (nextMonth == 1 && month != 1) return "除夕";
    return {};
}

std::string ZodiacAnimalText(year_month_day date) {
    const int code = LunarCodeOf(date);
    if (code == 0) return {};
    int year = int(date.year());
    const int lunarMonth = std::abs(MonthOfCode(code));
    // 冬月 and 腊月 (leap or not) early in a year still belong to the lunar year begun before it.
    if (unsigned(date.month()) <= 3 && (lunarMonth == 11 || lunarMonth == 12)) --year;
    const int index = ((year - 1972) % 12 + 12) % 12;  // [0, 11], also before 1972
    return std::string(kZodiacNames[index]);
}

int SolarTermNumber(int year, int month, int day) {
    if (!InTableRange(year) || month < 1 || month > 12) return 0;
    const int b = SolarTermTable[(year - kFirstCalendarYear) * 12 + (month - 1)];
    if (day < 15) return day == 15 - (b >> 4) ? 2 * month - 1 : 0;
    return day == 15 + (b & 15) ? 2 * month : 0;
}

std::string SolarTermText(year_month_day date) {
    if (!date.ok()) return {};
    const int term =
        SolarTermNumber(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())));
    return std::string(kSolarTermNames[term]);
}

std::string FestivalText(int day, year_month_day monthDate) {
    if (day < 1 || day > 31) return {};
    const year_month_day date{monthDate.year(), monthDate.month(), std::chrono::day(unsigned(day))};
    if (!date.ok()) return {};
    const std::chrono::weekday weekday{std::chrono::sys_days(date)};
    const int weeksBefore = (day - 1) / 7;  // complete weeks before the day
    switch (unsigned(date.month())) {
        case 1:
            if (day == 1) return "元旦节";
            break;
        case 2:
            if (day == 14) return "情人节";
            break;
        case 3:
            if (day == 8) return "妇女节";
            break;
        case 4:
            if (day == 1) return "愚人节";
            break;
        case 5:
            if (day == 1) return "劳动节";
            if (day == 4) return "青年节";
            if (weekday == std::chrono::Sunday && weeksBefore == 1) return "母亲节";
            break;
        case 6:
            if (day == 1) return "儿童节";
            if (weekday == std::chrono::Sunday && weeksBefore == 2) return "父亲节";
            break;
        case 7:
            if (day == 1) return "建党节";
            break;
        case 8:
            if (day == 1) return "建军节";
            break;
        case 9:
            if (day == 10) return "教师节";
            break;
        case 10:
            if (day == 1) return "国庆节";
            if (day == 6) return "老人节";
            if (day == 31) return "万圣节";
            break;
        case 11:
            if (day == 8) return "记者日";
            if (weekday == std::chrono::Thursday && weeksBefore == 3) return "感恩节";
            break;
        case 12:
            if (day == 25) return "圣诞节";
            break;
    }
    return {};
}

std::string StarSignText(year_month_day date) {
    if (!date.ok()) return {};
    const StarSignSpan& span = kStarSigns[unsigned(date.month()) - 1];
    return std::string(int(unsigned(date.day())) <= span.lastDayOfFirst ? span.first : span.second);
}

std::string StarSignOfDay(int day, year_month_day monthDate) {
    if (day < 1 || day > 31) return {};
    return StarSignText({monthDate.year(), monthDate.month(), std::chrono::day(unsigned(day))});
}
