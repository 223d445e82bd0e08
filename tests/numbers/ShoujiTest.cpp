#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "numbers/Shouji.h"
#include "store/ConnStr.h"
#include "store/Errors.h"
#include "tests/support/SqliteFixture.h"
#include "text/Convert.h"

namespace {

TEST(ShoujiInfoStr, KeyFromTheEighthCharacterOn) {
    struct Case {
        const char* number;
        const char* key;
    };
    const Case cases[] = {
        {"13912345678", "78"},    {"13900009999", "79"},  {"13900000001", "1"}, {"13900008000", "0"},
        {"13900000080", "0"},     {"13900000159", "79"},  {"12345678", "8"},  // only the 8th character
        {"1234567890", "10"},                                                 // 890
        {"  13912345678 ", "78"}, {"1234567-123", "-43"},  // a pasted sign is the sign of the value
        {"1234567+5", "5"},       {"王12345678", "38"},    // a Chinese character is two bytes: "678"
    };
    for (const Case& c : cases) EXPECT_EQ(shoujiinfostr(c.number), c.key) << c.number;
}

TEST(ShoujiInfoStr, MissingOrNonNumericTailFailsNamingIt) {
    struct Case {
        const char* number;
        const char* named;
    };
    const Case cases[] = {
        {"1234567", ""},       {"", ""},          {"1390000abcd", "abcd"}, {"1390000$FF", "$FF"},
        {"13900001.5", "1.5"}, {"1390000-", "-"},
    };
    for (const Case& c : cases) {
        try {
            shoujiinfostr(c.number);
            ADD_FAILURE() << "no error for " << c.number;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.text(), c.named) << c.number;
        }
    }
}

TEST(ShoujiStatement, QuotesTheKey) {
    EXPECT_EQ(ShoujiStatement("78"), "select title,jx,content from shouji where num = '78'");
    EXPECT_EQ(ShoujiStatement("-5"), "select title,jx,content from shouji where num = '-5'");
}

class MobileLookup : public ::testing::Test {
protected:
    void SetUp() override { programDir = std::make_unique<ScopedProgramDir>(dir.path().string()); }
    TempDir dir;
    std::unique_ptr<ScopedProgramDir> programDir;
};

TEST_F(MobileLookup, ReadsTheKeysRowTrimmed) {
    MakeSqliteDb(dir.File("dream.dll"), R"(
        CREATE TABLE shouji (num TEXT, title TEXT, jx TEXT, content TEXT);
        INSERT INTO shouji VALUES ('78', ' 一帆风顺 ', '吉 ', '  事业顺利，财运亨通。'),
                                  ('8', '八', '凶', '内容八'), ('O''K', 'x', 'x', 'x');
    )");
    const MobileReading r = LookupMobileReading(GetDreamConnStr(), "78");
    EXPECT_EQ(r.title, "一帆风顺");
    EXPECT_EQ(r.luck, "吉");
    EXPECT_EQ(r.content, "事业顺利，财运亨通。");
    // The key is compared as text: "078" is no key.
    const MobileReading none = LookupMobileReading(GetDreamConnStr(), "078");
    EXPECT_EQ(none.title + none.luck + none.content, "");
    EXPECT_EQ(LookupMobileReading(GetDreamConnStr(), "O'K").title, "x");
}

TEST_F(MobileLookup, LookupThatCannotRunAborts) {
    EXPECT_THROW(LookupMobileReading(GetDreamConnStr(), "1"), AbortCommand);  // no file
    MakeSqliteDb(dir.File("dream.dll"), "CREATE TABLE other (num TEXT);");
    EXPECT_THROW(LookupMobileReading(GetDreamConnStr(), "1"), AbortCommand);  // no table
    WriteFile(dir.File("dream.dll"), "not a database at all");
    EXPECT_THROW(LookupMobileReading(GetDreamConnStr(), "1"), AbortCommand);
}

}  // namespace
