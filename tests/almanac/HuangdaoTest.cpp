#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest/QTest>
#include <filesystem>
#include <map>
#include <memory>

#include "almanac/huangdao.h"
#include "platform/FakePlatform.h"
#include "store/ConnStr.h"
#include "tests/support/SqliteFixture.h"

// Readable failures: texts as text, not as arrays of code units.
void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

const char* const kColumns[] = {"gn",   "nn",   "suici", "tszf", "wuhang", "cong",
                                "pzbj", "jsyq", "yi",    "xsyq", "ji",     "jishi"};

// Three rows, each column with a value of its own; blanks around some values must go.
const std::vector<std::map<std::string, std::string>> kRows = {
    {{"gn", "2024-02-10"},
     {"nn", "农历正月初一"},
     {"suici", " 甲辰年 "},
     {"tszf", "占门栖"},
     {"wuhang", "覆灯火"},
     {"cong", "冲狗"},
     {"pzbj", "甲不开仓"},
     {"jsyq", "守日"},
     {"yi", "嫁娶 开光"},
     {"xsyq", "厌对"},
     {"ji", "入宅"},
     {"jishi", " 甲子凶 乙丑凶 "}},
    {{"gn", "2010-05-01"},
     {"nn", "农历三月十八"},
     {"suici", "庚寅年"},
     {"tszf", "厨灶床"},
     {"wuhang", "钗钏金"},
     {"cong", "冲蛇"},
     {"pzbj", "辛不合酱"},
     {"jsyq", "天恩"},
     {"yi", "塞穴"},
     {"xsyq", "游祸"},
     {"ji", "诸事不宜"},
     {"jishi", "戊子凶"}},
    {{"gn", "2012-02-29"},
     {"nn", "农历二月初八"},
     {"suici", "壬辰年"},
     {"tszf", "仓库栖"},
     {"wuhang", "长流水"},
     {"cong", "冲马"},
     {"pzbj", "癸不词讼"},
     {"jsyq", "月德"},
     {"yi", "祭祀"},
     {"xsyq", "月害"},
     {"ji", "开市"},
     {"jishi", "壬子吉"}},
};

// The table with every column but `without`.
std::string AlmanacSql(const std::string& without = {}) {
    std::string names, sql;
    for (const char* column : kColumns) {
        if (column == without) continue;
        names += (names.empty() ? "" : ", ") + std::string(column);
    }
    sql = "CREATE TABLE huangdao (" + names + ");";
    for (const auto& row : kRows) {
        std::string values;
        for (const char* column : kColumns) {
            if (column == without) continue;
            values += (values.empty() ? "'" : ", '") + row.at(column) + "'";
        }
        sql += "INSERT INTO huangdao (" + names + ") VALUES (" + values + ");";
    }
    return sql;
}

QStringList Entry20240210(bool withHours) {
    QStringList lines = {
        QStringLiteral("岁次:甲辰年"),
        "",
        QStringLiteral("每日胎神占方:占门栖"),
        "",
        QStringLiteral("五行:覆灯火"),
        "",
        QStringLiteral("冲:冲狗"),
        "",
        QStringLiteral("彭祖百忌:甲不开仓"),
        "",
        QStringLiteral("吉神宜趋:守日"),
        "",
        QStringLiteral("宜:嫁娶 开光"),
        "",
        QStringLiteral("凶神宜忌:厌对"),
        "",
        QStringLiteral("忌:入宅"),
    };
    if (withHours) lines << "" << QStringLiteral("本日吉时如下:") << QStringLiteral("甲子凶 乙丑凶");
    return lines;
}

std::vector<TFormHuangdao*> AlmanacWindows() {
    std::vector<TFormHuangdao*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* almanac = qobject_cast<TFormHuangdao*>(w)) windows.push_back(almanac);
    return windows;
}

void RunDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

template <class T>
T& Child(QWidget* window, const char* name) {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    if (!child) throw std::runtime_error(std::string("no control ") + name);
    return *child;
}

