#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest/QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/FakePlatform.h"
#include "readings/Untgz.h"
#include "store/ConnStr.h"
#include "tests/readings/WindowTestSupport.h"
#include "tests/support/SqliteFixture.h"

namespace {

const char* kDream = R"(
    CREATE TABLE chenggu1 (year TEXT, weight REAL);
    INSERT INTO chenggu1 VALUES ('1984', 1.2), ('2019', 2.0);
    CREATE TABLE chenggu2 (month TEXT, weight REAL);
    INSERT INTO chenggu2 VALUES ('正', 0.6), ('腊', 0.5);
    CREATE TABLE chenggu3 (day TEXT, weight REAL);
    INSERT INTO chenggu3 VALUES ('初一', 0.5), ('三十', 0.6);
    CREATE TABLE chenggu4 (time TEXT, weight REAL);
    INSERT INTO chenggu4 VALUES ('0', 0.9), ('1', 1.0), ('2', 0.5);
    CREATE TABLE chenggu (weight TEXT, content TEXT);
    INSERT INTO chenggu VALUES ('32', ' 三两二钱之诗。 '), ('33', '三两三钱之诗。'), ('28', '二两八钱之诗。'),
                               ('40', '四两之诗。'), ('36', '三两六钱之诗。');
)";

class BoneWeightForm : public ::testing::Test {
protected:
    void SetUp() override {
        MakeSqliteDb(dir.File("dream.dll"), kDream);
        program = std::make_unique<ScopedProgramDir>(dir.path().string());
        form = new TFrmgzfx;
    }
    void TearDown() override { delete form.data(); }

    // The window as the main window's command leaves it.
    TFrmgzfx* Shown(QDate today = QDate(2024, 2, 10)) {
        fake.today = today;
        form->show();
        return form;
    }
    QComboBox* List(const char* name) { return Named<QComboBox>(form, name); }
    void Pick(const char* list, const QString& item) {
        QComboBox* box = List(list);
        const int at = box->findText(item);
        ASSERT_GE(at, 0) << list << " " << item.toStdString();
        box->setCurrentIndex(at);
    }
    void Click(const char* button) { QTest::mouseClick(Named<QPushButton>(form, button), Qt::LeftButton); }
    QStringList Results() { return {LabelText(form, "RzLabel2"), LabelText(form, "RzLabel1")}; }

    FakePlatform fake;
    TempDir dir;
    std::unique_ptr<ScopedProgramDir> program;
    QPointer<TFrmgzfx> form;
};

