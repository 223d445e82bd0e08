#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "articles/IllustratedPages.h"
#include "articles/NoterArticle.h"
#include "store/ConnStr.h"
#include "store/Errors.h"
#include "store/Query.h"
#include "tests/support/SqliteFixture.h"

namespace {

// ---- Statements ---------------------------------------------------------------------

TEST(ArticleStatements, NoterUsesTiteAndQuotesTheCode) {
    EXPECT_EQ(NoterSql("a1"), "select Tite,content from Noter where Cid = 'a1'");
    EXPECT_EQ(NoterSql("b13"), "select Tite,content from Noter where Cid = 'b13'");
    EXPECT_EQ(NoterSql("O'K"), "select Tite,content from Noter where Cid = 'O''K'");
    EXPECT_EQ(NoterSql(""), "select Tite,content from Noter where Cid = ''");
}

TEST(ArticleStatements, IllustratedPagesByTextCodeInPageOrder) {
    EXPECT_EQ(IllustratedSql(8),
              "select page,format,picture,content from tuwen where code = '8' order by page");
    EXPECT_EQ(IllustratedSql(16),
              "select page,format,picture,content from tuwen where code = '16' order by page");
}

TEST(UnifyLineBreaks, EveryLineEndBecomesOneNewline) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"甲\r\n乙\r\n丙", "甲\n乙\n丙"},
        {"甲\r乙", "甲\n乙"},
        {"甲\n\n乙", "甲\n\n乙"},
        {"甲\r\n\r\n乙", "甲\n\n乙"},
        {"\r\n", "\n"},
        {"甲\n\r乙", "甲\n\n乙"},
        {"", ""},
        {"无换行", "无换行"},
    };
    for (const auto& c : cases) EXPECT_EQ(UnifyLineBreaks(c.in), c.out) << c.in;
}

// ---- The Noter lookup ----------------------------------------------------------------

class NoterLookup : public ::testing::Test {
protected:
    void SetUp() override { programDir = std::make_unique<ScopedProgramDir>(dir.path().string()); }
    void MakeBirth(const std::string& sql) { MakeSqliteDb(dir.File("VorBirth.dll"), sql); }
    TempDir dir;
    std::unique_ptr<ScopedProgramDir> programDir;
};

const char kNoterRows[] =
    "CREATE TABLE Noter (Cid TEXT, Tite TEXT, content TEXT);"
    "INSERT INTO Noter VALUES ('a1', '  姓名原理 ', char(13,10,32) || '第一行' || char(13,10) || "
    "'第二行' || char(13,10,13,10,32,32));"
    "INSERT INTO Noter VALUES ('b13', '百忍歌', '百忍歌，歌百忍。');"
    "INSERT INTO Noter VALUES ('x''y', '引号', '带引号的代码');";

TEST_F(NoterLookup, FoundArticleIsTrimmedWithUnixLineBreaks) {
    MakeBirth(kNoterRows);
    const NoterArticle a1 = FetchNoterArticle("a1");
    EXPECT_TRUE(a1.found);
    EXPECT_EQ(a1.title, "姓名原理");
    EXPECT_EQ(a1.body, "第一行\n第二行");
    const NoterArticle b13 = FetchNoterArticle("b13");
    EXPECT_EQ(b13.title, "百忍歌");
    EXPECT_EQ(b13.body, "百忍歌，歌百忍。");
}

TEST_F(NoterLookup, CodesAreComparedAsTextLiterals) {
    MakeBirth(kNoterRows);
    EXPECT_EQ(FetchNoterArticle("x'y").title, "引号");
    // A code that tries to widen the condition finds nothing instead of the first article.
    const NoterArticle widened = FetchNoterArticle("a1' or '1'='1");
    EXPECT_FALSE(widened.found);
    EXPECT_EQ(widened.title, "算命");
    for (const char* code : {"A1", "a01", "a1 ", "c9", ""}) {
        const NoterArticle none = FetchNoterArticle(code);
        EXPECT_FALSE(none.found) << code;
        EXPECT_EQ(none.title, "算命") << code;
        EXPECT_EQ(none.body, "") << code;
    }
}

