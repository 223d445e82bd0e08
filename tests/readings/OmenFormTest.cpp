#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>

#include "platform/FakePlatform.h"
#include "readings/Omens.h"
#include "readings/UntOnther.h"
#include "tests/readings/WindowTestSupport.h"

namespace {

const char* kTitles[] = {"打喷嚏占卜吉凶", "面热测吉凶", "心惊测吉凶", "犬吠测吉凶",
                         "眼跳测吉凶",     "耳热测吉凶", "耳鸣测吉凶"};

QList<QPlainTextEdit*> VisiblePages(const QWidget* w) {
    QList<QPlainTextEdit*> shown;
    for (QPlainTextEdit* memo : w->findChildren<QPlainTextEdit*>())
        if (memo->isVisible()) shown << memo;
    return shown;
}

class OmenForm : public ::testing::Test {
protected:
    void TearDown() override {
        for (auto& w : opened) delete w.data();
    }
    TFormOnther* Open(int kind, const QString& title, QWidget* owner = nullptr) {
        TFormOnther* w = ShowOmenWindow(title, kind, owner);
        opened << w;
        return w;
    }
    FakePlatform fake;
    QList<QPointer<TFormOnther>> opened;
};

TEST_F(OmenForm, EachKindShowsItsOwnPageOnly) {
    for (int kind = 0; kind < kOmenKinds; ++kind) {
        SCOPED_TRACE(kind);
        TFormOnther* w = Open(kind, QString::fromUtf8(kTitles[kind]));
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->isWindow());
        EXPECT_FALSE(w->isModal());
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(kTitles[kind]));
        EXPECT_EQ(w->size(), QSize(380, 249));
        EXPECT_TRUE(HasOnlyACloseBox(w));
        EXPECT_EQ(w->ActivePageIndex(), kind);

        auto* pages = Named<QTabWidget>(w, "RzPageControl1");
        ASSERT_NE(pages, nullptr);
        ASSERT_EQ(pages->count(), 7);
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(pages->widget(k)->objectName(), QStringLiteral("TabSheet%1").arg(k + 1));
        EXPECT_EQ(pages->currentIndex(), kind);
        EXPECT_FALSE(pages->tabBar()->isVisible());  // the page cannot be switched

        const QList<QPlainTextEdit*> shown = VisiblePages(w);
        ASSERT_EQ(shown.size(), 1);
        QPlainTextEdit* memo = shown[0];
        EXPECT_EQ(memo->parentWidget(), pages->widget(kind));
        EXPECT_EQ(memo->toPlainText(), QString::fromStdString(OmenPageText(kind)));
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(Qt::white));
        EXPECT_EQ(memo->verticalScrollBar()->value(), 0);  // starts at the top
        // The page fills the space above the legend.
        EXPECT_LE(pages->geometry().bottom(), Named<QLabel>(w, "RzLabel1")->y());
    }
}

TEST_F(OmenForm, EveryEntryStandsOnOneLine) {
    for (int kind = 0; kind < kOmenKinds; ++kind) {
        TFormOnther* w = Open(kind, QString::fromUtf8(kTitles[kind]));
        QApplication::processEvents();
        QPlainTextEdit* memo = VisiblePages(w).value(0);
        ASSERT_NE(memo, nullptr);
        for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
            EXPECT_LE(b.layout()->lineCount(), 1) << kind << " " << b.text().toStdString();
        if (kind == 0) {
            // Twelve entries are more than the page holds: the rest is a scroll away.
            EXPECT_GT(memo->verticalScrollBar()->maximum(), 0);
            SaveShot(w, "omen-sneezing.png");
        }
        if (kind == 6) SaveShot(w, "omen-ringing-ears.png");
        ExpectTextsFit(w);
    }
}

TEST_F(OmenForm, LegendOfTheDoubleHours) {
    TFormOnther* w = Open(3, QString::fromUtf8(kTitles[3]));
    QLabel* legend = Named<QLabel>(w, "RzLabel1");
    ASSERT_NE(legend, nullptr);
    EXPECT_EQ(legend->text(), QStringLiteral("说明：\n"
                                             "   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点\n"
                                             "   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点\n"
                                             "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点"));
    EXPECT_EQ(legend->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_TRUE(legend->wordWrap());
}

TEST_F(OmenForm, EveryCommandOpensAWindowOfItsOwn) {
    QWidget owner;
    owner.show();
    TFormOnther* first = Open(0, QString::fromUtf8(kTitles[0]), &owner);
    TFormOnther* second = Open(0, QString::fromUtf8(kTitles[0]), &owner);
    TFormOnther* third = Open(4, QString::fromUtf8(kTitles[4]), &owner);
    EXPECT_NE(first, second);
    for (TFormOnther* w : {first, second, third}) {
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->isWindow());
        EXPECT_EQ(w->parentWidget(), &owner);
        EXPECT_TRUE(HasOnlyACloseBox(w));  // the owner does not take the window's flags away
    }
    EXPECT_EQ(first->windowTitle(), second->windowTitle());
    EXPECT_EQ(LastOmenWindow(), third);
    EXPECT_TRUE(owner.isEnabled());  // modeless: the main window stays usable

    QPointer<TFormOnther> closed = third;
    third->close();
    RunDeferredDeletes();
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(LastOmenWindow(), nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(second->isVisible());
    EXPECT_TRUE(fake.infos.isEmpty());
}

TEST_F(OmenForm, KindOutsideTheSevenShowsNoPage) {
    for (int kind : {-1, 7}) {
        TFormOnther* w = Open(kind, QStringLiteral("占卜"));
        EXPECT_TRUE(w->isVisible()) << kind;
        EXPECT_EQ(w->ActivePageIndex(), -1) << kind;
        EXPECT_TRUE(VisiblePages(w).isEmpty()) << kind;
        EXPECT_EQ(w->windowTitle(), QStringLiteral("占卜"));
    }
}

}  // namespace
