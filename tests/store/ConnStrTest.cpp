#include <gtest/gtest.h>

#include "store/ConnStr.h"

TEST(ConnStr, BuiltFromTheProgramDirectory) {
    ScopedProgramDir dir("/opt/kelvaro/");
    EXPECT_EQ(
        GetDreamConnStr(),
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/kelvaro//dream.dll;Persist Security Info=True");
    EXPECT_EQ(
        GetFileConnStr(),
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/kelvaro//VorFile.dll;Persist Security Info=True");
    EXPECT_EQ(
        GetBirthConnStr(),
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/kelvaro//VorBirth.dll;Persist Security Info=True");
    EXPECT_EQ(DataSourceOf(GetFileConnStr()), "/opt/kelvaro//VorFile.dll");
}

TEST(ConnStr, ProgramDirIsTheExecutablesDirectoryWithItsSeparator) {
    std::string dir = ProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_NE(dir.find("/tests/"), std::string::npos) << dir;  // tests live in build/tests
}

TEST(ConnStr, DataSourceIsFoundWhateverTheSpelling) {
    EXPECT_EQ(DataSourceOf("data source=/x.db"), "/x.db");
    EXPECT_EQ(DataSourceOf("Provider=P; Data Source =/a b/c.dll;Other=1"), "/a b/c.dll");
    EXPECT_EQ(DataSourceOf("Provider=P"), "");
    EXPECT_EQ(DataSourceOf(""), "");
}
