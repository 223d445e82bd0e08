#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QtTest/QTest>
#include <memory>

#include "articles/FrameButton.h"
#include "articles/ImageInfo.h"
#include "platform/FakePlatform.h"
#include "platform/RunCommand.h"
#include "store/ConnStr.h"
#include "tests/articles/ArticleFixtures.h"
#include "tests/support/SqliteFixture.h"

namespace {

const QColor kDarkBlue(0, 60, 116);
const QColor kRed(255, 0, 0);
const QColor kPageGrey(247, 246, 245);

std::vector<TImageInfoLoad*> ImageWindows() {
    std::vector<TImageInfoLoad*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* v = qobject_cast<TImageInfoLoad*>(w)) windows.push_back(v);
    return windows;
}

QString Number(int k) { return QStringLiteral("ABtn%1").arg(k); }

class IllustratedWindow : public ::testing::Test {
protected:
    void SetUp() override {
        MakeSqliteDb(dir.File("VorFile.dll"), TuwenSql());
        programDir = std::make_unique<ScopedProgramDir>(dir.path().string());
    }
    void TearDown() override {
        for (TImageInfoLoad* w : ImageWindows()) delete w;
    }
    static void Click(QWidget* w, const QString& name) {
        QTest::mouseClick(&Child<TFrameButton>(w, name), Qt::LeftButton);
    }
    // The number buttons whose frame is red.
    static std::vector<int> RedButtons(QWidget* w) {
        std::vector<int> red;
        for (int k = 1; k <= 15; ++k)
            if (Child<TFrameButton>(w, Number(k)).FrameColour() == kRed) red.push_back(k);
        return red;
    }
    static QString FrontPage(QWidget* w) {
        return Child<QStackedWidget>(w, "RzPageControl1").currentWidget()->objectName();
    }

    FakePlatform fake;
    TempDir dir;
    std::unique_ptr<ScopedProgramDir> programDir;
};

