#include <gtest/gtest.h>

#include <filesystem>

#include "readings/BoneWeight.h"
#include "store/ConnStr.h"
#include "store/Errors.h"
#include "store/Query.h"
#include "tests/support/SqliteFixture.h"

namespace {

TEST(BoneWeightSql, StatementsAsTheTablesExpectThem) {
    struct Case {
        std::string sql, expected;
    };
    const Case cases[] = {
        {BonePartSql(BonePart::Year, "1984"), "Select weight from chenggu1 where year ='1984'"},
        {BonePartSql(BonePart::Month, "正"), "Select weight from chenggu2 where month ='正'"},
        {BonePartSql(BonePart::Day, "廿九"), "Select weight from chenggu3 where day ='廿九'"},
        {BonePartSql(BonePart::Hour, "23"), "Select weight from chenggu4 where time ='23'"},
        {BoneVerseSql("32"), "Select content from chenggu where weight ='32'"},
        {BonePartSql(BonePart::Year, "O'K"), "Select weight from chenggu1 where year ='O''K'"},
        {BoneVerseSql(""), "Select content from chenggu where weight =''"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.sql, c.expected);
}

TEST(BoneWeightKey, TotalTextKeyAndLine) {
    struct Case {
        double total;
        const char* text;
        const char* key;  // nullptr: none
        const char* line;
    };
    const Case cases[] = {
        {1.2 + 0.6 + 0.5 + 0.9, "3.2", "32", "你的骨重为：3两2钱"},  // 3.1999999999999997 in binary
        {0.1 + 0.2, "0.3", "03", "你的骨重为：0两3钱"},
        {4, "4", "40", "你的骨重为：4两"},
        {3.05, "3.05", "30", "你的骨重为：3两"},  // only the first digit after the point counts
        {2.99, "2.99", "29", "你的骨重为：2两9钱"},
        {7.2, "7.2", "72", "你的骨重为：7两2钱"},
        {0, "0", "00", "你的骨重为：0两"},
        {10, "10", "100", "你的骨重为：10两"},
        {12.5, "12.5", "125", "你的骨重为：12两5钱"},
        {-0.5, "-0.5", nullptr, ""},
        {0.00001, "1e-05", nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WeightTotalText(c.total), c.text);
        const auto key = WeightKeyOf(c.text);
        if (!c.key) {
            EXPECT_FALSE(key.has_value());
            continue;
        }
        ASSERT_TRUE(key.has_value());
        EXPECT_EQ(*key, c.key);
        EXPECT_EQ(WeightLineOf(*key), c.line);
    }
    for (const char* bad : {"", ".", "3.", ".5", "nan", "inf", "3,2", "1e+20"})
        EXPECT_FALSE(WeightKeyOf(bad)) << bad;
    EXPECT_EQ(WeightLineOf(""), "");
}

TEST(BoneWeightLists, ItemsOfTheFourLists) {
    const auto years = BoneYears();
    ASSERT_EQ(years.size(), 120u);
    for (size_t i = 0; i < years.size(); ++i) EXPECT_EQ(years[i], std::to_string(1900 + i));

    const std::vector<std::string_view> months(BoneMonths().begin(), BoneMonths().end());
    EXPECT_EQ(months, (std::vector<std::string_view>{"正", "二", "三", "四", "五", "六", "七", "八", "九",
                                                     "十", "十一", "腊"}));

    // 初一..初十, 十一..十九, 二十, 廿一..廿九, 三十
    const char* digit[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    std::vector<std::string> days;
    for (const char* d : digit) days.push_back(std::string("初") + d);
    days.push_back("初十");
    for (const char* d : digit) days.push_back(std::string("十") + d);
    days.push_back("二十");
    for (const char* d : digit) days.push_back(std::string("廿") + d);
    days.push_back("三十");
    ASSERT_EQ(BoneDays().size(), days.size());
    for (size_t i = 0; i < days.size(); ++i) EXPECT_EQ(BoneDays()[i], days[i]) << i;

    ASSERT_EQ(BoneHours().size(), 24u);
    for (size_t h = 0; h < 24; ++h) EXPECT_EQ(BoneHours()[h], std::to_string(h));
}

// Component weights chosen so that each case below hits one rule of the key.
const char* kDream = R"(
    CREATE TABLE chenggu1 (year TEXT, weight REAL);
    INSERT INTO chenggu1 VALUES ('1984', 1.2), ('1985', 2.0), ('1986', 1.25), ('1987', 9.0), ('1988', NULL);
    CREATE TABLE chenggu2 (month TEXT, weight REAL);
    INSERT INTO chenggu2 VALUES ('正', 0.6), ('腊', 0.5);
    CREATE TABLE chenggu3 (day TEXT, weight REAL);
    INSERT INTO chenggu3 VALUES ('初一', 0.5), ('三十', 0.6);
    CREATE TABLE chenggu4 (time TEXT, weight REAL);
    INSERT INTO chenggu4 VALUES ('0', 0.9), ('1', 1.0), ('2', 0.5), ('3', 0.7);
    CREATE TABLE chenggu (weight TEXT, content TEXT);
    INSERT INTO chenggu VALUES ('32', '  三两二钱之诗。  '), ('33', '三两三钱之诗。'), ('28', '二两八钱之诗。'),
                               ('40', '四两之诗。'), ('30', '三两之诗。'), ('1', '不应被读到。');
)";

class BoneWeightRead : public ::testing::Test {
protected:
    void SetUp() override {
        MakeSqliteDb(dir.File("dream.dll"), kDream);
        program = std::make_unique<ScopedProgramDir>(dir.path().string());
        query.SetConnectionString(GetDreamConnStr());
    }
    TempDir dir;
    std::unique_ptr<ScopedProgramDir> program;
    Query query;
};

TEST_F(BoneWeightRead, WeightsAddUpToTheKeyOfTheVerse) {
    struct Case {
        BoneBirth birth;
        const char* key;
        const char* line;
        const char* verse;  // nullptr: none stored
    };
    const Case cases[] = {
        {{"1984", "正", "初一", "0"}, "32", "你的骨重为：3两2钱", "三两二钱之诗。"},
        // Two clock hours of one double hour are separate keys.
        {{"1984", "正", "初一", "1"}, "33", "你的骨重为：3两3钱", "三两三钱之诗。"},
        {{"1984", "正", "初一", "2"}, "28", "你的骨重为：2两8钱", "二两八钱之诗。"},
        {{"1985", "正", "初一", "0"}, "40", "你的骨重为：4两", "四两之诗。"},
        {{"1986", "正", "初一", "3"}, "30", "你的骨重为：3两", "三两之诗。"},  // 3.05
        // A year without a row, and a null weight, add nothing: 2.0 has no verse.
        {{"1900", "正", "初一", "0"}, "20", "", nullptr},
        {{"1988", "正", "初一", "0"}, "20", "", nullptr},
        // 11 两 keeps both 两 digits: "110", which no verse has, never a cut-off "1".
        {{"1987", "正", "初一", "0"}, "110", "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.birth.year + c.birth.month + c.birth.day + c.birth.hour);
        const BoneReading r = ReadBoneWeight(query, c.birth);
        EXPECT_EQ(r.key, c.key);
        EXPECT_EQ(r.line, c.line);
        EXPECT_EQ(r.verse.has_value(), c.verse != nullptr);
        if (c.verse && r.verse) {
            EXPECT_EQ(*r.verse, c.verse);
        }
        EXPECT_EQ(query.Sql(), BoneVerseSql(c.key));  // the verse statement ran last, on this query
    }
}

TEST_F(BoneWeightRead, StatementThatCannotRunAbandonsTheReading) {
    const BoneBirth birth{"1984", "正", "初一", "0"};
    MakeSqliteDb(dir.File("dream.dll"), std::string(kDream) + "DROP TABLE chenggu3;");
    EXPECT_THROW(ReadBoneWeight(query, birth), AbortCommand);
    EXPECT_EQ(query.Sql(), BonePartSql(BonePart::Day, "初一"));  // stopped at the day
    EXPECT_FALSE(query.Active());

    MakeSqliteDb(dir.File("dream.dll"), std::string(kDream) + "DROP TABLE chenggu;");
    EXPECT_THROW(ReadBoneWeight(query, birth), AbortCommand);

    // A weight that is no number cannot be added.
    MakeSqliteDb(dir.File("dream.dll"), std::string(kDream) + "UPDATE chenggu2 SET weight = '六钱';");
    EXPECT_THROW(ReadBoneWeight(query, birth), AbortCommand);

    std::filesystem::remove(dir.File("dream.dll"));
    EXPECT_THROW(ReadBoneWeight(query, birth), AbortCommand);

    Query unbound;  // a query the window never bound
    EXPECT_THROW(ReadBoneWeight(unbound, birth), AbortCommand);
}

}  // namespace
