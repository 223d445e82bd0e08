#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <stdexcept>

#include "almanac/AlmanacText.h"

namespace {

// A found row: every column of the table with a value of its own, so a mixed-up column shows.
std::map<std::string, std::string, std::less<>> FullRow() {
    return {
        {"gn", "2024-02-10"},    {"nn", " 农历正月初一 甲辰年 "},
        {"suici", "甲辰年(龙)"}, {"tszf", "  占门栖 房内东\t"},
        {"wuhang", "覆灯火"},    {"cong", "冲狗(戊戌) 煞南"},
        {"pzbj", "甲不开仓"},    {"jsyq", "守日 天巫"},
        {"yi", " 嫁娶 开光 "},   {"xsyq", "厌对 招摇"},
        {"ji", "入宅 移徙"},     {"jishi", " 甲子凶 乙丑凶 "},
    };
}

ColumnReader ReaderOf(const std::map<std::string, std::string, std::less<>>& row) {
    return [&row](std::string_view column) {
        auto it = row.find(column);
        if (it == row.end()) throw std::runtime_error("field not found: " + std::string(column));
        return it->second;
    };
}

const std::vector<std::string> kEntryLines = {
    "岁次:甲辰年(龙)",    "", "每日胎神占方:占门栖 房内东", "", "五行:覆灯火",        "",
    "冲:冲狗(戊戌) 煞南", "", "彭祖百忌:甲不开仓",          "", "吉神宜趋:守日 天巫", "",
    "宜:嫁娶 开光",       "", "凶神宜忌:厌对 招摇",         "", "忌:入宅 移徙",
};

struct TextCase {
    const char* name;
    const char* year;
    const char* month;
    const char* day;
    DateTextFault fault;
    std::optional<std::string> askedKey;  // the key handed to the date check, if it was asked
};

class DateTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(DateTexts, FirstFaultInOrderAndTheKeyAsTyped) {
    const TextCase& c = GetParam();
    std::optional<std::string> asked;
    // Only 2012-02-29 and 2010-5-1 read as dates here; the real check is the window's.
    const auto readsAsDate = [&asked](const std::string& key) {
        asked = key;
        return key == "2012-02-29" || key == "2010-5-1";
    };
    const DateTextCheck check = CheckDateTexts(c.year, c.month, c.day, readsAsDate);
    EXPECT_EQ(check.fault, c.fault);
    EXPECT_EQ(asked, c.askedKey);
    if (c.fault == DateTextFault::None || c.fault == DateTextFault::NotADate)
        EXPECT_EQ(check.key, *c.askedKey);
    else
        EXPECT_EQ(check.key, "");
}

INSTANTIATE_TEST_SUITE_P(
    AllCases, DateTexts,
    ::testing::Values(TextCase{"AllEmpty", "", "", "", DateTextFault::NoYear, std::nullopt},
                      TextCase{"YearBlank", " \t ", "05", "01", DateTextFault::NoYear, std::nullopt},
                      TextCase{"MonthEmpty", "2010", "", "", DateTextFault::NoMonth, std::nullopt},
                      TextCase{"MonthBlank", "2010", "  ", "01", DateTextFault::NoMonth, std::nullopt},
                      TextCase{"DayEmpty", "2010", "05", "", DateTextFault::NoDay, std::nullopt},
                      TextCase{"DayBlank", "2010", "05", "   ", DateTextFault::NoDay, std::nullopt},
                      TextCase{"NoDate", "2011", "02", "29", DateTextFault::NotADate, "2011-02-29"},
                      TextCase{"NotDigits", "2010", "五", "01", DateTextFault::NotADate, "2010-五-01"},
                      TextCase{"LeapDay", "2012", "02", "29", DateTextFault::None, "2012-02-29"},
                      TextCase{"TypedShortAndPadded", " 2010 ", "5\t", " 1", DateTextFault::None,
                               "2010-5-1"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(DateTextMessage, OneMessagePerFault) {
    EXPECT_EQ(DateTextMessage(DateTextFault::NoYear), "请选择年!");
    EXPECT_EQ(DateTextMessage(DateTextFault::NoMonth), "请选择月!");
    EXPECT_EQ(DateTextMessage(DateTextFault::NoDay), "请选择日!");
    EXPECT_EQ(DateTextMessage(DateTextFault::NotADate), "请选择有效的日期!");
    EXPECT_EQ(DateTextMessage(DateTextFault::None), "");
}

TEST(AlmanacKey, TrimsEachTextAndKeepsItsDigits) {
    EXPECT_EQ(AlmanacKey("2010", "05", "01"), "2010-05-01");
    EXPECT_EQ(AlmanacKey(" 2010", "5 ", "\t1"), "2010-5-1");
    EXPECT_EQ(AlmanacKey("2031", "003", "1"), "2031-003-1");
}

TEST(HuangdaoSql, KeyBetweenHashSigns) {
    EXPECT_EQ(HuangdaoSql("2010-5-1"), "Select top 1 * from huangdao where gn = #2010-5-1#");
}

TEST(AlmanacLayout, SummaryIsKeyTwoSpacesAndTrimmedSummary) {
    const auto row = FullRow();
    EXPECT_EQ(AlmanacSummary("2010-5-1", ReaderOf(row)), "2010-5-1  农历正月初一 甲辰年");
}

TEST(AlmanacLayout, NineEntriesThenTheHoursWhenWanted) {
    const auto row = FullRow();
    EXPECT_EQ(AlmanacLines(ReaderOf(row), false), kEntryLines);

    std::vector<std::string> withHours = kEntryLines;
    withHours.insert(withHours.end(), {"", "本日吉时如下:", "甲子凶 乙丑凶"});
    EXPECT_EQ(AlmanacLines(ReaderOf(row), true), withHours);
}

TEST(AlmanacLayout, EmptyValuesKeepTheirLabels) {
    auto row = FullRow();
    for (auto& [column, value] : row) value = "  ";
    const std::vector<std::string> lines = AlmanacLines(ReaderOf(row), true);
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0], "岁次:");
    EXPECT_EQ(lines[16], "忌:");
    EXPECT_EQ(lines[18], "本日吉时如下:");
    EXPECT_EQ(lines[19], "");
}

TEST(AlmanacLayout, MissingEntryColumnFailsTheWholeLayout) {
    for (const char* column : {"suici", "wuhang", "ji"}) {
        auto row = FullRow();
        row.erase(column);
        EXPECT_THROW(AlmanacLines(ReaderOf(row), true), std::runtime_error) << column;
    }
    auto row = FullRow();
    row.erase("nn");
    EXPECT_THROW(AlmanacSummary("2010-5-1", ReaderOf(row)), std::runtime_error);
}

TEST(AlmanacLayout, MissingHoursLeaveTheEntryWithoutTheirHeading) {
    auto row = FullRow();
    row.erase("jishi");
    EXPECT_EQ(AlmanacLines(ReaderOf(row), true), kEntryLines);
}

}  // namespace
