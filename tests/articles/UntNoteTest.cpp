#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest/QTest>
#include <memory>
#include <stdexcept>

#include "articles/UntNote.h"
#include "platform/FakePlatform.h"
#include "platform/RunCommand.h"
#include "store/ConnStr.h"
#include "store/Errors.h"
#include "tests/articles/ArticleFixtures.h"
#include "tests/support/SqliteFixture.h"

namespace {

std::vector<TFrmNote*> NoteWindows() {
    std::vector<TFrmNote*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* note = qobject_cast<TFrmNote*>(w)) windows.push_back(note);
    return windows;
}

class ArticleWindow : public ::testing::Test {
protected:
    void SetUp() override {
        MakeSqliteDb(dir.File("VorBirth.dll"), kNoterSql);
        programDir = std::make_unique<ScopedProgramDir>(dir.path().string());
    }
    void TearDown() override {
        for (TFrmNote* w : NoteWindows()) delete w;
    }
    static QPlainTextEdit& Memo(QWidget* w) { return Child<QPlainTextEdit>(w, "RzMemo1"); }
    static void Click(QWidget* w, const char* name) {
        QTest::mouseClick(&Child<QPushButton>(w, name), Qt::LeftButton);
    }

    FakePlatform fake;
    TempDir dir;
    std::unique_ptr<ScopedProgramDir> programDir;
};

TEST_F(ArticleWindow, ControlsAsLaidOut) {
    TFrmNote* w = ShowArticle("b6");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "FrmNote");
    EXPECT_TRUE(w->isWindow());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(w->size(), QSize(607, 432));
    EXPECT_NE(w->minimumSize(), w->maximumSize()) << "the article window can be resized";
    EXPECT_EQ(w->font().families().value(0), QStringLiteral("宋体"));
    EXPECT_EQ(w->font().pixelSize(), 12);

    const QWidget& strip = Child<QWidget>(w, "Panel1");
    EXPECT_EQ(strip.geometry(), QRect(0, 0, 607, 33));
    const struct {
        const char* name;
        QString caption;
    } buttons[] = {{"RzBitBtn1", QStringLiteral("打印")},
                   {"RzBitBtn2", QStringLiteral("打印设置")},
                   {"RzBitBtn3", QStringLiteral("关闭")}};
    int right = 0;
    for (const auto& b : buttons) {
        const QPushButton& button = Child<QPushButton>(w, b.name);
        EXPECT_EQ(button.text(), b.caption);
        EXPECT_EQ(button.parentWidget(), &strip) << b.name;
        EXPECT_GT(button.x(), right) << b.name << " stands right of the one before";
        EXPECT_LE(button.geometry().bottom(), 32) << b.name;
        EXPECT_GE(button.width(), button.fontMetrics().horizontalAdvance(b.caption)) << b.name;
        right = button.geometry().right();
    }

    QPlainTextEdit& memo = Memo(w);
    EXPECT_EQ(memo.geometry(), QRect(0, 33, 607, 432 - 33)) << "the text box fills the rest";
    EXPECT_TRUE(memo.isReadOnly());
    EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo.palette().color(QPalette::Base), QColor(239, 248, 254));
    EXPECT_EQ(memo.palette().color(QPalette::Inactive, QPalette::Highlight),
              memo.palette().color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(memo.palette().color(QPalette::Inactive, QPalette::HighlightedText),
              memo.palette().color(QPalette::Active, QPalette::HighlightedText));

    w->resize(800, 600);
    QApplication::processEvents();
    EXPECT_EQ(memo.geometry(), QRect(0, 33, 800, 567)) << "the text box follows the window";
}

TEST_F(ArticleWindow, CaptionAndBodyComeTrimmedFromTheRow) {
    TFrmNote* w = ShowArticle("a1");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("姓名原理"));
    EXPECT_EQ(Memo(w).toPlainText(),
              QStringLiteral("姓名学以汉字的笔画数理为本。\n五格相生，则名字吉祥。\n\n——摘自古籍"));
    EXPECT_EQ(Memo(w).document()->blockCount(), 4) << "each stored line is a line of the box";
    EXPECT_EQ(CurrentNoteWindow(), w);
}

