#include <gtest/gtest.h>

#include <set>

#include "readings/Personal.h"
#include "readings/PersonalTexts.h"
#include "store/ConnStr.h"
#include "store/Errors.h"
#include "tests/support/SqliteFixture.h"

namespace {

TEST(PersonalReadings, KeysMatchExactly) {
    EXPECT_EQ(GetBloodTypeText("a型"), GetBloodTypeText("A型"));
    EXPECT_EQ(GetBloodTypeText("ab型"), GetBloodTypeText("AB型"));
    EXPECT_NE(GetBloodTypeText("A型"), GetBloodTypeText("B型"));
    EXPECT_TRUE(GetBloodTypeText("A型").starts_with("内心单纯"));
    for (const char* key : {"Ab型", "A", "A型 ", "", "C型"})
        EXPECT_EQ(GetBloodTypeText(key), kNoPersonalReading) << key;

    for (const char* key : {"子鼠", "", "鼠 ", "猫"})
        EXPECT_EQ(GetZodiacText(key), kNoPersonalReading) << key;
    for (const char* key : {"天平座", "摩羯", ""}) EXPECT_EQ(GetStarSignText(key), kNoPersonalReading) << key;
}

TEST(PersonalReadings, TablesAreWhole) {
    std::set<std::string> texts;
    for (size_t i = 0; i < kZodiacCount; ++i) texts.insert(GetZodiacText(kZodiacTexts[i].key));
    EXPECT_EQ(kZodiacCount, 12u);
    EXPECT_EQ(texts.size(), 12u);
    const char* animals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
    for (const char* a : animals) EXPECT_NE(GetZodiacText(a), kNoPersonalReading) << a;

    const char* signs[] = {"白羊座", "金牛座", "双子座", "巨蟹座", "狮子座", "处女座",
                           "天秤座", "天蝎座", "射手座", "摩羯座", "水瓶座", "双鱼座"};
    std::set<std::string> starTexts;
    for (const char* sign : signs) {
        const std::string text = GetStarSignText(sign);
        // "智商：" and a number padded to three characters with a leading blank.
        ASSERT_TRUE(text.starts_with("智商：")) << sign;
        const std::string number = text.substr(std::string("智商：").size(), 3);
        EXPECT_TRUE(number[0] == ' ' || (number[0] >= '1' && number[0] <= '9')) << sign;
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(number[1])) &&
                    std::isdigit(static_cast<unsigned char>(number[2])))
            << sign;
        starTexts.insert(text);
    }
    EXPECT_EQ(starTexts.size(), 12u);  // 摩羯座 has a text of its own
    EXPECT_EQ(kBloodTypeCount, 8u);
}

TEST(PersonalReadings, ParagraphMarks) {
    EXPECT_EQ(StripParagraphTags("<p>第一段</p><p>第二段</p>"), "第一段第二段");
    EXPECT_EQ(StripParagraphTags("<P>大写</P>"), "<P>大写</P>");
    EXPECT_EQ(StripParagraphTags("<<p>p>x"), "<p>x");  // one pass for each mark
    EXPECT_EQ(StripParagraphTags(""), "");
}

TEST(PersonalReadings, LinesAndStatements) {
    EXPECT_EQ(PersonalReadingLines("张", "三", ",您的血型为", "A型", "读"),
              (std::vector<std::string>{"张三,您的血型为A型,经系统分析如下:", "", "", "    读"}));
    EXPECT_EQ(StarSignArticleHeader("张", "三", "白羊座"), "张三,您的星座为白羊座...");
    struct Case {
        int kind;
        const char* statement;
    } cases[] = {{0, "select content from ndeq where title = 'O''K座'"},
                 {1, "select content from aiqing where title = 'O''K座'"},
                 {2, "select content from mingren where title = 'O''K座'"},
                 {3, "select content from baojian where title = 'O''K座'"},
                 {4, "select content from qingxv where title = 'O''K座'"},
                 {5, ""},
                 {6, "select content from shiye where title = 'O''K座'"},
                 {7, ""},
                 {-1, ""}};
    for (const Case& c : cases) EXPECT_EQ(StarSignArticleStatement(c.kind, "O'K座"), c.statement) << c.kind;
    EXPECT_TRUE(ArticleScrollsToTop(0) && ArticleScrollsToTop(3));
    EXPECT_FALSE(ArticleScrollsToTop(1) || ArticleScrollsToTop(2) || ArticleScrollsToTop(4) ||
                 ArticleScrollsToTop(6));
}

TEST(PersonalReadings, ArticlesFromTheDatabase) {
    TempDir dir;
    MakeSqliteDb(dir.File("VorFile.dll"),
                 "CREATE TABLE ndeq (title TEXT, content TEXT);"
                 "INSERT INTO ndeq VALUES ('白羊座', '  <p>热情</p><p>直率</p>  ');"
                 "CREATE TABLE shiye (title TEXT, content TEXT);");
    ScopedProgramDir programDir(dir.path().string());
    EXPECT_EQ(GetStarSignArticle("白羊座", 0), "热情直率");
    EXPECT_EQ(GetStarSignArticle("金牛座", 0), "");
    EXPECT_EQ(GetStarSignArticle("白羊座", 6), "");
    EXPECT_THROW(GetStarSignArticle("白羊座", 1), AbortCommand);  // no such table
    EXPECT_THROW(GetStarSignArticle("白羊座", 5), AbortCommand);  // no table for the kind
    std::filesystem::remove(dir.File("VorFile.dll"));
    EXPECT_THROW(GetStarSignArticle("白羊座", 0), AbortCommand);
}

}  // namespace
