// The built content files, read through the program's own statements and store.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "content/Bihua.h"
#include "numerology/Unscramble.h"
#include "store/ConnStr.h"
#include "store/JetSql.h"
#include "store/Lookup.h"
#include "store/Query.h"
#include "text/Gbk.h"
#ifdef KELVARO_HAVE_CALENDAR
#include "calendar/DateCn.h"
#endif

namespace {

class BuiltContent : public ::testing::Test {
protected:
    // The files the normal build put beside the executable.
    ScopedProgramDir programDir{KELVARO_BIN_DIR "/"};

    static std::string One(const std::string& connStr, const std::string& sql) {
        auto row = LookupRow(connStr, sql);
        EXPECT_TRUE(row.has_value()) << sql;
        return row && !row->empty() ? (*row)[0] : std::string();
    }
    // Every row of a statement, each field as text.
    static std::vector<std::vector<std::string>> All(const std::string& connStr, const std::string& sql) {
        Query q;
        q.SetConnectionString(connStr);
        q.SetSql(sql);
        q.Open();
        std::vector<std::vector<std::string>> rows;
        if (q.IsEmpty()) return rows;
        do {
            std::vector<std::string> row;
            for (int i = 0; i < q.FieldCount(); ++i) row.push_back(q.FieldAt(i).AsString());
            rows.push_back(std::move(row));
        } while (q.Next());
        return rows;
    }
};

// ---- Almanac --------------------------------------------------------------------------

std::map<std::string, std::string> AlmanacRow(Query& q, const std::string& key) {
    q.Close();
    q.ClearSql();
    q.SetSql("Select top 1 * from huangdao where gn = #" + key + "#");
    q.Open();
    std::map<std::string, std::string> row;
    if (q.IsEmpty()) return row;
    for (const char* c :
         {"gn", "nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji", "jishi"})
        row[c] = TrimSpaces(q.FieldByName(c).AsString());
    return row;
}

TEST_F(BuiltContent, AlmanacStatementFindsTheDay) {
    Query q;
    q.SetConnectionString(GetFileConnStr());
    // Spring Festival 2024: the first day of the year of the dragon, a 甲辰 day.
    auto spring = AlmanacRow(q, "2024-02-10");
    ASSERT_FALSE(spring.empty());
    EXPECT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(spring["gn"], "2024-02-10");
    EXPECT_EQ(spring["nn"], "农历正月初一 甲辰年 丙寅月 甲辰日");
    EXPECT_EQ(spring["suici"], "甲辰年(龙) 丙寅月 甲辰日");
    EXPECT_EQ(spring["cong"], "冲狗(戊戌) 煞南");
    for (const auto& [column, value] : spring) EXPECT_FALSE(value.empty()) << column;

    // The key as the almanac builds it from typed digits finds the same row as the padded one.
    auto typed = AlmanacRow(q, "2010-5-1");
    ASSERT_FALSE(typed.empty());
    EXPECT_EQ(typed["gn"], "2010-05-01");
    EXPECT_TRUE(typed["nn"].starts_with("农历三月十八 庚寅年")) << typed["nn"];
    EXPECT_EQ(AlmanacRow(q, "2010-05-01"), typed);

    // The range ends exactly at 1901-01-01 and 2050-12-31.
    EXPECT_FALSE(AlmanacRow(q, "1901-1-1").empty());
    EXPECT_FALSE(AlmanacRow(q, "2050-12-31").empty());
    EXPECT_TRUE(AlmanacRow(q, "1900-12-31").empty());
    EXPECT_TRUE(AlmanacRow(q, "2051-01-01").empty());
}

constexpr const char* kStems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr const char* kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
constexpr const char* kAnimals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};

// Position 0..59 in the sixty-cycle of a stem-branch such as 甲辰; -1 for anything else.
int CycleIndex(const std::string& sb) {
    for (int i = 0; i < 60; ++i)
        if (sb == std::string(kStems[i % 10]) + kBranches[i % 12]) return i;
    return -1;
}

std::vector<std::string> Words(const std::string& s) {
    std::vector<std::string> out;
    size_t pos = 0;
    while (pos <= s.size()) {
        size_t end = std::min(s.find(' ', pos), s.size());
        out.push_back(s.substr(pos, end - pos));
        pos = end + 1;
    }
    return out;
}

