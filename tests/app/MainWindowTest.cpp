#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "app/Unt_Main.h"
#include "platform/FakePlatform.h"
#include "platform/QtPlatform.h"
#include "store/ConnStr.h"

namespace {

QStringList MenuCaptions(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions) out << (a->isSeparator() ? QStringLiteral("---") : a->text());
    return out;
}

void Tick(QTimer* timer) { ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection)); }

QList<QAction*> AllEntries(QMenu* menu) {
    QList<QAction*> out;
    for (QAction* a : menu->actions()) {
        if (a->menu())
            out += AllEntries(a->menu());
        else if (!a->isSeparator())
            out << a;
    }
    return out;
}

class MainWindow : public ::testing::Test {
protected:
    FakePlatform fake;
    std::unique_ptr<TFrmmain> window = std::make_unique<TFrmmain>();

    QAction* Entry(const QString& path) {
        QAction* a = window->FindMenuAction(path);
        EXPECT_NE(a, nullptr) << path.toStdString();
        return a;
    }
    // Fires an entry the way a click does, after checking it exists and is enabled.
    void Trigger(const QString& path) {
        QAction* a = Entry(path);
        ASSERT_NE(a, nullptr);
        ASSERT_TRUE(a->isEnabled());
        a->trigger();
    }
    template <typename T>
    T* Child(const char* name) {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    bool NothingHappened() const {
        return fake.infos.isEmpty() && fake.errors.isEmpty() && fake.modalShown.isEmpty() &&
               fake.openedAddresses.isEmpty() && fake.printed.empty();
    }
};

TEST_F(MainWindow, CaptionSizeAndFrame) {
    EXPECT_EQ(window->windowTitle(), "Kelvaro");
    EXPECT_EQ(window->minimumSize(), window->maximumSize());  // fixed: cannot be resized
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window->menuBar()->height(), 22);
}

TEST_F(MainWindow, MenuBarHoldsEightMenusInOrder) {
    EXPECT_EQ(MenuCaptions(window->menuBar()->actions()),
              (QStringList{"系统(&X)", "阳宅(&F)", "阴宅(&Y)", "家居(&J)", "运用(&Y)", "吉日(&D)", "工具(&Q)",
                           "帮助(&H)"}));
    EXPECT_EQ(MenuCaptions(Entry("帮助(&H)")->menu()->actions()),
              (QStringList{"客户服务", "给我们发邮件", "公司主页", "关于系统", "---", "软件升级"}));
    EXPECT_EQ(Entry("工具(&Q)/万年历法")->objectName(), "dxBarButton43");
    EXPECT_EQ(Entry("吉日(&D)/黄道吉日")->objectName(), "dxBarButton171");
}

TEST_F(MainWindow, CreationUnbindsEntriesWhoseHintBeginsWithF) {
    int unbound = 0, bound = 0;
    for (int m = 1; m <= 4; ++m) {
        for (QAction* a : AllEntries(window->menuBar()->actions()[m]->menu())) {
            const QString hint = a->property("hint").toString().trimmed();
            if (hint.startsWith('F')) {
                ++unbound;
                EXPECT_FALSE(a->property("bound").toBool()) << a->text().toStdString();
            }
            if (a->property("bound").toBool()) ++bound;
        }
    }
    EXPECT_EQ(unbound, 511);
    EXPECT_EQ(bound, 31);  // the catalogue's article and illustrated entries keep their action
    EXPECT_TRUE(Entry("运用(&Y)/风水常识/风水常识")->property("bound").toBool());
    EXPECT_TRUE(Entry("运用(&Y)/风水布局/财神摆放指南 [图]")->property("bound").toBool());
    EXPECT_FALSE(Entry("运用(&Y)/风水秘术/三合之龙水相配立向秘法")->property("bound").toBool());  // "f493"
    EXPECT_FALSE(Entry("阳宅(&F)/住宅风水/财位的五宜和六忌")->property("bound").toBool());        // "19"
}

TEST_F(MainWindow, EntriesThatDoNothing) {
    window->show();
    for (const char* path :
         {"吉日(&D)/吉日查询", "吉日(&D)/开市吉日", "吉日(&D)/安葬吉日", "工具(&Q)/周公解析",
          "工具(&Q)/解梦全书", "阳宅(&F)/住宅风水/大门布局禁忌", "阴宅(&Y)/公墓风水/公墓之中巧点穴",
          "阴宅(&Y)/寻龙点穴/公墓之中巧点穴", "运用(&Y)/风水秘术/三合之龙水相配立向秘法",
          "阳宅(&F)/住宅风水/财位的五宜和六忌"}) {
        Trigger(QString::fromUtf8(path));
    }
    for (const char* name : {"RzButton4", "RzButton18", "RzButton19", "RzButton20"})
        Child<QPushButton>(name)->click();
    QApplication::processEvents();
    EXPECT_TRUE(NothingHappened());
    const auto windows = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }), 1);
}