TEST_F(ArticleWindow, LongArticleOpensAtItsBeginning) {
    std::string body;
    for (int i = 1; i <= 200; ++i)
        body += "第" + std::to_string(i) + "段：命自我立，福自己求。' || char(13,10) || '";
    MakeSqliteDb(dir.File("VorBirth.dll"),
                 "CREATE TABLE Noter (Cid TEXT, Tite TEXT, content TEXT);"
                 "INSERT INTO Noter VALUES ('b1', '命自我立', '" +
                     body + "');");
    TFrmNote* w = ShowArticle("b1");
    ASSERT_NE(w, nullptr);
    QApplication::processEvents();
    const QScrollBar* bar = Memo(w).verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the fixture must be longer than the box";
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(Memo(w).textCursor().position(), 0);
    EXPECT_EQ(Memo(w).document()->blockCount(), 200);
}

TEST_F(ArticleWindow, QuoteInTheCodeFindsItsRow) {
    TFrmNote* w = ShowArticle("o'k");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("代码带引号"));
    EXPECT_EQ(Memo(w).toPlainText(), QStringLiteral("这篇文章的代码里有一个单引号。"));
}

TEST_F(ArticleWindow, CodeWithoutRowOpensEmptyWithTheDesignCaption) {
    for (const char* code : {"c9", "a1' or '1'='1"}) {
        TFrmNote* w = ShowArticle(code);
        ASSERT_NE(w, nullptr) << code;
        EXPECT_TRUE(w->isVisible()) << code;
        EXPECT_EQ(w->windowTitle(), QStringLiteral("算命")) << code;
        EXPECT_TRUE(Memo(w).toPlainText().isEmpty()) << code;
    }
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST_F(ArticleWindow, UnreadableFileOpensNoWindowAndSaysNothing) {
    const struct {
        const char* what;
        std::function<void()> spoil;
    } cases[] = {
        {"file missing", [&] { std::filesystem::remove(dir.File("VorBirth.dll")); }},
        {"table missing", [&] { MakeSqliteDb(dir.File("VorBirth.dll"), "CREATE TABLE Notes (Cid TEXT);"); }},
        {"column Title, not Tite",
         [&] {
             MakeSqliteDb(dir.File("VorBirth.dll"),
                          "CREATE TABLE Noter (Cid TEXT, Title TEXT, content TEXT);"
                          "INSERT INTO Noter VALUES ('a1', '标题', '正文');");
         }},
        {"not a database", [&] { WriteFile(dir.File("VorBirth.dll"), std::string(4096, 'x')); }},
    };
    for (const auto& c : cases) {
        c.spoil();
        EXPECT_EQ(ShowArticle("a1"), nullptr) << c.what;
        EXPECT_TRUE(NoteWindows().empty()) << c.what;
        // The constructor itself gives up, so a command that uses `new` directly is abandoned too.
        bool ran = false;
        RunCommand([&] {
            (new TFrmNote("a1"))->show();
            ran = true;
        });
        EXPECT_FALSE(ran) << c.what;
        EXPECT_TRUE(NoteWindows().empty()) << c.what;
    }
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST_F(ArticleWindow, EveryOpeningMakesANewWindowAndClosingForgetsIt) {
    QPointer<TFrmNote> first = ShowArticle("a1");
    QPointer<TFrmNote> second = ShowArticle("a1");
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.data(), second.data());
    EXPECT_EQ(NoteWindows().size(), 2u);
    EXPECT_EQ(CurrentNoteWindow(), second.data());

    first->close();  // an older window leaves the reference to the newest alone
    RunDeferredDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(CurrentNoteWindow(), second.data());

    Click(second, "RzBitBtn3");  // "关闭"
    RunDeferredDeletes();
    EXPECT_TRUE(second.isNull()) << "a closed window deletes itself";
    EXPECT_EQ(CurrentNoteWindow(), nullptr);
}

TEST_F(ArticleWindow, ParentedWindowIsAWindowOfItsOwnAndEndsWithTheParent) {
    auto parent = std::make_unique<QWidget>();
    QPointer<TFrmNote> w = ShowArticle("b6", parent.get());
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->parentWidget(), parent.get());
    parent.reset();
    EXPECT_TRUE(w.isNull());
}

TEST_F(ArticleWindow, PrintSendsTheLinesWithLetterPageAndCaption) {
    TFrmNote* w = ShowArticle("a1");
    ASSERT_NE(w, nullptr);
    Click(w, "RzBitBtn1");
    ASSERT_EQ(fake.printed.size(), 1u);
    const FakePlatform::PrintJob& job = fake.printed[0];
    EXPECT_EQ(job.lines, QStringList({QStringLiteral("姓名学以汉字的笔画数理为本。"),
                                      QStringLiteral("五格相生，则名字吉祥。"), QString(),
                                      QStringLiteral("——摘自古籍")}));
    EXPECT_EQ(job.title, QStringLiteral("姓名原理"));
    EXPECT_EQ(job.page.paper, QPageSize::Letter);
    EXPECT_EQ(job.page.marginsMm, QMarginsF(12.7, 12.7, 12.7, 12.7));
    EXPECT_DOUBLE_EQ(job.page.headerMm, 6.35);
    EXPECT_DOUBLE_EQ(job.page.footerMm, 6.35);
    EXPECT_FALSE(job.page.landscape);
    EXPECT_EQ(fake.pageSetups, 0) << "printing asks nothing";
}