TEST_F(BuiltContent, EveryAlmanacDayFollowsTheCycles) {
    const auto rows = All(GetFileConnStr(), "select gn, nn, suici, cong, jishi from huangdao order by gn");
    ASSERT_EQ(rows.size(), 54787u);
    int previousDay = -1, yearChanges = 0;
    std::string previousYear;
    for (const auto& r : rows) {
        SCOPED_TRACE(r[0]);
        // suici: "甲辰年(龙) 丙寅月 甲辰日"
        const auto parts = Words(r[2]);
        ASSERT_EQ(parts.size(), 3u);
        const std::string year = parts[0].substr(0, 6);
        const int y = CycleIndex(year), d = CycleIndex(parts[2].substr(0, 6));
        ASSERT_GE(y, 0);
        ASSERT_GE(d, 0);
        ASSERT_GE(CycleIndex(parts[1].substr(0, 6)), 0);
        EXPECT_EQ(parts[0].substr(6), std::string("年(") + kAnimals[y % 12] + ")");
        // The day's stem-branch moves on by one every day.
        if (previousDay >= 0) {
            EXPECT_EQ(d, (previousDay + 1) % 60);
        }
        previousDay = d;
        // The year's name changes on the lunar new year and only then.
        const bool newYear = r[1].starts_with("农历正月初一 ");
        if (!previousYear.empty()) {
            EXPECT_EQ(year != previousYear, newYear);
            yearChanges += newYear;
        }
        previousYear = year;
        EXPECT_NE(r[1].find(" " + parts[0].substr(0, 6) + "年 " + parts[1] + " " + parts[2]),
                  std::string::npos);
        // The clash is with the branch six places on.
        const int clash = (d % 12 + 6) % 12;
        EXPECT_TRUE(r[3].starts_with(std::string("冲") + kAnimals[clash] + "(")) << r[3];
        EXPECT_NE(r[3].find(std::string(kBranches[clash]) + ")"), std::string::npos) << r[3];
        // Twelve double hours 子 .. 亥; the 子 hour's stem follows the day's stem (甲己 start at 甲子).
        const auto hours = Words(r[4]);
        ASSERT_EQ(hours.size(), 12u);
        const int firstHour = (d % 10 % 5) * 12;
        for (int h = 0; h < 12; ++h) {
            EXPECT_EQ(CycleIndex(hours[h].substr(0, 6)), (firstHour + h) % 60) << r[4];
            const std::string luck = hours[h].substr(6);
            EXPECT_TRUE(luck == "吉" || luck == "凶") << r[4];
        }
    }
    EXPECT_EQ(yearChanges, 150);
}

#ifdef KELVARO_HAVE_CALENDAR
TEST_F(BuiltContent, PerpetualCalendarAgreesWithTheAlmanacLunarDate) {
    using namespace std::chrono;
    // Every day, including 1989-08-01 and 2013-06-08, where older year tables start the
    // month a day off the new moon.
    const auto rows = All(GetFileConnStr(), "select gn, nn from huangdao order by gn");
    ASSERT_EQ(rows.size(), 54787u);
    sys_days day = 1901y / 1 / 1;
    int leapDays = 0;
    for (const auto& r : rows) {
        const year_month_day ymd{day};
        // The almanac writes a leap month as 闰四月; the calendar as 闰四.
        const bool leap = LunarCodeOf(ymd) < 0;
        leapDays += leap;
        const std::string lunar = "农历" + LunarMonthText(ymd) + (leap ? "月" : "") + LunarDayText(ymd) + " ";
        EXPECT_TRUE(r[1].starts_with(lunar)) << r[0] << ": " << r[1] << " vs " << lunar;
        day += days(1);
    }
    EXPECT_GT(leapDays, 50 * 29);  // some 55 leap months in 150 years
}
#endif

// ---- Bone weights ---------------------------------------------------------------------

TEST_F(BuiltContent, BoneWeightStatementsForOneBirth) {
    Query q;  // the window's own query, bound once
    q.SetConnectionString(GetDreamConnStr());
    auto weight = [&](const std::string& sql) {
        auto row = LookupRow(q, sql);
        EXPECT_TRUE(row.has_value()) << sql;
        return row ? std::stod((*row)[0]) : 0.0;
    };
    // 1984 is a 甲子 year (12 qian), the first month 6, the first day 5, hour 23 is 子 (16).
    double total = weight("Select weight from chenggu1 where year =" + Quote("1984"));
    EXPECT_DOUBLE_EQ(total, 1.2);
    total += weight("Select weight from chenggu2 where month =" + Quote("正"));
    total += weight("Select weight from chenggu3 where day =" + Quote("初一"));
    total += weight("Select weight from chenggu4 where time =" + Quote("23"));
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", total);
    ASSERT_STREQ(text, "3.9");
    auto verse = LookupRow(q, "Select content from chenggu where weight =" + Quote("39"));
    ASSERT_TRUE(verse.has_value());
    EXPECT_FALSE((*verse)[0].empty());
}