TEST_F(MainWindow, LeftPanelButtonsInTheirRows) {
    const char* expected[][2] = {
        {"黄道吉日", "本日吉日"},     {"开市吉日", "交易吉日"},     {"嫁娶吉日", "入宅吉日"},
        {"入学吉日", "纳财吉日"},     {"订盟吉日", "安门吉日"},     {"出行吉日", "开光吉日"},
        {"求嗣吉日", "祈福吉日"},     {"破土吉日", "祭祀吉日"},     {"安葬吉日", "周公解析"},
        {"解梦全书", "打喷嚏占卜"},   {"面热测占卜", "心惊测占卜"}, {"犬吠测占卜", "眼跳测占卜"},
        {"耳热测占卜", "耳鸣测占卜"}, {"手机分析", "QQ号码分析"},   {"数字分析", "网名分析"},
        {"生男生女", "万年历法"}};
    QWidget* panel = Child<QWidget>("RzPanel2Inner");
    ASSERT_NE(panel, nullptr);
    const auto buttons = panel->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(buttons.size(), 32);
    for (QPushButton* b : buttons) {
        EXPECT_EQ(b->size(), QSize(80, 22));
        const int row = (b->y() - 5) / 27, column = b->x() == 5 ? 0 : 1;
        EXPECT_EQ((b->y() - 5) % 27, 0);
        EXPECT_TRUE(b->x() == 5 || b->x() == 91);
        ASSERT_LT(row, 16);
        EXPECT_EQ(b->text(), QString::fromUtf8(expected[row][column]));
    }
    EXPECT_EQ(Child<QPushButton>("RzButton2")->text(), "黄道吉日");
    EXPECT_EQ(Child<QPushButton>("RzButton3")->text(), "本日吉日");
    EXPECT_EQ(Child<QPushButton>("RzButton78")->text(), "万年历法");
}

TEST_F(MainWindow, TopPanel) {
    auto* year = Child<QComboBox>("SYear");
    ASSERT_NE(year, nullptr);
    EXPECT_EQ(year->count(), 11);
    EXPECT_EQ(year->itemText(0), "2010");
    EXPECT_EQ(year->itemText(10), "2020");
    EXPECT_TRUE(year->isEditable());
    EXPECT_EQ(Child<QComboBox>("SMonth")->itemText(0), "01");
    EXPECT_EQ(Child<QComboBox>("SMonth")->count(), 12);
    EXPECT_EQ(Child<QComboBox>("Sday")->itemText(30), "31");
    EXPECT_EQ(Child<QPushButton>("RzButton57")->text(), "查询");
    for (auto [name, caption] : {std::pair{"RzButton58", "客户服务"},
                                 {"RzButton59", "软件主页"},
                                 {"RzButton60", "QQ对话"},
                                 {"RzButton61", "退出软件"}}) {
        EXPECT_EQ(Child<QPushButton>(name)->text(), QString::fromUtf8(caption));
        EXPECT_EQ(Child<QPushButton>(name)->size(), QSize(62, 20));
    }
}

TEST_F(MainWindow, ShowFillsEmptyDateBoxesWithToday) {
    fake.today = QDate(2031, 3, 5);  // a year outside the list is set all the same
    window->show();
    EXPECT_EQ(Child<QComboBox>("SYear")->currentText(), "2031");
    EXPECT_EQ(Child<QComboBox>("SMonth")->currentText(), "03");
    EXPECT_EQ(Child<QComboBox>("Sday")->currentText(), "05");
    EXPECT_EQ(window->NameQuery().ConnectionString(), GetFileConnStr());
}

TEST_F(MainWindow, ShowKeepsTextAlreadyPresent) {
    fake.today = QDate(2024, 2, 10);
    Child<QComboBox>("SYear")->setEditText("2012");
    Child<QComboBox>("Sday")->setEditText("  ");  // blanks count as empty
    window->show();
    EXPECT_EQ(Child<QComboBox>("SYear")->currentText(), "2012");
    EXPECT_EQ(Child<QComboBox>("SMonth")->currentText(), "02");
    EXPECT_EQ(Child<QComboBox>("Sday")->currentText(), "10");
}