class Almanac : public ::testing::Test {
protected:
    void SetUp() override {
        MakeSqliteDb(dir.File("VorFile.dll"), AlmanacSql());
        programDir = std::make_unique<ScopedProgramDir>(dir.path().string());
    }
    void TearDown() override {
        for (TFormHuangdao* w : AlmanacWindows()) delete w;
    }

    QString Summary(QWidget* w) { return Child<QLabel>(w, "Label1").text(); }
    QStringList Lines(QWidget* w) {
        const QString text = Child<QPlainTextEdit>(w, "Memo1").toPlainText();
        return text.isEmpty() ? QStringList() : text.split(u'\n');
    }
    void SetTexts(QWidget* w, const QString& year, const QString& month, const QString& day) {
        Child<QComboBox>(w, "SYear").setEditText(year);
        Child<QComboBox>(w, "SMonth").setEditText(month);
        Child<QComboBox>(w, "Sday").setEditText(day);
    }
    void Click(QWidget* w, const char* button) {
        QTest::mouseClick(&Child<QPushButton>(w, button), Qt::LeftButton);
    }

    FakePlatform fake;  // today is 2024-02-10
    TempDir dir;
    std::unique_ptr<ScopedProgramDir> programDir;
};

TEST_F(Almanac, WindowHasTheControlsOfItsTable) {
    TFormHuangdao* w = OpenAlmanacToday(nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("黄道吉日"));
    EXPECT_EQ(w->size(), QSize(600, 464));
    EXPECT_TRUE(w->isWindow());
    EXPECT_FALSE(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w->font().families().value(0), QStringLiteral("宋体"));
    EXPECT_EQ(w->font().pixelSize(), 12);

    const QWidget& panel = Child<QWidget>(w, "Panel1");
    EXPECT_EQ(panel.geometry(), QRect(0, 0, 600, 464));
    EXPECT_EQ(panel.palette().color(QPalette::Window), QColor(0xCD, 0xED, 0xFC));

    const struct {
        const char* name;
        QRect geometry;
        QString title;
    } frames[] = {
        {"RzGroupBox2", {4, 0, 593, 61}, QString()},
        {"RzGroupBox1", {4, 63, 593, 242}, QStringLiteral("测算结果：")},
        {"RzGroupBox3", {4, 308, 593, 154}, QStringLiteral("黄历名词解释：")},
    };
    for (const auto& f : frames) {
        const QGroupBox& frame = Child<QGroupBox>(w, f.name);
        EXPECT_EQ(frame.geometry(), f.geometry) << f.name;
        EXPECT_EQ(frame.title(), f.title) << f.name;
    }

    const struct {
        const char* name;
        QRect geometry;
        int items;
        const char* first;
        const char* last;
    } boxes[] = {
        {"SYear", {79, 11, 54, 20}, 11, "2010", "2020"},
        {"SMonth", {152, 11, 41, 20}, 12, "01", "12"},
        {"Sday", {207, 11, 41, 20}, 31, "01", "31"},
    };
    for (const auto& b : boxes) {
        const QComboBox& box = Child<QComboBox>(w, b.name);
        EXPECT_EQ(box.parentWidget()->objectName(), "RzGroupBox2");
        EXPECT_EQ(box.geometry(), b.geometry) << b.name;
        EXPECT_TRUE(box.isEditable()) << b.name;
        ASSERT_EQ(box.count(), b.items) << b.name;
        EXPECT_EQ(box.itemText(0), b.first);
        EXPECT_EQ(box.itemText(b.items - 1), b.last);
    }

    const struct {
        const char* name;
        int left;
        QString caption;
    } buttons[] = {
        {"RzBitBtn1", 396, QStringLiteral("测算")},
        {"RzBitBtn3", 457, QStringLiteral("打印")},
        {"RzBitBtn2", 518, QStringLiteral("关闭")},
    };
    for (const auto& b : buttons) {
        const QPushButton& button = Child<QPushButton>(w, b.name);
        EXPECT_EQ(button.geometry(), QRect(b.left, 10, 60, 23)) << b.name;
        EXPECT_EQ(button.text(), b.caption);
    }

    const struct {
        const char* name;
        int left;
        QString text;
        bool bold;
    } labels[] = {
        {"RzLabel1", 16, QStringLiteral("选择黄历："), false}, {"Label15", 137, QStringLiteral("年"), false},
        {"Label16", 194, QStringLiteral("月"), false},         {"Label17", 251, QStringLiteral("日"), false},
        {"RzLabel3", 16, QStringLiteral("当日统览："), true},
    };
    for (const auto& l : labels) {
        const QLabel& label = Child<QLabel>(w, l.name);
        EXPECT_EQ(label.x(), l.left) << l.name;
        EXPECT_EQ(label.text(), l.text);
        EXPECT_EQ(label.font().bold(), l.bold) << l.name;
    }
    const QLabel& summary = Child<QLabel>(w, "Label1");
    EXPECT_EQ(summary.x(), 80);
    EXPECT_EQ(summary.width(), 377);
    EXPECT_TRUE(summary.font().bold());
    EXPECT_EQ(summary.palette().color(QPalette::WindowText), QColor(Qt::red));

    const QCheckBox& hours = Child<QCheckBox>(w, "RzCheckBox1");
    EXPECT_EQ(hours.pos().x(), 270);
    EXPECT_EQ(hours.text(), QStringLiteral("包括吉时"));
    EXPECT_TRUE(hours.isChecked());

    const QPlainTextEdit& memo1 = Child<QPlainTextEdit>(w, "Memo1");
    const QPlainTextEdit& memo2 = Child<QPlainTextEdit>(w, "Memo2");
    EXPECT_EQ(memo1.parentWidget()->objectName(), "RzGroupBox1");
    EXPECT_EQ(memo2.parentWidget()->objectName(), "RzGroupBox3");
    EXPECT_FALSE(memo1.isReadOnly());
    EXPECT_TRUE(memo2.isReadOnly());
    for (const QPlainTextEdit* memo : {&memo1, &memo2})
        EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    const QStringList glossary = memo2.toPlainText().split(u'\n');
    ASSERT_EQ(glossary.size(), 34);
    EXPECT_EQ(glossary[0], QStringLiteral("嫁娶 ：男娶女嫁，举行结婚大典的吉日 "));
    EXPECT_EQ(glossary[12], QStringLiteral("今社会上多已滥用属阴宅择日时属阴宅须辨别之。 "));
    EXPECT_EQ(glossary[18], QStringLiteral("事(2)新设店铺商行或新厂开幕等事 "));
    EXPECT_EQ(glossary[33], QStringLiteral("挂匾 ：指悬挂招牌或各种匾额"));
}

