#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "app/ResultPane.h"
#include "app/Unt_Main.h"
#include "numerology/Unscramble.h"
#include "platform/FakePlatform.h"
#include "readings/Personal.h"
#include "store/ConnStr.h"
#include "tests/support/SqliteFixture.h"
#include "text/Gbk.h"

namespace {

std::string Stored(const char* utf8) { return ScrambleText(Utf8ToGbk(utf8), kReadingKey, kReadingRounds); }

// 张三: 天格 12, 地格 4, 人格 14, 总格 14, 外格 2; three talents 木火火.
class NameReadings : public ::testing::Test {
protected:
    void SetUp() override {
        MakeSqliteDb(dir.File("VorFile.dll"),
                     "CREATE TABLE bihua (hanzi TEXT, num TEXT);"
                     "INSERT INTO bihua VALUES ('张章', '11'), ('三', '3'), ('王', '4');"
                     "CREATE TABLE namefx (num TEXT, content TEXT);"
                     "INSERT INTO namefx VALUES ('12', '  " +
                         Stored("天格之读") + "  '), ('4', '" + Stored("地格之读") + "'), ('14', '" +
                         Stored("十四之读") + "'), ('2', 'ZZ" + Stored("外格之读") +
                         "');"
                         "CREATE TABLE sancai (title TEXT, content TEXT);"
                         "INSERT INTO sancai VALUES ('木火火', '" +
                         Stored("三才之读") +
                         "');"
                         "CREATE TABLE ndeq (title TEXT, content TEXT);"
                         "INSERT INTO ndeq VALUES ('白羊座', '<p>第一段</p>\n<p>第二段</p>');");
        window = std::make_unique<TFrmmain>();
        window->show();  // binds the name query to the content file
    }
    void Type(const char* box, const QString& text) {
        auto* edit = window->findChild<QLineEdit*>(box);
        ASSERT_NE(edit, nullptr);
        edit->clear();
        // One key a character, as a keyboard (or an input method sending keys) would type it.
        for (QChar c : text) {
            if (c.unicode() < 127) {
                QTest::keyClick(edit, c.toLatin1());
            } else {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(edit, &press);
                QApplication::sendEvent(edit, &release);
            }
        }
    }
    void Click(const char* name) {
        auto* b = window->findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr);
        b->click();
    }
    QStringList Pane() { return window->Result().Lines(); }

    FakePlatform fake;
    TempDir dir;
    ScopedProgramDir programDir{dir.path().string()};
    std::unique_ptr<TFrmmain> window;
};

TEST_F(NameReadings, NameBoxesTakeChineseOnly) {
    Type("NameA", "a张1 ");
    EXPECT_EQ(window->findChild<QLineEdit*>("NameA")->text(), "张");
    EXPECT_EQ(window->FSurname, "张");
    Type("NameB", "三!");
    EXPECT_EQ(window->FGivenName, "三");
}

