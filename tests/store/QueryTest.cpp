#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "store/ConnStr.h"
#include "store/Engines.h"
#include "store/Errors.h"
#include "store/JetSql.h"
#include "store/Lookup.h"
#include "store/Query.h"
#include "tests/support/SqliteFixture.h"

namespace {

const char* kFixtureSql = R"(
CREATE TABLE bihua (hanzi TEXT, num TEXT);
INSERT INTO bihua VALUES ('张章', '11'), ('王', '4'), ('张', '99'), ('O''K', '2'), ('%', '1');
CREATE TABLE sancai (title TEXT, content TEXT);
INSERT INTO sancai VALUES ('木火土', '  甲乙  ');
CREATE TABLE huangdao (gn TEXT, nn TEXT, yi TEXT);
INSERT INTO huangdao VALUES ('2010-05-01', '庚寅年', '嫁娶'), ('2024-02-10', '甲辰年', '祭祀');
CREATE TABLE chenggu1 (year TEXT, weight REAL);
INSERT INTO chenggu1 VALUES ('1984', 1.2), ('1985', 0.9);
CREATE TABLE namefx (num TEXT, content TEXT);
INSERT INTO namefx VALUES ('7', 'seven'), ('07', 'wrong');
CREATE INDEX bihua_hanzi ON bihua(hanzi);
)";

class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override {
        MakeSqliteDb(dir.File("VorFile.dll"), kFixtureSql);
        programDir = std::make_unique<ScopedProgramDir>(dir.path().string() + "/");
    }
    std::vector<std::string> Row(const std::string& sql) {
        auto row = LookupRow(GetFileConnStr(), sql);
        EXPECT_TRUE(row.has_value()) << sql;
        return row.value_or(std::vector<std::string>{});
    }
    TempDir dir;
    std::unique_ptr<ScopedProgramDir> programDir;
};

TEST_F(StoreFixture, ProgramStatementsFindTheirRows) {
    EXPECT_EQ(Row("Select num from bihua where hanzi like " + Quote("%王%")), std::vector<std::string>{"4"});
    // The first row the engine returns wins when a character stands in several rows.
    EXPECT_EQ(Row("Select num from bihua where hanzi like " + Quote("%张%")), std::vector<std::string>{"11"});
    EXPECT_EQ(Row("Select num from bihua where hanzi like " + Quote("%O'K%")), std::vector<std::string>{"2"});
    // The sancai statement keeps its trailing blank; texts come back trimmed.
    EXPECT_EQ(Row("Select content from sancai where title = " + Quote("木火土") + " "),
              std::vector<std::string>{"甲乙"});
    EXPECT_EQ(Row("Select weight from chenggu1 where year =" + Quote("1984")),
              std::vector<std::string>{"1.2"});
    EXPECT_EQ(Row("Select content from namefx where num = " + Quote("7")), std::vector<std::string>{"seven"});
}

TEST_F(StoreFixture, PercentKeyMatchesEveryRow) {
    Query q;
    q.SetConnectionString(GetFileConnStr());
    q.SetSql("Select num from bihua where hanzi like " + Quote("%%%"));
    q.Open();
    EXPECT_EQ(q.RecordCount(), 5);
}

TEST_F(StoreFixture, AlmanacStatementFindsPaddedAndUnpaddedDates) {
    for (const char* date : {"2010-5-1", "2010-05-01", "2010-5-01"}) {
        Query q;
        q.SetConnectionString(GetFileConnStr());
        q.SetSql(std::string("Select top 1 * from huangdao where gn = #") + date + "#");
        q.Open();
        ASSERT_EQ(q.RecordCount(), 1) << date;
        EXPECT_EQ(q.FieldByName("nn").AsString(), "庚寅年");
        EXPECT_EQ(q.FieldByName("YI").AsString(), "嫁娶");  // names are case-insensitive
        EXPECT_THROW(q.FieldByName("nope"), QueryError);
    }
}

TEST_F(StoreFixture, EmptyResultAndValues) {
    EXPECT_FALSE(LookupRow(GetFileConnStr(), "Select num from bihua where hanzi like '%龘%'").has_value());
    Query q;
    q.SetConnectionString(GetFileConnStr());
    q.SetSql("Select weight from chenggu1 where year ='1985'");
    q.Open();
    EXPECT_DOUBLE_EQ(q.FieldAt(0).AsFloat(), 0.9);
    EXPECT_THROW(q.FieldAt(1), QueryError);
    q.SetSql("Select weight from chenggu1 where year ='2100'");
    q.Open();
    EXPECT_TRUE(q.IsEmpty());
    EXPECT_THROW(q.FieldAt(0), QueryError);
}

TEST_F(StoreFixture, FailingStatementsAbortTheCommand) {
    for (const char* sql :
         {"select nope from bihua", "select * from missing_table", "", "   ", "delete from bihua",
          "select * from huangdao where gn = #2010-2-30#", "not sql at all"}) {
        EXPECT_THROW(LookupRow(GetFileConnStr(), sql), AbortCommand) << sql;
    }
    // Nothing was written by the statement that tried.
    EXPECT_EQ(Row("Select count(*) from bihua"), std::vector<std::string>{"5"});
}

TEST_F(StoreFixture, QueryStaysClosedAfterAFailedOpen) {
    Query q;
    q.SetConnectionString(GetFileConnStr());
    q.SetSql("select * from missing_table");
    EXPECT_THROW(q.Open(), QueryError);
    EXPECT_FALSE(q.Active());
    EXPECT_THROW(q.FieldAt(0), QueryError);
}

// Damaged and foreign files: each must fail the open quickly, never crash or hang.
TEST_F(StoreFixture, DamagedFilesFailTheOpen) {
    const std::string good = ReadFile(dir.File("VorFile.dll"));
    ASSERT_GT(good.size(), 4096u);
    std::mt19937 rng(42);
    std::string random(good.size(), '\0');
    for (char& c : random) c = static_cast<char>(rng());
    std::string headerOnly = good.substr(0, 100);
    std::string badPageSize = good;
    badPageSize[16] = 0x03;
    badPageSize[17] = 0x00;

    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"zero bytes", ""},
        {"random bytes", random},
        {"truncated to half", good.substr(0, good.size() / 2)},
        {"truncated by one page", good.substr(0, good.size() - 4096)},
        {"truncated mid-page", good.substr(0, good.size() - 100)},
        {"header only", headerOnly},
        {"bad page size", badPageSize},
        {"magic only", std::string("SQLite format 3\0", 16)},
        {"text file", "just some text\n"},
        {"jet header without engine",
         std::string("\x00\x01\x00\x00Standard Jet DB\x00", 20) + std::string(4076, '\0')},
    };
    for (const Case& c : cases) {
        WriteFile(dir.File("VorFile.dll"), c.bytes);
        auto start = std::chrono::steady_clock::now();
        EXPECT_THROW(LookupRow(GetFileConnStr(), "select num from bihua"), AbortCommand) << c.name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.name;
    }
}

TEST(Store, MissingFileAndDirectoryFail) {
    TempDir dir;
    ScopedProgramDir programDir(dir.path().string());
    EXPECT_THROW(LookupRow(GetDreamConnStr(), "select 1"), AbortCommand);
    std::filesystem::create_directory(dir.File("dream.dll"));
    EXPECT_THROW(LookupRow(GetDreamConnStr(), "select 1"), AbortCommand);
    EXPECT_EQ(DetectDbKind(dir.File("dream.dll")), DbKind::Missing);
    EXPECT_THROW(LookupRow("Provider=x", "select 1"), AbortCommand);  // no data source at all
}

}  // namespace