TEST_F(NoterLookup, StatementThatCannotRunAbandonsTheCommand) {
    // No file at all.
    EXPECT_THROW(FetchNoterArticle("a1"), AbortCommand);
    // The table missing, a column spelled the usual way instead of "Tite", a file that is no database.
    for (const char* sql : {"CREATE TABLE Other (x TEXT);",
                            "CREATE TABLE Noter (Cid TEXT, Title TEXT, content TEXT);"
                            "INSERT INTO Noter VALUES ('a1', '标题', '正文');"}) {
        MakeBirth(sql);
        EXPECT_THROW(FetchNoterArticle("a1"), AbortCommand) << sql;
    }
    WriteFile(dir.File("VorBirth.dll"), "this is not a database file at all, only text");
    EXPECT_THROW(FetchNoterArticle("a1"), AbortCommand);
}

// ---- Which pages a window shows ------------------------------------------------------

std::vector<IllustratedPage> Rows(std::initializer_list<int> pages) {
    std::vector<IllustratedPage> rows;
    int serial = 0;
    for (int p : pages) rows.push_back({p, "png", "", "row" + std::to_string(serial++)});
    return rows;
}

TEST(ArrangePages, ConsecutivePagesFromOneAtMostFifteen) {
    const struct {
        const char* what;
        std::vector<IllustratedPage> rows;
        std::vector<std::string> texts;  // of the pages kept, in page order
    } cases[] = {
        {"in order", Rows({1, 2, 3}), {"row0", "row1", "row2"}},
        {"out of order", Rows({3, 1, 2}), {"row1", "row2", "row0"}},
        {"none", Rows({}), {}},
        {"no first page", Rows({2, 3}), {}},
        {"a gap ends the article", Rows({1, 2, 4, 5}), {"row0", "row1"}},
        {"a repeated page keeps its first row", Rows({1, 2, 2, 3}), {"row0", "row1", "row3"}},
        {"numbers below one are left out", Rows({0, -1, 1, 2}), {"row2", "row3"}},
        {"no more than fifteen",
         Rows({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}),
         {"row0", "row1", "row2", "row3", "row4", "row5", "row6", "row7", "row8", "row9", "row10", "row11",
          "row12", "row13", "row14"}},
    };
    for (const auto& c : cases) {
        const std::vector<IllustratedPage> pages = ArrangePages(c.rows);
        std::vector<std::string> texts;
        for (size_t i = 0; i < pages.size(); ++i) {
            EXPECT_EQ(pages[i].page, static_cast<int>(i) + 1) << c.what;
            texts.push_back(pages[i].text);
        }
        EXPECT_EQ(texts, c.texts) << c.what;
    }
}

class TuwenLookup : public ::testing::Test {
protected:
    void SetUp() override {
        programDir = std::make_unique<ScopedProgramDir>(dir.path().string());
        query.SetConnectionString(GetFileConnStr());
    }
    void MakeFile(const std::string& sql) { MakeSqliteDb(dir.File("VorFile.dll"), sql); }
    TempDir dir;
    std::unique_ptr<ScopedProgramDir> programDir;
    Query query;
};

TEST_F(TuwenLookup, ReadsTheCodesPagesWithTheirBytes) {
    MakeFile(
        "CREATE TABLE tuwen (code TEXT, page INTEGER, format TEXT, picture BLOB, content TEXT);"
        // Picture bytes with a NUL and high bytes must come back whole.
        "INSERT INTO tuwen VALUES ('1', 2, 'png', X'89504E4700FF0A', '第二页' || char(13,10) || '次行 ');"
        "INSERT INTO tuwen VALUES ('1', 1, ' svg ', CAST('<svg/>' AS BLOB), '  第一页');"
        // Article 16 must not leak into article 1, nor "1" match "16".
        "INSERT INTO tuwen VALUES ('16', 1, 'png', X'00', '十六');"
        "INSERT INTO tuwen VALUES ('1', 'x', 'png', X'00', '页号不是数字');");
    const std::vector<IllustratedPage> pages = ReadIllustratedPages(query, 1);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].page, 1);
    EXPECT_EQ(pages[0].format, "svg");
    EXPECT_EQ(pages[0].picture, "<svg/>");
    EXPECT_EQ(pages[0].text, "第一页");
    EXPECT_EQ(pages[1].format, "png");
    EXPECT_EQ(pages[1].picture, std::string("\x89PNG\0\xFF\n", 7));
    EXPECT_EQ(pages[1].text, "第二页\n次行");
    EXPECT_FALSE(query.Active());

    const std::vector<IllustratedPage> sixteen = ReadIllustratedPages(query, 16);
    ASSERT_EQ(sixteen.size(), 1u);
    EXPECT_EQ(sixteen[0].text, "十六");
    EXPECT_TRUE(ReadIllustratedPages(query, 19).empty());
}

