#include <gtest/gtest.h>

#include <map>

#include "numerology/Grids.h"
#include "numerology/Unscramble.h"
#include "store/ConnStr.h"
#include "store/Errors.h"
#include "tests/support/SqliteFixture.h"
#include "text/Gbk.h"

namespace {

// Stroke counts invented for the worked cases, by character; unknown characters count 0.
class FakeStrokes {
public:
    FakeStrokes(std::map<std::string, int> counts) : counts_(std::move(counts)) {}
    int operator()(std::string_view gbk) {
        asked.push_back(GbkToUtf8(gbk));
        auto it = counts_.find(GbkToUtf8(gbk));
        return it == counts_.end() ? 0 : it->second;
    }
    std::vector<std::string> asked;

private:
    std::map<std::string, int> counts_;
};

std::vector<int> Grids(const char* surname, const char* given, FakeStrokes& strokes) {
    std::vector<int> out;
    const std::string s = Utf8ToGbk(surname), g = Utf8ToGbk(given);
    for (int selector = 0; selector < 5; ++selector)
        out.push_back(GetGridNum(s, g, selector, [&](std::string_view c) { return strokes(c); }));
    return out;
}

TEST(Grids, WorkedCases) {
    FakeStrokes strokes({{"甲", 7}, {"乙", 5}, {"丙", 9}, {"丁", 4}, {"戊", 6}, {"己", 8}});
    struct Case {
        const char* surname;
        const char* given;
        std::vector<int> grids;  // 天 地 人 总 外
    } cases[] = {
        {"甲", "乙", {8, 6, 12, 12, 2}},         // one + one
        {"甲", "乙丙", {8, 14, 12, 21, 10}},     // one + two: 外格 = n(G2) + 1
        {"丁戊", "己", {10, 9, 14, 18, 5}},      // two + one
        {"丁戊", "乙丙", {10, 14, 11, 24, 14}},  // two + two
        {"甲", "庚", {8, 1, 7, 7, 2}},           // an unknown character counts 0
        {"庚辛", "乙", {0, 6, 5, 5, 1}},         // a surname none of whose characters is known: 天格 0
    };
    for (const Case& c : cases)
        EXPECT_EQ(Grids(c.surname, c.given, strokes), c.grids) << c.surname << c.given;
}

TEST(Grids, ThreeCharacterGivenName) {
    FakeStrokes strokes({{"甲", 7}, {"乙", 5}, {"丙", 9}, {"丁", 4}});
    std::vector<int> g = Grids("甲", "乙丙丁", strokes);
    EXPECT_EQ(g[kDiGe], 14);               // the first two characters only
    EXPECT_EQ(g[kZongGe], 7 + 5 + 9 + 4);  // the second and third both count
    EXPECT_EQ(g[kWaiGe], 25 - 12 + 1);
    for (const std::string& asked : strokes.asked)
        EXPECT_LE(asked.size(), 3u) << asked;  // one character a lookup
}

TEST(ElementTitle, ByLastDigit) {
    struct Case {
        int t, r, d;
        const char* title;
    } cases[] = {{8, 12, 6, "金木土"}, {10, 20, 30, "水水水"}, {9, 19, 11, "水水木"},
                 {0, 3, 4, "水火火"},  {5, 16, 27, "土土金"},  {-3, 1, 2, "木木"}};
    for (const Case& c : cases)
        EXPECT_EQ(GetElementTitle(c.t, c.r, c.d), c.title) << c.t << "," << c.r << "," << c.d;
}

TEST(Readings, ShownFormAndStatements) {
    int bad = 0;
    EXPECT_EQ(ShownReading(kNoReading, &bad), kNoReading);
    EXPECT_EQ(ShownReading("41", &bad), "A");
    EXPECT_EQ(ShownReading("", &bad), "");
    EXPECT_EQ(bad, 0);
    const std::string stored = ScrambleText(Utf8ToGbk("大吉之数"), kReadingKey, kReadingRounds);
    EXPECT_EQ(ShownReading(stored, &bad), "大吉之数");
    EXPECT_EQ(ShownReading("zz" + stored + "7", &bad), "大吉之数");  // bad pair dropped, odd digit ignored
    EXPECT_EQ(bad, 1);

    EXPECT_EQ(NamefxStatement(7), "Select content from namefx where num = '7'");
    EXPECT_EQ(NamefxStatement(21), "Select content from namefx where num = '21'");
    EXPECT_EQ(SancaiStatement("木火土"), "Select content from sancai where title = '木火土' ");
}

TEST(Readings, PaneLines) {
    const int grids[5] = {8, 6, 12, 12, 2};
    const std::string readings[5] = {"天", "地", "人", "总", kNoReading};
    auto lines = NameAnalysisLines("张", "三", grids, readings);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[0], "张三,您的姓名经过系统的分析,结果如下:");
    EXPECT_EQ(lines[3], "天格: 8");
    EXPECT_EQ(lines[7], "外格: 2");
    EXPECT_EQ(lines[10], "总");
    EXPECT_EQ(lines[12], "补充:");
    EXPECT_EQ(lines[13], "天格8分析:");
    EXPECT_EQ(lines[14], "    天");
    EXPECT_EQ(lines[22], "外格2分析:");
    EXPECT_EQ(lines[23], std::string("    ") + kNoReading);
    for (int i : {1, 2, 8, 9, 11, 15, 18, 21}) EXPECT_EQ(lines[static_cast<size_t>(i)], "") << i;

    EXPECT_EQ(ThreeTalentLines("张", "三", "金木土", kNoReading),
              (std::vector<std::string>{"张三,您的三才为金木土,经系统分析如下:", "", "",
                                        std::string("    ") + kNoReading}));
}

TEST(StrokeLookup, FromTheDatabase) {
    TempDir dir;
    MakeSqliteDb(dir.File("VorFile.dll"),
                 "CREATE TABLE bihua (hanzi TEXT, num TEXT);"
                 "INSERT INTO bihua VALUES ('王玉', '4'), ('张章', '11'), ('坏', 'x');");
    ScopedProgramDir programDir(dir.path().string());
    EXPECT_EQ(GetStrokeNum(Utf8ToGbk("张")), 11);
    EXPECT_EQ(GetStrokeNum(Utf8ToGbk("玉")), 4);
    EXPECT_EQ(GetStrokeNum(Utf8ToGbk("龘")), 0);
    EXPECT_THROW(GetStrokeNum(Utf8ToGbk("坏")), AbortCommand);  // a count that is no number
    std::filesystem::remove(dir.File("VorFile.dll"));
    EXPECT_THROW(GetStrokeNum(Utf8ToGbk("张")), AbortCommand);
}

TEST(StrokeLookup, BuiltContentCountsByKangxi) {
    ScopedProgramDir programDir(KELVARO_BIN_DIR);
    if (!std::filesystem::exists(std::string(KELVARO_BIN_DIR) + "/VorFile.dll"))
        GTEST_SKIP() << "content not built";
    struct Case {
        const char* hanzi;
        int strokes;
    } cases[] = {{"张", 11}, {"陈", 16}, {"郑", 19}, {"江", 7}, {"海", 11}, {"涛", 18}};
    for (const Case& c : cases) EXPECT_EQ(GetStrokeNum(Utf8ToGbk(c.hanzi)), c.strokes) << c.hanzi;
}

}  // namespace