TEST_F(MainWindow, HelpCommands) {
    Trigger("帮助(&H)/软件升级");
    EXPECT_EQ(fake.infos, QStringList{"感谢你的使用,软件是最新版无需升级!"});
    Trigger("帮助(&H)/给我们发邮件");
    Trigger("帮助(&H)/公司主页");
    Child<QPushButton>("RzButton59")->click();
    Child<QPushButton>("RzButton60")->click();
    ASSERT_EQ(fake.openedAddresses.size(), 4);
    EXPECT_TRUE(fake.openedAddresses[0].startsWith("mailto:"));
    EXPECT_EQ(fake.openedAddresses[1], fake.openedAddresses[2]);  // the button opens the same home page
    EXPECT_TRUE(fake.openedAddresses[3].contains("/msgrd?V=1&Uin="));
    EXPECT_TRUE(fake.openedAddresses[3].endsWith("&Site=????&Menu=yes"));
}

TEST_F(MainWindow, AModalToolIsFreshAtEveryOpening) {
    Trigger("帮助(&H)/关于系统");
    QDialog* first = window->ToolWindow(CommandKind::About);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), "关于系统");
    first->setProperty("seen", true);
    QPointer<QDialog> old(first);
    Trigger("帮助(&H)/关于系统");
    EXPECT_TRUE(old.isNull());  // the earlier window was destroyed
    ASSERT_NE(window->ToolWindow(CommandKind::About), nullptr);
    EXPECT_FALSE(window->ToolWindow(CommandKind::About)->property("seen").isValid());
    EXPECT_EQ(fake.modalShown.size(), 2);

    Child<QPushButton>("RzButton58")->click();
    ASSERT_NE(window->ToolWindow(CommandKind::CustomerService), nullptr);
    EXPECT_EQ(window->ToolWindow(CommandKind::CustomerService)->windowTitle(), "客户服务");
}