TEST_F(BuiltContent, BoneWeightKeysFollowTheFigures) {
    struct Case {
        const char* table;
        const char* column;
        const char* key;
        const char* weight;
    };
    const Case cases[] = {
        {"chenggu1", "year", "1900", "0.7"}, {"chenggu1", "year", "1924", "1.2"},  // 庚子, 甲子
        {"chenggu1", "year", "1983", "0.7"}, {"chenggu1", "year", "2019", "0.9"},  // 癸亥, 己亥
        {"chenggu2", "month", "正", "0.6"},  {"chenggu2", "month", "十一", "0.9"},
        {"chenggu2", "month", "腊", "0.5"},  {"chenggu3", "day", "初十", "1.6"},
        {"chenggu3", "day", "二十", "1.5"},  {"chenggu3", "day", "廿一", "1"},
        {"chenggu3", "day", "三十", "0.6"},  {"chenggu4", "time", "0", "1.6"},
        {"chenggu4", "time", "1", "0.6"},    {"chenggu4", "time", "2", "0.6"},
        {"chenggu4", "time", "3", "0.7"},    {"chenggu4", "time", "12", "1"},
        {"chenggu4", "time", "21", "0.6"},   {"chenggu4", "time", "22", "0.6"},
    };
    Query q;
    q.SetConnectionString(GetDreamConnStr());
    for (const auto& c : cases) {
        auto row = LookupRow(
            q, std::string("Select weight from ") + c.table + " where " + c.column + " =" + Quote(c.key));
        ASSERT_TRUE(row.has_value()) << c.table << " " << c.key;
        EXPECT_EQ((*row)[0], c.weight) << c.table << " " << c.key;
    }
    for (const char* absent : {"1899", "2020", "01"})
        EXPECT_FALSE(LookupRow(q, "Select weight from chenggu1 where year =" + Quote(absent)).has_value())
            << absent;
    EXPECT_FALSE(LookupRow(q, "Select weight from chenggu2 where month =" + Quote("冬")).has_value());
    EXPECT_FALSE(LookupRow(q, "Select weight from chenggu4 where time =" + Quote("24")).has_value());
}

TEST_F(BuiltContent, EveryReachableBoneWeightHasAReading) {
    // Sum as the window does, in floating point, and form its key from the shortest text.
    std::vector<std::vector<double>> parts;
    for (const char* t : {"chenggu1", "chenggu2", "chenggu3", "chenggu4"}) {
        std::vector<double> w;
        for (const auto& r : All(GetDreamConnStr(), std::string("select weight from ") + t))
            w.push_back(std::stod(r[0]));
        parts.push_back(w);
    }
    ASSERT_EQ(parts[0].size() * parts[1].size() * parts[2].size() * parts[3].size(), 120u * 12 * 30 * 24);
    std::set<std::string> keys;
    for (double a : parts[0])
        for (double b : parts[1])
            for (double c : parts[2])
                for (double d : parts[3]) {
                    char text[32];
                    std::snprintf(text, sizeof text, "%.15g", a + b + c + d);
                    const std::string t = text;
                    keys.insert(t.size() == 1 ? t + "0" : t.substr(0, 1) + t.substr(2, 1));
                }
    EXPECT_EQ(*keys.begin(), "21");
    EXPECT_EQ(*keys.rbegin(), "71");
    std::set<std::string> stored;
    for (const auto& r : All(GetDreamConnStr(), "select weight from chenggu")) stored.insert(r[0]);
    for (const auto& k : keys) EXPECT_TRUE(stored.count(k)) << k;
    EXPECT_TRUE(stored.count("72"));
    EXPECT_EQ(stored.size(), keys.size() + 1);
}

// ---- Stroke counts --------------------------------------------------------------------

TEST_F(BuiltContent, StrokeLookupCountsTheTraditionalKangxiForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"张", "11"},
        {"陈", "16"},
        {"郑", "19"},
        {"江", "7"},
        {"海", "11"},
        {"涛", "18"},
        {"張", "11"},
        {"王", "4"},
        {"玲", "10"},
        {"朱", "6"},
        {"胡", "11"},
        {"刘", "15"},
        {"万", "15"},
        {"叶", "15"},
        {"一", "1"},
        {"四", "4"},
        {"五", "5"},
        {"九", "9"},
        {"十", "10"},
        {"八", "8"},
        {"百", "6"},
        // Simplified characters that are also rare traditional ones count as names write them.
        {"宁", "14"},
        {"庄", "13"},
        {"优", "17"},
        {"儿", "8"},
        {"复", "12"},
        {"胜", "12"},
        {"怀", "20"},
        // … while the surnames that are their own characters keep their form.
        {"范", "11"},
        {"于", "3"},
        {"余", "7"},
        {"姜", "9"},
        // Beyond GB2312, in GBK's extension: 丂 (0x8140) and 丟 (0x8147), the old form of 丢.
        {"丂", "2"},
        {"丟", "6"},
    };
    for (const auto& [c, n] : cases)
        EXPECT_EQ(One(GetFileConnStr(),
                      "Select num from bihua where hanzi like " + Quote(std::string("%") + c + "%")),
                  n)
            << c;
    // A character GBK does not hold is not found: the reading counts it 0.
    EXPECT_FALSE(
        LookupRow(GetFileConnStr(), "Select num from bihua where hanzi like " + Quote("%𠀀%")).has_value());
}