TEST_F(IllustratedWindow, ControlsAsLaidOut) {
    TImageInfoLoad* w = ShowIllustratedArticle(3, QStringLiteral("财神摆放指南 [图]"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "ImageInfoLoad");
    EXPECT_TRUE(w->isWindow());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(w->size(), QSize(652, 524));
    EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "fixed size";
    EXPECT_TRUE(w->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w->font().families().value(0), QStringLiteral("宋体"));
    EXPECT_EQ(w->font().pixelSize(), 12);

    const QStackedWidget& pages = Child<QStackedWidget>(w, "RzPageControl1");
    EXPECT_EQ(pages.geometry(), QRect(0, 0, 652, 468));
    ASSERT_EQ(pages.count(), 15);
    for (int k = 1; k <= 15; ++k) {
        const QString n = QString::number(k);
        QWidget* sheet = pages.widget(k - 1);
        EXPECT_EQ(sheet->objectName(), QStringLiteral("TabSheet") + n);
        EXPECT_TRUE(sheet->autoFillBackground());
        EXPECT_EQ(sheet->palette().color(QPalette::Window), kPageGrey) << k;
        const QLabel& image = Child<QLabel>(sheet, QStringLiteral("Image") + n);
        EXPECT_EQ(image.geometry(), QRect(0, 0, 652, 302)) << k;
        EXPECT_EQ(image.alignment(), Qt::AlignCenter) << k;
        const QPlainTextEdit& memo = Child<QPlainTextEdit>(sheet, QStringLiteral("RzMemo") + n);
        EXPECT_EQ(memo.geometry(), QRect(0, 302, 652, 166)) << k;
        EXPECT_EQ(memo.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << k;
        if (k < 15) {
            EXPECT_FALSE(memo.isReadOnly()) << k;
            EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << k;
        } else {
            EXPECT_TRUE(memo.isReadOnly());
            EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        }
    }

    const QWidget& panel = Child<QWidget>(w, "Panel1");
    EXPECT_EQ(panel.geometry(), QRect(0, 468, 652, 56));
    // First row, left to right: the first-page arrow, 1 to 15, the last-page arrow.
    QStringList row1{"BtnBegin"};
    for (int k = 1; k <= 15; ++k) row1 << Number(k);
    row1 << "BtnEnd";
    int right = -1;
    for (const QString& name : row1) {
        const TFrameButton& b = Child<TFrameButton>(w, name);
        EXPECT_EQ(b.parentWidget(), &panel) << name.toStdString();
        EXPECT_GT(b.x(), right) << name.toStdString();
        EXPECT_LT(b.geometry().bottom(), 28) << name.toStdString();
        EXPECT_EQ(b.FrameColour(), kDarkBlue) << name.toStdString();
        right = b.geometry().right();
    }
    for (int k = 1; k <= 15; ++k) EXPECT_EQ(Child<TFrameButton>(w, Number(k)).text(), QString::number(k));
    EXPECT_FALSE(Child<TFrameButton>(w, "BtnBegin").icon().isNull());
    EXPECT_FALSE(Child<TFrameButton>(w, "BtnEnd").icon().isNull());

    const struct {
        const char* name;
        QString caption;
    } row2[] = {{"RzBitBtn20", QStringLiteral("首页")},
                {"RzBitBtn18", QStringLiteral("上一页")},
                {"RzBitBtn19", QStringLiteral("下一页")},
                {"RzBitBtn21", QStringLiteral("最末")},
                {"RzBitBtn1", QStringLiteral("关闭")}};
    right = -1;
    for (const auto& r : row2) {
        const TFrameButton& b = Child<TFrameButton>(w, r.name);
        EXPECT_EQ(b.text(), r.caption);
        EXPECT_GT(b.y(), 27) << r.name;
        EXPECT_LE(b.geometry().bottom(), 55) << r.name;
        EXPECT_GT(b.x(), right) << r.name;
        EXPECT_GE(b.width(), b.fontMetrics().horizontalAdvance(r.caption) + 8) << r.name;
        EXPECT_EQ(b.FrameColour(), kDarkBlue) << r.name;
        right = b.geometry().right();
    }
    EXPECT_GT(Child<TFrameButton>(w, "RzBitBtn1").x(), 500) << "关闭 stands at the right";
}

TEST_F(IllustratedWindow, OpensOnPageOneWithTheCommandsCaption) {
    const QString caption = QStringLiteral("风水秘籍钓 \"金龟婿\" [图]");
    TImageInfoLoad* w = ShowIllustratedArticle(3, caption);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), caption);
    EXPECT_EQ(w->ArticleCode(), 3);
    EXPECT_EQ(w->PageCount(), 3);
    EXPECT_EQ(w->CurrentPage(), 1);
    EXPECT_EQ(FrontPage(w), "TabSheet1");
    EXPECT_TRUE(RedButtons(w).empty()) << "no page is marked before the first navigation";
    for (int k = 1; k <= 15; ++k) EXPECT_EQ(Child<TFrameButton>(w, Number(k)).isEnabled(), k <= 3) << k;
    EXPECT_EQ(CurrentImageInfoWindow(), w);
}

TEST_F(IllustratedWindow, PagesHoldTheirPicturesAndTexts) {
    TImageInfoLoad* w = ShowIllustratedArticle(3, QStringLiteral("客厅招财布局 [图]"));
    ASSERT_NE(w, nullptr);
    const struct {
        int page;
        QSize picture;
        QString text;
    } pages[] = {
        {1, {100, 60}, QStringLiteral("第一页：客厅进门的对角是明财位。")},
        {2, {120, 80}, QStringLiteral("第二页：财神宜面向大门，坐镇旺位。")},
        {3, {652, 302}, QStringLiteral("第三页：图比画框大，只见其中间一段。")},  // cut to the box
    };
    for (const auto& p : pages) {
        const QString n = QString::number(p.page);
        EXPECT_EQ(Child<QLabel>(w, "Image" + n).pixmap().size(), p.picture) << p.page;
        EXPECT_EQ(Child<QPlainTextEdit>(w, "RzMemo" + n).toPlainText(), p.text) << p.page;
    }
    for (int k = 4; k <= 15; ++k) {
        const QString n = QString::number(k);
        EXPECT_TRUE(Child<QLabel>(w, "Image" + n).pixmap().isNull()) << k;
        EXPECT_TRUE(Child<QPlainTextEdit>(w, "RzMemo" + n).toPlainText().isEmpty()) << k;
    }
    // Page 2 is an SVG drawn in its own colour.
    const QImage svg = Child<QLabel>(w, "Image2").pixmap().toImage();
    EXPECT_EQ(QColor(svg.pixel(60, 40)), QColor(0, 255, 0));
}