TEST_F(MainWindow, ToolCommandsOpenTheirWindows) {
    struct Case {
        const char* menu;    // menu-bar entry
        const char* button;  // left-panel button with the same command
        CommandKind kind;
        const char* objectName;
        const char* title;
    } cases[] = {
        {"工具(&Q)/万年历法", "RzButton78", CommandKind::Calendar, "FRM_Date", "Tesmo日历"},
        {"工具(&Q)/QQ号码分析", "RzButton29", CommandKind::QQ, "FrmQQhm", "QQ号码测试"},
        {"工具(&Q)/更多数字分析", "RzButton30", CommandKind::AnyNumber, "Frm_onther", "任意号码分析"},
        {"工具(&Q)/手机号码分析", "RzButton28", CommandKind::Mobile, "Frm_SJcs", "手机号码测算"},
        {"工具(&Q)/网名分析", "RzButton31", CommandKind::NetName, "FrmWangming", "网名与性格"},
        {"工具(&Q)/生男生女", "RzButton32", CommandKind::BabySex, "Frm_NanNv", "生男生女"},
    };
    window->show();
    for (const Case& c : cases) {
        Trigger(QString::fromUtf8(c.menu));
        QPointer<QDialog> first = window->ToolWindow(c.kind);
        ASSERT_FALSE(first.isNull()) << c.menu;
        EXPECT_EQ(first->objectName(), c.objectName);
        EXPECT_EQ(first->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(fake.modalShown.last(), c.objectName);
        first->close();  // closing destroys the window and clears the slot
        QApplication::processEvents();
        EXPECT_TRUE(first.isNull()) << c.menu;
        EXPECT_EQ(window->ToolWindow(c.kind), nullptr) << c.menu;
        Child<QPushButton>(c.button)->click();  // a second opening shows a fresh window
        ASSERT_NE(window->ToolWindow(c.kind), nullptr) << c.button;
        EXPECT_EQ(window->ToolWindow(c.kind)->objectName(), c.objectName);
    }
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST_F(MainWindow, ViewersOpenANewWindowEachTime) {
    ScopedProgramDir content(KELVARO_BIN_DIR);  // the built content files
    window->show();
    auto visible = [](const char* objectName) {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() == objectName) ++n;
        return n;
    };
    const char* omenTitles[] = {"打喷嚏占卜吉凶", "面热测吉凶", "心惊测吉凶", "犬吠测吉凶",
                                "眼跳测吉凶",     "耳热测吉凶", "耳鸣测吉凶"};
    const char* omenEntries[] = {"打喷嚏占卜", "面热测占卜", "心惊测占卜", "犬吠测占卜",
                                 "眼跳测占卜", "耳热测占卜", "耳鸣测占卜"};
    for (int kind = 0; kind < 7; ++kind) {
        Trigger(QString("工具(&Q)/") + QString::fromUtf8(omenEntries[kind]));
        QWidget* omen = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle() == QString::fromUtf8(omenTitles[kind])) omen = w;
        ASSERT_NE(omen, nullptr) << omenTitles[kind];
    }
    Child<QPushButton>("RzButton21")->click();  // the left panel's 打喷嚏占卜 opens another
    EXPECT_EQ(visible("FormOnther"), 8);

    Trigger("吉日(&D)/黄道吉日");
    Child<QPushButton>("RzButton2")->click();
    Child<QPushButton>("RzButton3")->click();
    EXPECT_EQ(visible("FormHuangdao"), 3);

    Trigger("工具(&Q)/造命(&P)/命自我立");
    Trigger("工具(&Q)/造命(&P)/百忍歌");
    EXPECT_EQ(visible("FrmNote"), 2);
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST_F(MainWindow, ARealModalRunUntilClosedAndIsThenGone) {
    QtModal modal;  // the real exec() of the program
    Services services = Sys();
    services.modal = &modal;
    ServicesScope scope(services);
    window->show();
    QPointer<QDialog> seen;
    QTimer::singleShot(0, [&] {
        seen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (seen) seen->close();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    guard.start(5000);
    Trigger("帮助(&H)/关于系统");  // returns once the window closed
    EXPECT_TRUE(guard.isActive()) << "the window did not close by itself";
    QApplication::processEvents();
    EXPECT_EQ(window->ToolWindow(CommandKind::About), nullptr);
    EXPECT_TRUE(seen.isNull());  // closing destroyed it
}

TEST_F(MainWindow, PlayFields) {
    auto* memo = Child<QPlainTextEdit>("Memo1");
    memo->setPlainText("  1>5> http://a.example/x  \nno marks\n0>>\n>7>file:///tmp/p.html");
    struct Case {
        int line, field;
        const char* value;
    } cases[] = {{0, 1, "1"}, {0, 2, "5"}, {0, 3, "http://a.example/x"},
                 {1, 1, ""},  {1, 2, ""},  {1, 3, ""},
                 {2, 1, "0"}, {2, 2, ""},  {2, 3, ""},
                 {3, 1, ""},  {3, 2, "7"}, {3, 3, "file:///tmp/p.html"},
                 {9, 1, ""}};
    for (const Case& c : cases)
        EXPECT_EQ(window->GetPlayField(c.line, c.field), QString::fromUtf8(c.value))
            << c.line << "/" << c.field;
}

TEST_F(MainWindow, PlaylistTick) {
    auto* timer = window->findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);

    // Empty playlist: ticks change nothing.
    Tick(timer);
    EXPECT_TRUE(fake.navigations.isEmpty());
    EXPECT_EQ(timer->interval(), 1000);

    Child<QPlainTextEdit>("Memo1")->setPlainText("0>3>skip\n1>3>first\n1>x>second\n1>4>third");
    Tick(timer);
    EXPECT_TRUE(fake.navigations.isEmpty());  // the switch is off

    window->FPlayOn = 1;
    window->FPlayPos = 0;
    window->FPlayEnd = 3;
    Tick(timer);
    EXPECT_EQ(fake.navigations, QStringList{"first"});
    EXPECT_EQ(timer->interval(), 3000);
    EXPECT_EQ(window->FPlayPos, 2);
    Tick(timer);
    EXPECT_EQ(fake.navigations.last(), "second");
    EXPECT_EQ(timer->interval(), 3000);  // "x" is no number: the interval stays
    EXPECT_EQ(window->FPlayPos, 0);      // reached the end bound: back to the start
    Tick(timer);
    EXPECT_EQ(fake.navigations.last(), "first");

    window->FPlayPos = 3;
    window->FPlayEnd = 2;  // end below the position: nothing
    Tick(timer);
    EXPECT_EQ(fake.navigations.size(), 3);

    window->FPlayPos = 3;
    window->FPlayEnd = 2147483647;  // a huge bound stops at the memo's last line
    Tick(timer);
    EXPECT_EQ(fake.navigations.last(), "third");
    EXPECT_EQ(timer->interval(), 4000);
}

TEST_F(MainWindow, ClosingTheWindowEndsTheProgram) {
    window->show();
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    QTimer guard;
    bool timedOut = false;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    guard.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindow, ExitCommandsEndTheProgram) {
    for (int variant = 0; variant < 3; ++variant) {
        window->show();
        QTimer::singleShot(0, window.get(), [this, variant] {
            if (variant == 0) Trigger("系统(&X)/退出软件");
            if (variant == 1) Child<QPushButton>("RzButton61")->click();
            if (variant == 2) {
                for (QAction* a : window->findChildren<QAction*>())
                    if (a->text() == "退出系统") a->trigger();
            }
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(5000);
        EXPECT_EQ(QCoreApplication::exec(), 0) << variant;
        EXPECT_FALSE(window->isVisible()) << variant;
    }
}

}  // namespace