TEST_F(TuwenLookup, StatementThatCannotRunAbandonsTheCommand) {
    EXPECT_THROW(ReadIllustratedPages(query, 1), AbortCommand);
    MakeFile("CREATE TABLE tuwen (code TEXT, page INTEGER, content TEXT);");  // no picture columns
    EXPECT_THROW(ReadIllustratedPages(query, 1), AbortCommand);
    MakeFile("CREATE TABLE huangdao (gn TEXT);");
    EXPECT_THROW(ReadIllustratedPages(query, 1), AbortCommand);
}

// ---- Buttons and paging --------------------------------------------------------------

TEST(NumberOfButton, DigitsAfterThePrefix) {
    const struct {
        const char* name;
        int number;
    } cases[] = {
        {"ABtn1", 1},  {"ABtn9", 9}, {"ABtn15", 15}, {"ABtn", 0},   {"ABtnX", 0},
        {"BtnEnd", 0}, {"abtn3", 0}, {"ABtn3a", 0},  {"ABtn-2", 0}, {"", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberOfButton(c.name), c.number) << c.name;
}

enum class Move { First, Last, Previous, Next, Go };

struct Step {
    Move move;
    int arg;                   // the page for Go
    std::optional<int> shown;  // what the move brings to the front
};

TEST(PageNavigator, MovesStayWithinTheArticle) {
    const struct {
        const char* what;
        int count;
        std::vector<Step> steps;
    } cases[] = {
        {"previous on page one stays there", 3, {{Move::Previous, 0, 1}, {Move::Previous, 0, 1}}},
        {"next stops at the last page",
         3,
         {{Move::Next, 0, 2}, {Move::Next, 0, 3}, {Move::Next, 0, 3}, {Move::Previous, 0, 2}}},
        {"first and last",
         4,
         {{Move::Last, 0, 4}, {Move::First, 0, 1}, {Move::Last, 0, 4}, {Move::Previous, 0, 3}}},
        {"number buttons within the count only",
         5,
         {{Move::Go, 3, 3}, {Move::Go, 6, 3}, {Move::Go, 0, 3}, {Move::Go, 5, 5}, {Move::Next, 0, 5}}},
        {"a single page",
         1,
         {{Move::Next, 0, 1}, {Move::Last, 0, 1}, {Move::Previous, 0, 1}, {Move::Go, 2, 1}}},
        {"fifteen pages",
         15,
         {{Move::Last, 0, 15}, {Move::Next, 0, 15}, {Move::Go, 15, 15}, {Move::Go, 16, 15}}},
        {"no page: nothing to show, never page 0",
         0,
         {{Move::Last, 0, std::nullopt},
          {Move::First, 0, std::nullopt},
          {Move::Next, 0, std::nullopt},
          {Move::Previous, 0, std::nullopt},
          {Move::Go, 1, std::nullopt}}},
    };
    for (const auto& c : cases) {
        PageNavigator nav;
        nav.Reset(c.count);
        EXPECT_EQ(nav.Current(), 1) << c.what;
        int index = 0;
        for (const Step& s : c.steps) {
            std::optional<int> shown;
            switch (s.move) {
                case Move::First:
                    shown = nav.First();
                    break;
                case Move::Last:
                    shown = nav.Last();
                    break;
                case Move::Previous:
                    shown = nav.Previous();
                    break;
                case Move::Next:
                    shown = nav.Next();
                    break;
                case Move::Go:
                    shown = nav.Go(s.arg);
                    break;
            }
            EXPECT_EQ(shown, s.shown) << c.what << ", step " << index;
            EXPECT_GE(nav.Current(), 1) << c.what << ", step " << index;
            EXPECT_LE(nav.Current(), std::max(1, c.count)) << c.what << ", step " << index;
            ++index;
        }
    }
}

TEST(PageNavigator, ResetReturnsToPageOneAndClampsTheCount) {
    PageNavigator nav;
    nav.Reset(6);
    nav.Last();
    nav.Reset(6);
    EXPECT_EQ(nav.Current(), 1);
    nav.Reset(40);
    EXPECT_EQ(nav.Count(), 15);
    EXPECT_FALSE(nav.Allows(16));
    nav.Reset(-2);
    EXPECT_EQ(nav.Count(), 0);
    EXPECT_FALSE(nav.Allows(1));
}

}  // namespace