TEST_F(NameReadings, NameAnalysisWritesTheFiveGrids) {
    Type("NameA", "张");
    Type("NameB", "三");
    Click("btnNameAnalysis");
    const QStringList lines = Pane();
    ASSERT_EQ(lines.size(), 24);
    EXPECT_EQ(lines[0], "张三,您的姓名经过系统的分析,结果如下:");
    EXPECT_EQ(lines.mid(3, 5), (QStringList{"天格: 12", "地格: 4", "人格: 14", "总格: 14", "外格: 2"}));
    EXPECT_EQ(lines[10], "十四之读");  // 总格's reading, without indent
    EXPECT_EQ(lines[14], "    天格之读");
    EXPECT_EQ(lines[16], "地格4分析:");
    EXPECT_EQ(lines[17], "    地格之读");
    EXPECT_EQ(lines[19], "人格14分析:");
    EXPECT_EQ(lines[20], "    十四之读");
    EXPECT_EQ(lines[23], "    外格之读");
    EXPECT_EQ(fake.beeps, 1);                                   // the stored text's bad pair "ZZ"
    EXPECT_EQ(window->Result().textCursor().blockNumber(), 1);  // scrolled back to the top
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST_F(NameReadings, ThreeTalents) {
    Type("NameA", "张");
    Type("NameB", "三");
    Click("btnThreeTalents");
    EXPECT_EQ(Pane(), (QStringList{"张三,您的三才为木火火,经系统分析如下:", "", "", "    三才之读"}));

    Type("NameA", "王");  // 天格 5, 人格 7, 地格 4: 土金火, not stored
    Click("btnThreeTalents");
    EXPECT_EQ(Pane(),
              (QStringList{"王三,您的三才为土金火,经系统分析如下:", "", "", "    无结果,请听下回分解"}));
}

TEST_F(NameReadings, MissingNamesWriteNothing) {
    window->Result().SetLines({"earlier"});
    Type("NameA", "张");
    Click("btnThreeTalents");
    EXPECT_EQ(Pane(), QStringList{"earlier"});
    window->Result().Clear();
    Click("btnNameAnalysis");
    EXPECT_EQ(Pane(), QStringList{QString()});  // only the scroll step ran, on an empty pane
    EXPECT_TRUE(fake.infos.isEmpty());
}

TEST_F(NameReadings, AFailedLookupLeavesThePaneAsItWas) {
    window->Result().SetLines({"earlier"});
    Type("NameA", "张");
    Type("NameB", "三");
    std::filesystem::remove(dir.File("VorFile.dll"));
    Click("btnNameAnalysis");
    Click("btnThreeTalents");
    EXPECT_EQ(Pane(), QStringList{"earlier"});
    EXPECT_TRUE(fake.errors.isEmpty());
    EXPECT_TRUE(fake.infos.isEmpty());
}

TEST_F(NameReadings, SavedFromTheBarUnderTheSubjectsName) {
    Type("NameA", "张");
    Type("NameB", "三");
    Click("btnThreeTalents");
    fake.nextSaveName = QString::fromStdString(dir.File("张三"));
    Click("btnSave");
    ASSERT_EQ(fake.saveRequests.size(), 1u);
    EXPECT_EQ(fake.saveRequests[0].suggested, "张三");
    EXPECT_EQ(ReadFile(dir.File("张三.txt")),
              Utf8ToGbk("张三,您的三才为木火火,经系统分析如下:\r\n\r\n\r\n    三才之读\r\n"));
    Click("btnPrint");
    ASSERT_EQ(fake.printed.size(), 1u);
    EXPECT_EQ(fake.printed[0].lines.last(), "    三才之读");
}

void Choose(TFrmmain& w, const char* box, const char* value) {
    auto* combo = w.findChild<QComboBox*>(box);
    ASSERT_NE(combo, nullptr) << box;
    combo->setCurrentText(QString::fromUtf8(value));
}

TEST_F(NameReadings, PersonalityReadings) {
    Type("NameA", "张");
    Type("NameB", "三");
    Choose(*window, "BloodType", "AB型");
    Click("btnBloodType");
    EXPECT_EQ(Pane(), (QStringList{"张三,您的血型为AB型,经系统分析如下:", "", "",
                                   "    " + QString::fromStdString(GetBloodTypeText("AB型"))}));
    Choose(*window, "ZodiacAnimal", "龙");
    Click("btnZodiac");
    EXPECT_EQ(Pane()[0], "张三,您的生肖为龙,经系统分析如下:");
    EXPECT_EQ(window->Result().textCursor().blockNumber(), 1);  // the zodiac reading scrolls back up
    Choose(*window, "StarSign", "白羊座");
    Click("btnStarSign");
    EXPECT_EQ(Pane()[3], "    " + QString::fromStdString(GetStarSignText("白羊座")));

    window->Execute(Command{CommandKind::StarSignArticle, 0, {}});
    EXPECT_EQ(Pane(), (QStringList{"张三,您的星座为白羊座...", "", "", "第一段", "第二段"}));
    window->Execute(Command{CommandKind::StarSignArticle,
                            6,
                            {}});  // no such table: the header and the empty lines stay, silently
    EXPECT_EQ(Pane(), (QStringList{"张三,您的星座为白羊座...", "", ""}));
    EXPECT_TRUE(fake.errors.isEmpty());
    EXPECT_TRUE(fake.infos.isEmpty());
}

TEST_F(NameReadings, PersonalityReadingsNeedTheirField) {
    window->Result().SetLines({"earlier"});
    Type("NameA", "张");
    Type("NameB", "三");
    Click("btnBloodType");
    Click("btnStarSign");
    window->Execute(Command{CommandKind::StarSignArticle, 1, {}});
    EXPECT_EQ(Pane(), QStringList{"earlier"});
    window->Result().Clear();
    Click("btnZodiac");  // still scrolls: an empty pane is left with one empty line
    EXPECT_EQ(Pane(), QStringList{QString()});
}

TEST_F(NameReadings, EveryPlacelessCommandIsOnTheMoreMenu) {
    auto* more = window->findChild<QMenu*>("commandMenu");
    ASSERT_NE(more, nullptr);
    QStringList groups;
    for (QAction* a : more->actions()) groups << a->text();
    EXPECT_EQ(groups, (QStringList{"系统(&S)", "算命(&C)", "星座(&Z)", "八字与姓名"}));
}

}  // namespace