TEST_F(BuiltContent, EveryGbkCharacterStandsInOneStrokeRow) {
    const auto rows = All(GetFileConnStr(), "select hanzi, num from bihua");
    // One row per count keeps the LIKE scan to tens of rows.
    ASSERT_GT(rows.size(), 20u);
    ASSERT_LT(rows.size(), 60u);
    std::set<char32_t> seen;
    std::set<std::string> counts;
    for (const auto& r : rows) {
        EXPECT_TRUE(counts.insert(r[1]).second) << r[1];
        for (char32_t c : CodePointsOf(r[0])) EXPECT_TRUE(seen.insert(c).second) << Utf8Of(c);
    }
    const auto gbk = GbkHanzi();
    EXPECT_EQ(seen, std::set<char32_t>(gbk.begin(), gbk.end()));
    EXPECT_GT(gbk.size(), 20900u);  // GB2312's 6763 and GBK's extensions
    // The program's "%" key matches every row and takes the first.
    EXPECT_NO_THROW(One(GetFileConnStr(), "Select num from bihua where hanzi like " + Quote("%")));
}

// ---- Readings and articles --------------------------------------------------------------

TEST_F(BuiltContent, StoredReadingsUnscrambleToText) {
    const std::string namefx = One(GetFileConnStr(), "Select content from namefx where num = " + Quote("1"));
    int bad = -1;
    const std::string text = GbkToUtf8(UnscrambleText(namefx, kReadingKey, kReadingRounds, &bad));
    EXPECT_EQ(bad, 0);
    EXPECT_TRUE(text.starts_with("【占位】")) << text;
    // Stored as hexadecimal digits of scrambled bytes, not of the plain GBK bytes.
    EXPECT_EQ(namefx.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_NE(HexToText(namefx), Utf8ToGbk(text));

    const std::string sancai =
        One(GetFileConnStr(), "Select content from sancai where title = " + Quote("木木木") + " ");
    EXPECT_NE(GbkToUtf8(UnscrambleText(sancai, kReadingKey, kReadingRounds)).find("木木木"),
              std::string::npos);
    EXPECT_FALSE(
        LookupRow(GetFileConnStr(), "Select content from namefx where num = " + Quote("01")).has_value());
}

TEST_F(BuiltContent, EveryProgramStatementRuns) {
    // The tables whose readings come later exist with their columns: the statements run.
    const std::pair<std::string, std::string> statements[] = {
        {GetDreamConnStr(), "select title,jx,content from shouji where num = " + Quote("78")},
        {GetBirthConnStr(), "select Tite,content from Noter where Cid = " + Quote("a1")},
        {GetFileConnStr(), "select content from ndeq where title = " + Quote("白羊座")},
        {GetFileConnStr(), "select content from aiqing where title = " + Quote("白羊座")},
        {GetFileConnStr(), "select content from mingren where title = " + Quote("白羊座")},
        {GetFileConnStr(), "select content from baojian where title = " + Quote("白羊座")},
        {GetFileConnStr(), "select content from qingxv where title = " + Quote("白羊座")},
        {GetFileConnStr(), "select content from shiye where title = " + Quote("白羊座")},
        {GetFileConnStr(), "Select content from namefx where num = " + Quote("81")},
        {GetFileConnStr(), "Select content from sancai where title = " + Quote("金金金") + " "},
        {GetDreamConnStr(), "Select content from chenggu where weight =" + Quote("O'K")},
    };
    for (const auto& [conn, sql] : statements) EXPECT_NO_THROW(LookupRow(conn, sql)) << sql;
}

TEST_F(BuiltContent, IllustratedPagesHoldPictureAndText) {
    const auto pages =
        All(GetFileConnStr(), "select page,format,picture,content from tuwen where code = '1' order by page");
    ASSERT_FALSE(pages.empty());
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i][0], std::to_string(i + 1));
        ASSERT_EQ(pages[i][1], "svg");
        EXPECT_NE(pages[i][2].find("<svg"), std::string::npos);
        EXPECT_FALSE(pages[i][3].empty());
    }
}

}  // namespace