TEST_F(BoneWeightForm, ControlsAsLaidOut) {
    Shown();
    EXPECT_EQ(form->objectName(), "Frmgzfx");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("骨重分析"));
    EXPECT_EQ(form->size(), QSize(281, 154));
    EXPECT_TRUE(HasOnlyACloseBox(form));
    EXPECT_TRUE(form->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(form->font().pixelSize(), 12);

    struct Text {
        const char* name;
        QString text;
    };
    const Text texts[] = {
        {"RzLabel4", QStringLiteral("生日：")},
        {"RzLabel5", QStringLiteral("年")},
        {"RzLabel6", QStringLiteral("月")},
        {"RzLabel7", QStringLiteral("日")},
        {"RzLabel8", QStringLiteral("时")},
        {"RzLabel2", {}},
        {"RzLabel1", {}},
        {"RzLabel3",
         QStringLiteral(
             "注：骨重是通过出生时农历的年月日时辰来获得，骨重代表一个人的事业、健康、财运、福运！")},
    };
    for (const Text& t : texts) EXPECT_EQ(LabelText(form, t.name), t.text) << t.name;
    EXPECT_EQ(Named<QPushButton>(form, "RzBitBtn1")->text(), QStringLiteral("测算"));
    EXPECT_EQ(Named<QPushButton>(form, "RzBitBtn2")->text(), QStringLiteral("关闭"));
    // 测算 above 关闭, at the right of the lists.
    EXPECT_LT(Named<QPushButton>(form, "RzBitBtn1")->y(), Named<QPushButton>(form, "RzBitBtn2")->y());
    EXPECT_GT(Named<QPushButton>(form, "RzBitBtn1")->x(), List("ComboBoxmonth")->geometry().right());
    EXPECT_EQ(Named<QLabel>(form, "RzLabel2")->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(Named<QLabel>(form, "RzLabel1")->wordWrap());
    EXPECT_TRUE(Named<QLabel>(form, "RzLabel3")->wordWrap());
    // Weight line above the verse in the middle group, the note below both.
    EXPECT_EQ(Named<QLabel>(form, "RzLabel1")->parentWidget(),
              Named<QLabel>(form, "RzLabel2")->parentWidget());
    EXPECT_LT(Named<QLabel>(form, "RzLabel2")->y(), Named<QLabel>(form, "RzLabel1")->y());

    struct ListCase {
        const char* name;
        int count;
        QString first, last, selected;
    };
    const ListCase lists[] = {
        {"ComboBoxyear", 120, "1900", "2019", ""},
        {"ComboBoxmonth", 12, QStringLiteral("正"), QStringLiteral("腊"), QStringLiteral("正")},
        {"ComboBoxday", 30, QStringLiteral("初一"), QStringLiteral("三十"), QStringLiteral("初一")},
        {"ComboBoxtime", 24, "0", "23", "0"},
    };
    for (const ListCase& l : lists) {
        QComboBox* box = List(l.name);
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(box->isEditable()) << l.name;  // picking only
        EXPECT_EQ(box->count(), l.count) << l.name;
        EXPECT_EQ(box->itemText(0), l.first) << l.name;
        EXPECT_EQ(box->itemText(box->count() - 1), l.last) << l.name;
        EXPECT_EQ(box->currentText(), l.selected) << l.name;
    }
}

TEST_F(BoneWeightForm, ShowingSelectsTheCurrentYearWhenItIsListed) {
    struct Case {
        QDate today;
        QString selected;
    };
    const Case cases[] = {
        {QDate(1984, 6, 1), "1984"}, {QDate(1900, 1, 1), "1900"}, {QDate(2019, 12, 31), "2019"},
        {QDate(2020, 1, 1), ""},     {QDate(1899, 12, 31), ""},   {QDate(2031, 3, 5), ""},
    };
    for (const Case& c : cases) {
        delete form.data();
        form = new TFrmgzfx;
        EXPECT_EQ(List("ComboBoxyear")->count(), 0);  // filled when shown
        Shown(c.today);
        EXPECT_EQ(List("ComboBoxyear")->currentText(), c.selected) << c.today.toString().toStdString();
        EXPECT_EQ(List("ComboBoxyear")->count(), 120);
    }
}

TEST_F(BoneWeightForm, ShowingBindsTheQueryToDream) {
    EXPECT_EQ(form->AdoMOTQuery().ConnectionString(), "");
    Shown();
    EXPECT_EQ(form->AdoMOTQuery().ConnectionString(), GetDreamConnStr());
    EXPECT_NE(form->AdoMOTQuery().ConnectionString().find(dir.path().string()), std::string::npos);

    // Shown again, the year list is filled afresh, not added to.
    Pick("ComboBoxyear", "1950");
    form->hide();
    form->show();
    EXPECT_EQ(List("ComboBoxyear")->count(), 120);
    EXPECT_EQ(List("ComboBoxyear")->currentText(), "");
}

TEST_F(BoneWeightForm, ReadingOfThePickedBirth) {
    Shown(QDate(1984, 2, 10));
    Click("RzBitBtn1");  // 1984 正 初一 0: 1.2 + 0.6 + 0.5 + 0.9
    EXPECT_EQ(Results(),
              QStringList({QStringLiteral("你的骨重为：3两2钱"), QStringLiteral("三两二钱之诗。")}));

    // Two clock hours of one double hour weigh differently.
    Pick("ComboBoxtime", "1");
    Click("RzBitBtn1");
    EXPECT_EQ(Results(),
              QStringList({QStringLiteral("你的骨重为：3两3钱"), QStringLiteral("三两三钱之诗。")}));
    Pick("ComboBoxtime", "2");
    Click("RzBitBtn1");
    EXPECT_EQ(Results(),
              QStringList({QStringLiteral("你的骨重为：2两8钱"), QStringLiteral("二两八钱之诗。")}));

    // A whole number of 两 has no 钱 part: 2.0 + 0.5 + 0.6 + 0.9.
    form->RunReadingFor("2019", QStringLiteral("腊"), QStringLiteral("三十"), "0");
    EXPECT_EQ(Results(), QStringList({QStringLiteral("你的骨重为：4两"), QStringLiteral("四两之诗。")}));
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST_F(BoneWeightForm, WeightWithoutVerseEmptiesTheLineAndKeepsTheVerse) {
    Shown(QDate(1984, 2, 10));
    Click("RzBitBtn1");
    // 1984 正 初一 "3": the hour has no row and adds 0; 2.3 has no verse.
    form->RunReadingFor("1984", QStringLiteral("正"), QStringLiteral("初一"), "3");
    EXPECT_EQ(Results(), QStringList({"", QStringLiteral("三两二钱之诗。")}));
    EXPECT_TRUE(fake.infos.isEmpty());
}

TEST_F(BoneWeightForm, NoYearAsksForOne) {
    Shown(QDate(2024, 2, 10));  // 2024 is not listed: no year selected
    Click("RzBitBtn1");
    EXPECT_EQ(fake.infos, QStringList({QStringLiteral("请选择年！")}));
    EXPECT_EQ(Results(), QStringList({"", ""}));

    form->RunReadingFor("1984", QStringLiteral("正"), QStringLiteral("初一"), "0");
    List("ComboBoxyear")->setCurrentIndex(-1);
    Click("RzBitBtn1");
    EXPECT_EQ(fake.infos.size(), 2);
    EXPECT_EQ(Results(),
              QStringList({QStringLiteral("你的骨重为：3两2钱"), QStringLiteral("三两二钱之诗。")}));
}

TEST_F(BoneWeightForm, StatementThatCannotRunLeavesTheLabelsSilently) {
    Shown(QDate(1984, 2, 10));
    Click("RzBitBtn1");
    const QStringList before = Results();
    ASSERT_EQ(before[0], QStringLiteral("你的骨重为：3两2钱"));

    // The hour table missing; then the verse table; then the whole file; then a file that is none.
    MakeSqliteDb(dir.File("dream.dll"), std::string(kDream) + "DROP TABLE chenggu4;");
    form->RunReadingFor("1984", QStringLiteral("正"), QStringLiteral("初一"), "1");
    MakeSqliteDb(dir.File("dream.dll"), std::string(kDream) + "DROP TABLE chenggu;");
    form->RunReadingFor("1984", QStringLiteral("正"), QStringLiteral("初一"), "2");
    std::filesystem::remove(dir.File("dream.dll"));
    form->RunReadingFor("1984", QStringLiteral("正"), QStringLiteral("初一"), "1");
    WriteFile(dir.File("dream.dll"), "not a database");
    form->RunReadingFor("1984", QStringLiteral("正"), QStringLiteral("初一"), "2");

    EXPECT_EQ(Results(), before);
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST_F(BoneWeightForm, CloseButtonDestroysTheWindow) {
    Shown();
    Click("RzBitBtn2");
    RunDeferredDeletes();
    EXPECT_TRUE(form.isNull());
}

// The window with the content databases the build makes.
class BoneWeightBuiltContent : public ::testing::Test {
protected:
    // The verse the content sources give a weight key.
    static QString SourceVerse(const std::string& key) {
        std::ifstream in(std::string(KELVARO_SOURCE_DIR) + "/content/readings/chenggu.tsv");
        for (std::string line; std::getline(in, line);)
            if (line.rfind(key + "\t", 0) == 0)
                return QString::fromStdString(line.substr(key.size() + 1)).trimmed();
        return QStringLiteral("<no verse for %1>").arg(QString::fromStdString(key));
    }

    FakePlatform fake;
    ScopedProgramDir program{KELVARO_BIN_DIR};
};

TEST_F(BoneWeightBuiltContent, TraditionalWeightsGiveTheirVerse) {
    ASSERT_TRUE(std::filesystem::exists(std::string(KELVARO_BIN_DIR) + "/dream.dll"));
    fake.today = QDate(1984, 5, 1);
    QPointer<TFrmgzfx> w = new TFrmgzfx;
    w->show();
    struct Case {
        QString year, month, day, hour, line;
        std::string key;
    };
    // 甲子 1984 weighs 1两2钱, 正月 6钱, 初一 5钱, 子 hour 1两6钱, 寅 hour 7钱, 十一月 9钱, 三十 6钱, 亥 hour
    // 6钱.
    const Case cases[] = {
        {"1984", QStringLiteral("正"), QStringLiteral("初一"), "0", QStringLiteral("你的骨重为：3两9钱"),
         "39"},
        {"1984", QStringLiteral("正"), QStringLiteral("初一"), "23", QStringLiteral("你的骨重为：3两9钱"),
         "39"},
        {"1984", QStringLiteral("正"), QStringLiteral("初一"), "3", QStringLiteral("你的骨重为：3两"), "30"},
        {"1984", QStringLiteral("十一"), QStringLiteral("三十"), "22", QStringLiteral("你的骨重为：3两3钱"),
         "33"},
    };
    for (const Case& c : cases) {
        w->RunReadingFor(c.year, c.month, c.day, c.hour);
        EXPECT_EQ(LabelText(w, "RzLabel2"), c.line) << c.key;
        EXPECT_EQ(LabelText(w, "RzLabel1"), SourceVerse(c.key)) << c.key;
    }
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_TRUE(fake.errors.isEmpty());

    ExpectTextsFit(w);
    SaveShot(w, "bone-weight.png");
    delete w.data();
}

}  // namespace