TEST_F(ArticleWindow, PageSetupChangesWhatTheNextPrintUses) {
    TFrmNote* w = ShowArticle("b6");
    ASSERT_NE(w, nullptr);
    fake.pageSetupAnswer = std::nullopt;  // the user cancels
    Click(w, "RzBitBtn2");
    EXPECT_EQ(fake.pageSetups, 1);
    EXPECT_EQ(w->PrintPage(), PageSettings{});

    PageSettings a4;
    a4.paper = QPageSize::A4;
    a4.landscape = true;
    a4.marginsMm = QMarginsF(20, 10, 20, 10);
    fake.pageSetupAnswer = a4;
    Click(w, "RzBitBtn2");
    EXPECT_EQ(w->PrintPage(), a4);
    Click(w, "RzBitBtn1");
    ASSERT_EQ(fake.printed.size(), 1u);
    EXPECT_EQ(fake.printed[0].page, a4);
    EXPECT_EQ(fake.printed[0].lines, QStringList{QStringLiteral("孝悌为人之本。")});
}

// A page-setup dialog that edits the settings and then fails.
class FailingPrinting : public IPrinting {
public:
    int calls = 0;
    bool PrintLines(const QStringList&, const PageSettings&, const QString&) override { return true; }
    bool PageSetup(PageSettings& page, QWidget*) override {
        ++calls;
        page.paper = QPageSize::A5;
        throw std::runtime_error("printer driver failed");
    }
};

TEST_F(ArticleWindow, PageSetupErrorsAreSwallowedAndSettingsStay) {
    TFrmNote* w = ShowArticle("b6");
    ASSERT_NE(w, nullptr);
    FailingPrinting failing;
    Services services = Sys();
    services.printing = &failing;
    ServicesScope scope(services);
    Click(w, "RzBitBtn2");
    EXPECT_EQ(failing.calls, 1);
    EXPECT_EQ(w->PrintPage(), PageSettings{});
    EXPECT_TRUE(fake.errors.isEmpty()) << fake.errors.join("; ").toStdString();
    EXPECT_TRUE(fake.infos.isEmpty());
}

TEST_F(ArticleWindow, EmptyArticlePrintsAnEmptyPage) {
    TFrmNote* w = ShowArticle("c3");  // a row whose body is empty
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("家居风水注意几个方位"));
    Click(w, "RzBitBtn1");
    ASSERT_EQ(fake.printed.size(), 1u);
    EXPECT_EQ(fake.printed[0].lines, QStringList{QString()});
}

TEST_F(ArticleWindow, RightClickOffersNoMenu) {
    TFrmNote* w = ShowArticle("a1");
    ASSERT_NE(w, nullptr);
    QPlainTextEdit& memo = Memo(w);
    bool sawMenu = false;
    // Were a menu to open it would block in exec(); close it and remember it did.
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            sawMenu = true;
            popup->close();
        }
    });
    watchdog.start(20);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                            memo.viewport()->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(memo.viewport(), &event);
    QTest::qWait(60);
    EXPECT_FALSE(sawMenu);
}

TEST_F(ArticleWindow, ScreenshotShowsTheArticleOnItsPaleBlue) {
    TFrmNote* w = ShowArticle("a1");
    ASSERT_NE(w, nullptr);
    QApplication::processEvents();
    const QImage shot = w->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    // Below the last line of text the box shows its own colour.
    const QPlainTextEdit& memo = Memo(w);
    const QPoint empty = memo.mapTo(w, QPoint(memo.viewport()->width() / 2, memo.height() - 20));
    EXPECT_EQ(QColor(shot.pixel(empty)), QColor(239, 248, 254));
    // The first line is drawn: some pixel in its band is dark.
    const int lineTop = memo.mapTo(w, QPoint(0, 0)).y() + 2;
    bool ink = false;
    for (int y = lineTop; y < lineTop + 16 && !ink; ++y)
        for (int x = 4; x < 300 && !ink; ++x) ink = qGray(shot.pixel(x, y)) < 100;
    EXPECT_TRUE(ink);
    if (!ShotDir().isEmpty()) shot.save(QDir(ShotDir()).filePath("article.png"));
}

}  // namespace