TEST_F(Almanac, OpensOnTodaysRow) {
    TFormHuangdao* w = OpenAlmanacToday(nullptr);
    EXPECT_EQ(Child<QComboBox>(w, "SYear").currentText(), "2024");
    EXPECT_EQ(Child<QComboBox>(w, "SMonth").currentText(), "02");
    EXPECT_EQ(Child<QComboBox>(w, "Sday").currentText(), "10");
    EXPECT_EQ(Summary(w), QStringLiteral("2024-02-10  农历正月初一"));
    EXPECT_EQ(Lines(w), Entry20240210(true));
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST_F(Almanac, TodayOutsideTheListsIsSetAsText) {
    fake.today = QDate(2031, 3, 5);
    TFormHuangdao* w = OpenAlmanacToday(nullptr);
    EXPECT_EQ(Child<QComboBox>(w, "SYear").currentText(), "2031");
    EXPECT_EQ(Child<QComboBox>(w, "SMonth").currentText(), "03");
    EXPECT_EQ(Child<QComboBox>(w, "Sday").currentText(), "05");
    EXPECT_EQ(Summary(w), "");  // no row for that day
}

TEST_F(Almanac, TypedDigitsStayAsTyped) {
    TFormHuangdao* w = OpenAlmanacToday(nullptr);
    // Completion acts only in a box that has the focus, as a user's typing does.
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    for (const auto& [name, typed] : {std::pair{"SYear", "2010"}, {"SMonth", "5"}, {"Sday", "1"}}) {
        QComboBox& box = Child<QComboBox>(w, name);
        box.lineEdit()->setFocus();
        ASSERT_TRUE(box.lineEdit()->hasFocus()) << name;
        box.clearEditText();
        QTest::keyClicks(box.lineEdit(), QString::fromLatin1(typed));
        EXPECT_EQ(box.currentText(), typed);
    }
    Click(w, "RzBitBtn1");
    EXPECT_EQ(Summary(w), QStringLiteral("2010-5-1  农历三月十八"));
    EXPECT_EQ(Lines(w).value(0), QStringLiteral("岁次:庚寅年"));
    EXPECT_EQ(Lines(w).value(16), QStringLiteral("忌:诸事不宜"));
}

TEST_F(Almanac, HoursFollowTheCheckBox) {
    TFormHuangdao* w = OpenAlmanacToday(nullptr);
    QTest::mouseClick(&Child<QCheckBox>(w, "RzCheckBox1"), Qt::LeftButton);
    ASSERT_FALSE(Child<QCheckBox>(w, "RzCheckBox1").isChecked());
    Click(w, "RzBitBtn1");
    EXPECT_EQ(Lines(w), Entry20240210(false));
    Child<QCheckBox>(w, "RzCheckBox1").setChecked(true);
    Click(w, "RzBitBtn1");
    EXPECT_EQ(Lines(w), Entry20240210(true));
}

struct BadTexts {
    const char* year;
    const char* month;
    const char* day;
    const char16_t* message;
};
const BadTexts kBadTexts[] = {
    {"", "", "", u"请选择年!"},
    {"  ", "02", "10", u"请选择年!"},
    {"2024", " ", "10", u"请选择月!"},
    {"2024", "02", "", u"请选择日!"},
    {"2011", "02", "29", u"请选择有效的日期!"},
    {"2010", "02", "30", u"请选择有效的日期!"},
    {"2010", "13", "1", u"请选择有效的日期!"},
    {"2010", "5", "1#", u"请选择有效的日期!"},
    {"2010-5", "1", "1", u"请选择有效的日期!"},
};

TEST_F(Almanac, BadTextsAreToldAndChangeNothing) {
    TFormHuangdao* w = OpenAlmanacToday(nullptr);
    for (const BadTexts& bad : kBadTexts) {
        fake.infos.clear();
        SetTexts(w, bad.year, bad.month, bad.day);
        Click(w, "RzBitBtn1");
        EXPECT_EQ(fake.infos, QStringList{QString::fromUtf16(bad.message)})
            << bad.year << "-" << bad.month << "-" << bad.day;
        EXPECT_EQ(Summary(w), QStringLiteral("2024-02-10  农历正月初一"));
        EXPECT_EQ(Lines(w), Entry20240210(true));
    }
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST_F(Almanac, QueryCommandChecksBeforeOpening) {
    for (const BadTexts& bad : kBadTexts) {
        fake.infos.clear();
        EXPECT_EQ(OpenAlmanacFor(bad.year, bad.month, bad.day, nullptr), nullptr);
        EXPECT_EQ(fake.infos, QStringList{QString::fromUtf16(bad.message)});
    }
    EXPECT_TRUE(AlmanacWindows().empty());

    fake.infos.clear();
    TFormHuangdao* w = OpenAlmanacFor("2012", "02", "29", nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(CurrentAlmanacWindow(), w);
    EXPECT_EQ(Child<QComboBox>(w, "SYear").currentText(), "2012");  // not today's
    EXPECT_EQ(Summary(w), QStringLiteral("2012-02-29  农历二月初八"));
    EXPECT_TRUE(fake.infos.isEmpty());
}

TEST_F(Almanac, DateWithoutRowLeavesTheEntryOnShow) {
    TFormHuangdao* w = OpenAlmanacToday(nullptr);
    SetTexts(w, "2030", "1", "1");
    Click(w, "RzBitBtn1");
    EXPECT_EQ(Summary(w), QStringLiteral("2024-02-10  农历正月初一"));
    EXPECT_EQ(Lines(w), Entry20240210(true));
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST_F(Almanac, MissingFileReachesTheErrorReport) {
    std::filesystem::remove(dir.File("VorFile.dll"));
    TFormHuangdao* w = OpenAlmanacToday(nullptr);
    ASSERT_EQ(fake.errors.size(), 1);
    EXPECT_TRUE(fake.errors[0].contains("VorFile.dll")) << fake.errors[0].toStdString();
    EXPECT_EQ(Summary(w), "");
    EXPECT_TRUE(Lines(w).isEmpty());

    // The file comes back: the same window finds the row; it goes again: the entry stays.
    MakeSqliteDb(dir.File("VorFile.dll"), AlmanacSql());
    Click(w, "RzBitBtn1");
    EXPECT_EQ(Lines(w), Entry20240210(true));
    WriteFile(dir.File("VorFile.dll"), "no database");
    Click(w, "RzBitBtn1");
    EXPECT_EQ(fake.errors.size(), 2);
    EXPECT_EQ(Lines(w), Entry20240210(true));
    EXPECT_TRUE(fake.infos.isEmpty());
}

TEST_F(Almanac, MissingColumnsStopAtTheirStep) {
    TFormHuangdao* w = OpenAlmanacFor("2010", "05", "01", nullptr);
    const QStringList before = Lines(w);
    ASSERT_EQ(before.value(0), QStringLiteral("岁次:庚寅年"));

    // Without `nn` nothing changes.
    MakeSqliteDb(dir.File("VorFile.dll"), AlmanacSql("nn"));
    SetTexts(w, "2024", "02", "10");
    Click(w, "RzBitBtn1");
    ASSERT_EQ(fake.errors.size(), 1);
    EXPECT_TRUE(fake.errors[0].contains("nn")) << fake.errors[0].toStdString();
    EXPECT_EQ(Summary(w), QStringLiteral("2010-05-01  农历三月十八"));
    EXPECT_EQ(Lines(w), before);

    // Without `ji` the summary is shown and the lines of the last entry stay whole.
    MakeSqliteDb(dir.File("VorFile.dll"), AlmanacSql("ji"));
    Click(w, "RzBitBtn1");
    ASSERT_EQ(fake.errors.size(), 2);
    EXPECT_TRUE(fake.errors[1].contains("ji")) << fake.errors[1].toStdString();
    EXPECT_EQ(Summary(w), QStringLiteral("2024-02-10  农历正月初一"));
    EXPECT_EQ(Lines(w), before);

    // Without `jishi` the entry ends with its "忌:" line, and no error is told.
    MakeSqliteDb(dir.File("VorFile.dll"), AlmanacSql("jishi"));
    Click(w, "RzBitBtn1");
    EXPECT_EQ(fake.errors.size(), 2);
    EXPECT_EQ(Lines(w), Entry20240210(false));
}

TEST_F(Almanac, PrintsTheLinesOnA4) {
    TFormHuangdao* w = OpenAlmanacToday(nullptr);
    Click(w, "RzBitBtn3");
    ASSERT_EQ(fake.printed.size(), 1u);
    EXPECT_EQ(fake.printed[0].lines, Entry20240210(true));
    EXPECT_EQ(fake.printed[0].title, QStringLiteral("黄道吉日"));
    const PageSettings& page = fake.printed[0].page;
    EXPECT_EQ(page.paper, QPageSize::A4);
    EXPECT_EQ(page.marginsMm, QMarginsF(12.7, 12.7, 12.7, 12.7));
    EXPECT_DOUBLE_EQ(page.headerMm, 6.35);
    EXPECT_DOUBLE_EQ(page.footerMm, 6.35);
    EXPECT_FALSE(page.landscape);
    EXPECT_EQ(fake.pageSetups, 0);

    // The box is the user's to edit; what it holds is printed.
    Child<QPlainTextEdit>(w, "Memo1").setPlainText(QStringLiteral("宜:嫁娶\n备注"));
    Click(w, "RzBitBtn3");
    ASSERT_EQ(fake.printed.size(), 2u);
    EXPECT_EQ(fake.printed[1].lines, QStringList({QStringLiteral("宜:嫁娶"), QStringLiteral("备注")}));
}

TEST_F(Almanac, NothingToPrintPrintsNothing) {
    fake.today = QDate(2030, 1, 1);  // no row: the box stays empty
    TFormHuangdao* w = OpenAlmanacToday(nullptr);
    ASSERT_TRUE(Lines(w).isEmpty());
    Click(w, "RzBitBtn3");
    Child<QPlainTextEdit>(w, "Memo1").setPlainText(" \n\t\n ");
    Click(w, "RzBitBtn3");
    EXPECT_TRUE(fake.printed.empty());
    EXPECT_TRUE(fake.infos.isEmpty());
}

TEST_F(Almanac, EveryOpeningIsANewWindowThatEndsWhenClosed) {
    QPointer<TFormHuangdao> first = OpenAlmanacToday(nullptr);
    QPointer<TFormHuangdao> second = OpenAlmanacToday(nullptr);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.data(), second.data());
    EXPECT_EQ(AlmanacWindows().size(), 2u);
    EXPECT_EQ(CurrentAlmanacWindow(), second.data());

    Click(first, "RzBitBtn2");  // "关闭"
    RunDeferredDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(CurrentAlmanacWindow(), second.data());  // closing another window keeps it

    second->close();  // the title bar's close box
    EXPECT_EQ(CurrentAlmanacWindow(), nullptr);
    RunDeferredDeletes();
    EXPECT_TRUE(second.isNull());
}

TEST_F(Almanac, WindowEndsWithItsParent) {
    auto parent = std::make_unique<QWidget>();
    parent->show();
    QPointer<TFormHuangdao> w = OpenAlmanacToday(parent.get());
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->parentWidget(), parent.get());
    EXPECT_EQ(Lines(w), Entry20240210(true));
    parent.reset();
    EXPECT_TRUE(w.isNull());
}

// Against the content the build installs beside the program.
class AlmanacContent : public ::testing::Test {
protected:
    FakePlatform fake;
    ScopedProgramDir programDir{KELVARO_BIN_DIR};
    void TearDown() override {
        for (TFormHuangdao* w : AlmanacWindows()) delete w;
    }
    QStringList Lines(QWidget* w) { return Child<QPlainTextEdit>(w, "Memo1").toPlainText().split(u'\n'); }
};

TEST_F(AlmanacContent, SpringFestival2024) {
    TFormHuangdao* w = OpenAlmanacToday(nullptr);
    EXPECT_EQ(Child<QLabel>(w, "Label1").text(),
              QStringLiteral("2024-02-10  农历正月初一 甲辰年 丙寅月 甲辰日"));
    EXPECT_EQ(Lines(w), QStringList({
                            QStringLiteral("岁次:甲辰年(龙) 丙寅月 甲辰日"),
                            "",
                            QStringLiteral("每日胎神占方:占门栖 房内东"),
                            "",
                            QStringLiteral("五行:覆灯火 满执位"),
                            "",
                            QStringLiteral("冲:冲狗(戊戌) 煞南"),
                            "",
                            QStringLiteral("彭祖百忌:甲不开仓财物耗散 辰不哭泣必主重丧"),
                            "",
                            QStringLiteral("吉神宜趋:守日 天巫 福德 六仪 金堂 金匮"),
                            "",
                            QStringLiteral("宜:嫁娶 开光 求嗣 会亲友 安床 牧养 塑绘 针灸"),
                            "",
                            QStringLiteral("凶神宜忌:厌对 招摇 九空 九坎 九焦 复日"),
                            "",
                            QStringLiteral("忌:入宅 移徙 出火 分居 安香 作灶 开市 交易 立券 安葬 动土 伐木"),
                            "",
                            QStringLiteral("本日吉时如下:"),
                            QStringLiteral("甲子凶 乙丑凶 丙寅吉 丁卯凶 戊辰吉 己巳吉 庚午凶 辛未凶 壬申吉 "
                                           "癸酉吉 甲戌凶 乙亥吉"),
                        }));
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST_F(AlmanacContent, KeyAsTypedFindsTheStoredDate) {
    TFormHuangdao* w = OpenAlmanacFor("2010", "5", "1", nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Child<QLabel>(w, "Label1").text(),
              QStringLiteral("2010-5-1  农历三月十八 庚寅年 庚辰月 辛亥日"));
    EXPECT_EQ(Lines(w).value(0), QStringLiteral("岁次:庚寅年(虎) 庚辰月 辛亥日"));
    EXPECT_EQ(Lines(w).value(16), QStringLiteral("忌:诸事不宜"));
    EXPECT_EQ(Lines(w).size(), 20);

    Child<QCheckBox>(w, "RzCheckBox1").setChecked(false);
    QTest::mouseClick(&Child<QPushButton>(w, "RzBitBtn1"), Qt::LeftButton);
    EXPECT_EQ(Lines(w).size(), 17);
    EXPECT_EQ(Lines(w).last(), QStringLiteral("忌:诸事不宜"));
    EXPECT_TRUE(fake.errors.isEmpty());
}

// Every text of the window fits its control, with the longest summary of the table on show.
// KELVARO_SHOT_DIR, when set, receives a picture of the window.
TEST_F(AlmanacContent, TextsFitTheirControls) {
    TFormHuangdao* w = OpenAlmanacFor("1903", "06", "25", nullptr);  // 农历闰五月初一: the longest `nn`
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(Child<QLabel>(w, "Label1").text(),
              QStringLiteral("1903-06-25  农历闰五月初一 癸卯年 戊午月 甲申日"));
    QApplication::processEvents();
    for (QLabel* label : w->findChildren<QLabel*>()) {
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width())
            << label->objectName().toStdString();
        EXPECT_GE(label->contentsRect().height(), metrics.height()) << label->objectName().toStdString();
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry()))
            << label->objectName().toStdString();
    }
    for (QWidget* control : w->findChildren<QWidget*>()) {
        if (!control->isVisible() || !control->parentWidget() || control->objectName().isEmpty()) continue;
        EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry()))
            << control->objectName().toStdString();
    }
    const QCheckBox& hours = Child<QCheckBox>(w, "RzCheckBox1");
    EXPECT_GE(hours.width(), hours.sizeHint().width());
    EXPECT_LE(hours.geometry().right(), Child<QPushButton>(w, "RzBitBtn1").x());
    for (const char* name : {"RzBitBtn1", "RzBitBtn3", "RzBitBtn2"}) {
        const QPushButton& button = Child<QPushButton>(w, name);
        EXPECT_LE(QFontMetrics(button.font()).horizontalAdvance(button.text()) + 8, button.width()) << name;
    }
    if (const QByteArray shots = qgetenv("KELVARO_SHOT_DIR"); !shots.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(shots));
        EXPECT_TRUE(w->grab().save(QDir(QString::fromLocal8Bit(shots)).filePath("almanac.png")));
    }
}

}  // namespace
