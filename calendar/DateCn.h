#pragma once
// Gregorian to Chinese lunar dates for 1901..2050, and the calendar's names: lunar months and days,
// festivals, solar terms, zodiac animals and star signs. No Qt; texts are UTF-8.
//
// A LunarCode is month * 100 + day for an ordinary lunar month (815: eighth month, day 15) and
// -(month * 100 + day) for a leap month, which carries the number of the month it follows
// (-401: first day of the leap month after the fourth). 0 means no lunar date: the year lies
// outside 1901..2050 (or the date does not exist). Every name operation returns "" for such a date.
#include <chrono>
#include <string>

// The lunar date of a Gregorian date; 0 outside 1901..2050 and for dates that do not exist.
int LunarCodeOf(std::chrono::year_month_day date);

// 1 for 1 January up to 365 or 366; 0 for a date that does not exist.
int DayOfYearOf(std::chrono::year_month_day date);

// "正月" .. "腊月" for an ordinary month, "闰" + name without "月" for a leap month ("闰四", "闰冬").
std::string LunarMonthText(std::chrono::year_month_day date);

// "初一" .. "三十".
std::string LunarDayText(std::chrono::year_month_day date);

// "春节", "元宵节", "端午节", "七夕节", "中秋节", "重阳节", "腊八节", "除夕" or "".
std::string LunarFestivalText(std::chrono::year_month_day date);

// The animal of the lunar year the date falls in ("子鼠" .. "亥猪"); it changes on 正月初一.
std::string ZodiacAnimalText(std::chrono::year_month_day date);

// 1..24 when a solar term falls on that day (2M - 1 and 2M for month M), else 0. Years outside
// 1901..2050 and months outside 1..12 give 0.
int SolarTermNumber(int year, int month, int day);

// "小寒" .. "冬至" or "".
std::string SolarTermText(std::chrono::year_month_day date);

// The Gregorian festival on day `day` of the month of `monthDate`, or "".
std::string FestivalText(int day, std::chrono::year_month_day monthDate);

// The western star sign of the day ("摩羯座" ..); 23 August counts as 处女座. "" for a date that
// does not exist.
std::string StarSignText(std::chrono::year_month_day date);

// StarSignText of day `day` in the month of `monthDate`.
std::string StarSignOfDay(int day, std::chrono::year_month_day monthDate);