enum Button { Begin, End, First, Previous, Next, Last, N1, N2, N3, N4 };

QString NameOf(Button b) {
    switch (b) {
        case Begin:
            return "BtnBegin";
        case End:
            return "BtnEnd";
        case First:
            return "RzBitBtn20";
        case Previous:
            return "RzBitBtn18";
        case Next:
            return "RzBitBtn19";
        case Last:
            return "RzBitBtn21";
        case N1:
            return Number(1);
        case N2:
            return Number(2);
        case N3:
            return Number(3);
        case N4:
            return Number(4);
    }
    return {};
}

TEST_F(IllustratedWindow, ButtonsTurnPagesWithinTheArticle) {
    const struct {
        const char* what;
        std::vector<Button> clicks;
        int page;  // shown after the last click, with exactly its button red
    } cases[] = {
        {"上一页 on page one marks button one", {Previous}, 1},
        {"下一页 twice", {Next, Next}, 3},
        {"下一页 on the last page stays there", {Next, Next, Next, Next}, 3},
        {"最末", {Last}, 3},
        {"last-page arrow", {End}, 3},
        {"首页 from the end", {Last, First}, 1},
        {"first-page arrow from the end", {End, Begin}, 1},
        {"上一页 from the end", {End, Previous}, 2},
        {"number buttons", {N3, N2}, 2},
        {"a disabled number button changes nothing", {N2, N4}, 2},
        {"下一页 after a number button", {N2, Next}, 3},
    };
    for (const auto& c : cases) {
        TImageInfoLoad* w = ShowIllustratedArticle(3, QStringLiteral("装修颜色与风水吉凶 [图]"));
        ASSERT_NE(w, nullptr) << c.what;
        for (Button b : c.clicks) Click(w, NameOf(b));
        EXPECT_EQ(w->CurrentPage(), c.page) << c.what;
        EXPECT_EQ(FrontPage(w), QStringLiteral("TabSheet%1").arg(c.page)) << c.what;
        EXPECT_EQ(RedButtons(w), std::vector<int>{c.page}) << c.what;
        delete w;
    }
}

TEST_F(IllustratedWindow, EveryPageUpToFifteenCanBeReached) {
    TImageInfoLoad* w = ShowIllustratedArticle(9, QStringLiteral("随意改房对风水影响 [图]"));  // sixteen rows
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->PageCount(), 15);
    for (int k = 1; k <= 15; ++k) EXPECT_TRUE(Child<TFrameButton>(w, Number(k)).isEnabled()) << k;
    Click(w, "BtnEnd");
    EXPECT_EQ(FrontPage(w), "TabSheet15");
    EXPECT_EQ(Child<QPlainTextEdit>(w, "RzMemo15").toPlainText(), QStringLiteral("第九篇 第15页"));
    Click(w, "RzBitBtn19");
    EXPECT_EQ(w->CurrentPage(), 15);
    Click(w, Number(7));
    EXPECT_EQ(FrontPage(w), "TabSheet7");
    EXPECT_EQ(RedButtons(w), std::vector<int>{7});
}

