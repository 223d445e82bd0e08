#include <gtest/gtest.h>

#include "store/Errors.h"
#include "store/JetSql.h"

TEST(Quote, DoublesSingleQuotesOnly) {
    EXPECT_EQ(Quote("O'K"), "'O''K'");
    EXPECT_EQ(Quote(""), "''");
    EXPECT_EQ(Quote("%张%"), "'%张%'");
    EXPECT_EQ(Quote("a_b%"), "'a_b%'");  // wildcards keep their meaning
    EXPECT_EQ(Quote("''"), "''''''");
    EXPECT_EQ(Quote("\"#"), "'\"#'");
}

TEST(TranslateJetSql, RewritesTopAndDateLiterals) {
    struct Case {
        const char* jet;
        const char* sqlite;
    } cases[] = {
        {"Select top 1 * from huangdao where gn = #2010-5-1#",
         "Select * from huangdao where gn = '2010-05-01' LIMIT 1"},
        {"Select top 1 * from huangdao where gn = #2024-02-10#",
         "Select * from huangdao where gn = '2024-02-10' LIMIT 1"},
        {"SELECT TOP 12 a from t", "SELECT a from t LIMIT 12"},
        {"select distinct top 3 a from t", "select distinct a from t LIMIT 3"},
        {"select * from t where d = #5/1/2010#", "select * from t where d = '2010-05-01'"},
        {"select * from t where d = #2010-5-1 13:05#", "select * from t where d = '2010-05-01 13:05:00'"},
        {"select * from t where d = #2010-5-1 0:00:00#", "select * from t where d = '2010-05-01'"},
        // Nothing else is rewritten: the trailing blank, quoted text, a column called top.
        {"Select content from sancai where title = '木火土' ",
         "Select content from sancai where title = '木火土' "},
        {"select a from t where b = 'top 1 #x#'", "select a from t where b = 'top 1 #x#'"},
        {"select top from t", "select top from t"},
        {"select a from t where b = 'O''K'", "select a from t where b = 'O''K'"},
        {"Select weight from chenggu1 where year ='1984'", "Select weight from chenggu1 where year ='1984'"},
    };
    for (const Case& c : cases) EXPECT_EQ(TranslateJetSql(c.jet), c.sqlite) << c.jet;
}

TEST(TranslateJetSql, BadLiteralsFail) {
    for (const char* sql : {"select * from t where d = #2010-2-30#", "select * from t where d = #2010-5-1",
                            "select * from t where d = #yesterday#", "select * from t where b = 'open",
                            "select * from t where d = ##"}) {
        EXPECT_THROW(TranslateJetSql(sql), QueryError) << sql;
    }
}

TEST(CanonicalDateText, Forms) {
    EXPECT_EQ(CanonicalDateText("2010-5-1"), "2010-05-01");
    EXPECT_EQ(CanonicalDateText("2010-05-01"), "2010-05-01");
    EXPECT_EQ(CanonicalDateText("2/29/2024"), "2024-02-29");
    EXPECT_EQ(CanonicalDateText("2/29/2023"), "");
    EXPECT_EQ(CanonicalDateText("1900-2-29"), "");
    EXPECT_EQ(CanonicalDateText("2000-2-29"), "2000-02-29");
    EXPECT_EQ(CanonicalDateText("2010-13-1"), "");
    EXPECT_EQ(CanonicalDateText("2010-1-1 24:00"), "");
    // Short years as the date check reads them.
    EXPECT_EQ(CanonicalDateText("24-2-10"), "2024-02-10");
    EXPECT_EQ(CanonicalDateText("0-1-1"), "2000-01-01");
    EXPECT_EQ(CanonicalDateText("29-12-31"), "2029-12-31");
    EXPECT_EQ(CanonicalDateText("30-1-1"), "1930-01-01");
    EXPECT_EQ(CanonicalDateText("2/10/24"), "2024-02-10");
    EXPECT_EQ(CanonicalDateText("201-1-1"), "0201-01-01");
}