TEST_F(IllustratedWindow, ArticleWithoutPagesShowsAnEmptyPageAndGoesNowhere) {
    TImageInfoLoad* w = ShowIllustratedArticle(7, QStringLiteral("家居风水开运方法 [图]"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->PageCount(), 0);
    for (int k = 1; k <= 15; ++k) EXPECT_FALSE(Child<TFrameButton>(w, Number(k)).isEnabled()) << k;
    for (const char* name : {"BtnBegin", "BtnEnd", "RzBitBtn20", "RzBitBtn18", "RzBitBtn19", "RzBitBtn21"})
        EXPECT_FALSE(Child<TFrameButton>(w, name).isEnabled()) << name;
    EXPECT_TRUE(Child<TFrameButton>(w, "RzBitBtn1").isEnabled());
    EXPECT_EQ(FrontPage(w), "TabSheet1");
    EXPECT_TRUE(Child<QLabel>(w, "Image1").pixmap().isNull());
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST_F(IllustratedWindow, UnreadableFileOpensNoWindowAndSaysNothing) {
    const struct {
        const char* what;
        std::function<void()> spoil;
    } cases[] = {
        {"file missing", [&] { std::filesystem::remove(dir.File("VorFile.dll")); }},
        {"table missing", [&] { MakeSqliteDb(dir.File("VorFile.dll"), "CREATE TABLE huangdao (gn TEXT);"); }},
        {"not a database", [&] { WriteFile(dir.File("VorFile.dll"), std::string(4096, 'x')); }},
    };
    for (const auto& c : cases) {
        c.spoil();
        EXPECT_EQ(ShowIllustratedArticle(3, QStringLiteral("旺夫家居风水设计 [图]")), nullptr) << c.what;
        bool ran = false;
        RunCommand([&] {
            (new TImageInfoLoad(3, QStringLiteral("旺夫家居风水设计 [图]")))->show();
            ran = true;
        });
        EXPECT_FALSE(ran) << c.what;
        EXPECT_TRUE(ImageWindows().empty()) << c.what;
    }
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST_F(IllustratedWindow, ProgramDirAtCreationIsTheOneRead) {
    TImageInfoLoad* first = ShowIllustratedArticle(16, QStringLiteral("居家好风水的15件宝贝 [图]"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->PageCount(), 1);
    TempDir elsewhere;
    ScopedProgramDir moved(elsewhere.path().string());
    EXPECT_EQ(ShowIllustratedArticle(16, QStringLiteral("居家风水15件宝添财运 [图]")), nullptr);
}

TEST_F(IllustratedWindow, EveryOpeningMakesANewWindowAndClosingForgetsIt) {
    QPointer<TImageInfoLoad> first = ShowIllustratedArticle(16, QStringLiteral("居家好风水的15件宝贝 [图]"));
    QPointer<TImageInfoLoad> second = ShowIllustratedArticle(16, QStringLiteral("居家风水15件宝添财运 [图]"));
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.data(), second.data());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("居家好风水的15件宝贝 [图]"));
    EXPECT_EQ(second->windowTitle(), QStringLiteral("居家风水15件宝添财运 [图]"));
    EXPECT_EQ(CurrentImageInfoWindow(), second.data());
    first->close();
    RunDeferredDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(CurrentImageInfoWindow(), second.data());
    Click(second, "RzBitBtn1");  // "关闭"
    RunDeferredDeletes();
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(CurrentImageInfoWindow(), nullptr);
}

TEST_F(IllustratedWindow, TypedTextStaysInItsBoxOnly) {
    TImageInfoLoad* w = ShowIllustratedArticle(3, QStringLiteral("财神摆放指南 [图]"));
    ASSERT_NE(w, nullptr);
    QPlainTextEdit& memo = Child<QPlainTextEdit>(w, "RzMemo1");
    memo.moveCursor(QTextCursor::End);
    QTest::keyClicks(&memo, "abc");
    EXPECT_TRUE(memo.toPlainText().endsWith("abc"));
    TImageInfoLoad* again = ShowIllustratedArticle(3, QStringLiteral("财神摆放指南 [图]"));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Child<QPlainTextEdit>(again, "RzMemo1").toPlainText(),
              QStringLiteral("第一页：客厅进门的对角是明财位。"));
}

// ---- How a picture is made ------------------------------------------------------------

TEST(PagePicture, CentredPartUnscaled) {
    const QSize box(652, 302);
    // Small pictures keep their size.
    EXPECT_EQ(PagePicture("png", PngBytes({100, 60}, Qt::red), box).size(), QSize(100, 60));
    EXPECT_EQ(PagePicture("svg", SvgText(300, 200, "#0000ff"), box).size(), QSize(300, 200));
    // An SVG with only a viewBox takes the viewBox's size.
    EXPECT_EQ(PagePicture("svg", SvgText(0, 0, "#0000ff"), box).size(), QSize(200, 100));
    // The format column is read loosely; SVG bytes are known by their element.
    EXPECT_EQ(PagePicture("SVG", SvgText(50, 40, "#0000ff"), box).size(), QSize(50, 40));
    EXPECT_EQ(PagePicture("", SvgText(50, 40, "#0000ff"), box).size(), QSize(50, 40));
    // A raster format other than PNG is read by its bytes.
    QImage jpegSource(64, 32, QImage::Format_RGB32);
    jpegSource.fill(Qt::white);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(jpegSource.save(&buffer, "JPG"));
    EXPECT_EQ(PagePicture("jpg", jpeg.toStdString(), box).size(), QSize(64, 32));

    // A large picture shows its middle: red left of x = 400 in the source is x = 400 - 74 here.
    const QImage big = PagePicture("png", PngBytes({800, 400}, Qt::red, Qt::blue), box).toImage();
    ASSERT_EQ(big.size(), box);
    EXPECT_EQ(QColor(big.pixel(325, 150)), QColor(Qt::red));
    EXPECT_EQ(QColor(big.pixel(326, 150)), QColor(Qt::blue));
}

TEST(PagePicture, HugeOrBrokenPicturesCostNothing) {
    const QSize box(652, 302);
    // An SVG claiming an enormous size is drawn only as far as the box shows it.
    const QImage huge = PagePicture("svg", SvgText(200000, 100000, "#00ff00"), box).toImage();
    ASSERT_EQ(huge.size(), box);
    EXPECT_EQ(QColor(huge.pixel(300, 150)), QColor(0, 255, 0));
    const struct {
        const char* format;
        std::string bytes;
    } broken[] = {
        {"png", ""},
        {"png", "not a picture"},
        {"png", PngBytes({10, 10}, Qt::red).substr(0, 30)},  // cut short
        {"svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"><rect"},
        {"svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"></svg>"},  // no size at all
    };
    for (const auto& b : broken) EXPECT_TRUE(PagePicture(b.format, b.bytes, box).isNull()) << b.bytes;
}

TEST_F(IllustratedWindow, ScreenshotShowsPictureCentredAboveItsText) {
    TImageInfoLoad* w = ShowIllustratedArticle(3, QStringLiteral("财神摆放指南 [图]"));
    ASSERT_NE(w, nullptr);
    Click(w, Number(1));
    QApplication::processEvents();
    const QImage shot = w->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(652, 524));
    // The 100 × 60 red picture sits in the middle of the 652 × 302 box, the page grey around it.
    EXPECT_EQ(QColor(shot.pixel(326, 151)), QColor(Qt::red));
    EXPECT_EQ(QColor(shot.pixel(277, 122)), QColor(Qt::red));
    EXPECT_EQ(QColor(shot.pixel(374, 180)), QColor(Qt::red));
    EXPECT_EQ(QColor(shot.pixel(270, 151)), kPageGrey);
    EXPECT_EQ(QColor(shot.pixel(326, 115)), kPageGrey);
    // The current page's button has its red frame on screen.
    const TFrameButton& one = Child<TFrameButton>(w, Number(1));
    const QPoint corner = one.mapTo(w, QPoint(one.width() / 2, 0));
    EXPECT_EQ(QColor(shot.pixel(corner)), kRed);
    if (!ShotDir().isEmpty()) shot.save(QDir(ShotDir()).filePath("illustrated.png"));
}

}  // namespace
