#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "calendar/DateWin.h"
#include "platform/FakePlatform.h"

using namespace std::chrono;

namespace {

constexpr year_month_day Ymd(int y, unsigned m, unsigned d) { return year{y} / month{m} / day{d}; }

const QColor kLunarGreen(0x00, 0x40, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kOrange(0xFF, 0x80, 0x00);
const QColor kBlue(0x53, 0x53, 0xFF);

QColor TextColour(const QWidget& widget) { return widget.palette().color(QPalette::WindowText); }

class DateWinTest : public ::testing::Test {
protected:
    // The window as the main window's command leaves it: created on "today" and shown.
    TFRM_Date& Open(QDate today) {
        fake.today = today;
        window = std::make_unique<TFRM_Date>();
        window->show();
        return *window;
    }

    template <class T = QLabel>
    T& Child(const QString& name) {
        T* child = window->findChild<T*>(name);
        if (!child) throw std::runtime_error("no control " + name.toStdString());
        return *child;
    }
    QLabel& DayCell(int i) { return Child(QStringLiteral("DayCell%1").arg(i)); }
    QLabel& LunarCell(int i) { return Child(QStringLiteral("LunarCell%1").arg(i)); }

    // The cell the highlight stands behind.
    int HighlightedCell() {
        const QPoint at = Child<QWidget>(QStringLiteral("Shape2")).pos();
        for (int i = 1; i <= 37; ++i)
            if (DayCell(i).pos() == at + QPoint(1, -1)) return i;
        return 0;
    }

    void Step(const char* spin, const char* direction) {
        QWidget& updown = Child<QWidget>(QString::fromLatin1(spin));
        auto* button = updown.findChild<QToolButton*>(QString::fromLatin1(direction));
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    std::vector<int> VisibleCells() {
        std::vector<int> cells;
        for (int i = 1; i <= 37; ++i) {
            EXPECT_EQ(DayCell(i).isVisible(), LunarCell(i).isVisible()) << i;
            if (DayCell(i).isVisible()) cells.push_back(i);
        }
        return cells;
    }

    FakePlatform fake;
    std::unique_ptr<TFRM_Date> window;
};

TEST_F(DateWinTest, ControlsAsLaidOut) {
    TFRM_Date& w = Open(QDate(2024, 2, 10));
    EXPECT_EQ(w.objectName(), "FRM_Date");
    EXPECT_EQ(w.windowTitle(), "Tesmo日历");
    EXPECT_EQ(w.size(), QSize(331, 285));
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);

    struct Place {
        const char* name;
        QRect rect;
    } const places[] = {
        {"Shape1", {0, 0, 331, 285}},   {"Label20", {0, 56, 313, 72}},   {"Label16", {16, 146, 313, 134}},
        {"Bevel2", {9, 46, 297, 2}},    {"Label1", {120, 0, 76, 41}},    {"Label2", {19, 40, 36, 12}},
        {"Label8", {259, 40, 36, 12}},  {"day1", {14, 56, 36, 16}},      {"Cnday", {13, 73, 36, 12}},
        {"Label9", {20, 253, 36, 12}},  {"Label15", {260, 253, 36, 12}}, {"Bevel1", {9, 240, 297, 2}},
        {"Label17", {10, 3, 36, 37}},   {"Label21", {230, 212, 78, 35}}, {"Label22", {152, 223, 69, 23}},
        {"UpDown1", {221, 10, 16, 24}}, {"UpDown2", {61, 10, 16, 24}},   {"StaticText1", {272, 17, 28, 16}},
    };
    for (const Place& p : places) EXPECT_EQ(Child<QWidget>(p.name).geometry(), p.rect) << p.name;
    EXPECT_EQ(Child("Label18").pos(), QPoint(45, 17));
    EXPECT_EQ(Child("Label19").pos(), QPoint(205, 17));
    EXPECT_EQ(Child("Label18").text(), "月");
    EXPECT_EQ(Child("Label19").text(), "年");
    EXPECT_EQ(Child("StaticText1").text(), "今天");
    EXPECT_EQ(Child("Label1").toolTip(), "单击改变年份");
    EXPECT_EQ(Child("Label17").toolTip(), "单击改变月份");
    for (const char* name : {"Label1", "Label17", "StaticText1"})
        EXPECT_EQ(Child(name).cursor().shape(), Qt::PointingHandCursor) << name;
    EXPECT_FALSE(Child("day1").isVisible());
    EXPECT_FALSE(Child("Cnday").isVisible());
    EXPECT_TRUE(Child<QWidget>("UpDown1").isVisible());
    EXPECT_TRUE(Child<QWidget>("UpDown2").isVisible());

    const QStringList weekdays = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    for (int k = 0; k < 7; ++k) {
        for (int first : {2, 9}) {
            const QLabel& caption = Child(QStringLiteral("Label%1").arg(first + k));
            EXPECT_EQ(caption.text(), weekdays[k]);
            EXPECT_EQ(TextColour(caption), k == 0 || k == 6 ? kRed : QColor(Qt::black)) << k;
        }
    }

    struct Look {
        const char* name;
        int pixels;
        bool bold;
        QColor colour;
    } const looks[] = {
        {"Label20", 64, true, QColor(0xFF, 0xE8, 0xDD)},
        {"Label16", 120, true, QColor(0xEB, 0xEB, 0xEB)},
        {"Label1", 29, true, QColor(0, 0, 0xFF)},
        {"Label17", 32, true, QColor(0x80, 0x80, 0xC0)},
        {"Label21", 35, true, QColor(0xDD, 0xDD, 0xFF)},
        {"Label22", 19, true, QColor(0xFF, 0x80, 0xFF)},
        {"Cnday", 12, false, kLunarGreen},
        {"Label18", 14, true, QColor(Qt::black)},
    };
    for (const Look& l : looks) {
        const QLabel& label = Child(l.name);
        EXPECT_EQ(label.font().pixelSize(), l.pixels) << l.name;
        EXPECT_EQ(label.font().bold(), l.bold) << l.name;
        EXPECT_EQ(TextColour(label), l.colour) << l.name;
    }
}

TEST_F(DateWinTest, GridOf37CellsInFrontOfTheWatermarks) {
    TFRM_Date& w = Open(QDate(2020, 8, 15));
    for (int i = 1; i <= 37; ++i) {
        const int column = (i - 1) % 7;
        const int row = (i - 1) / 7;
        EXPECT_EQ(DayCell(i).geometry(), QRect(14 + 42 * column, 56 + 32 * row, 36, 16)) << i;
        EXPECT_EQ(LunarCell(i).geometry(), QRect(13 + 42 * column, 73 + 32 * row, 36, 12)) << i;
        EXPECT_EQ(DayCell(i).alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
        EXPECT_EQ(TextColour(DayCell(i)), QColor(Qt::black));
        EXPECT_EQ(DayCell(i).font().pixelSize(), 15) << i;  // 11 points at 96 dpi
    }
    EXPECT_EQ(w.findChild<QLabel*>("DayCell38"), nullptr);
    // A click on a cell reaches the cell, not the watermark or the highlight behind it.
    EXPECT_EQ(w.childAt(LunarCell(9).geometry().center()), &LunarCell(9));
    EXPECT_EQ(w.childAt(DayCell(30).geometry().center()), &DayCell(30));
}

TEST_F(DateWinTest, MonthsFillTheirCells) {
    struct Case {
        QDate today;
        int first, last;
    } const cases[] = {
        {QDate(2020, 8, 15), 7, 37},  // Saturday start, 31 days: both cells of the sixth row
        {QDate(2026, 2, 3), 1, 28},   // Sunday start, 28 days: exactly four rows
        {QDate(2024, 2, 29), 5, 33},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
        Open(c.today);
        std::vector<int> expected;
        for (int i = c.first; i <= c.last; ++i) expected.push_back(i);
        EXPECT_EQ(VisibleCells(), expected);
        for (int i = c.first; i <= c.last; ++i) {
            EXPECT_EQ(DayCell(i).text(), QString::number(i - c.first + 1));
            EXPECT_EQ(DayCell(i).property("tag").toInt(), i - c.first + 1);
            EXPECT_EQ(LunarCell(i).property("tag").toInt(), i - c.first + 1);
            EXPECT_FALSE(LunarCell(i).text().isEmpty()) << i;
        }
        EXPECT_EQ(HighlightedCell(), c.first + c.today.day() - 1);
    }
}

TEST_F(DateWinTest, LunarTextsAndTheirColours) {
    struct Case {
        QDate day;
        const char* text;
        QColor colour;
        const char* zodiac;
        const char* sign;
    } const cases[] = {
        {QDate(2024, 2, 10), "春节", kOrange, "辰龙", "水瓶座"},  // not 正月
        {QDate(2024, 2, 9), "除夕", kOrange, "卯兔", "水瓶座"},
        {QDate(2020, 10, 1), "中秋节", kOrange, "子鼠", "天秤座"},  // also 国庆节
        {QDate(2023, 11, 8), "立冬", kBlue, "卯兔", "天蝎座"},      // also 记者日
        {QDate(2023, 3, 22), "闰二", kRed, "卯兔", "白羊座"},       // first day of a leap month
        {QDate(2024, 3, 10), "二月", kRed, "辰龙", "双鱼座"},
        {QDate(2024, 2, 14), "情人节", kOrange, "辰龙", "水瓶座"},
        {QDate(2024, 2, 11), "初二", kLunarGreen, "辰龙", "水瓶座"},
        {QDate(2024, 8, 23), "二十", kLunarGreen, "辰龙", "处女座"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day.toString(Qt::ISODate).toStdString());
        Open(c.day);
        const int cell = HighlightedCell();
        ASSERT_NE(cell, 0);
        EXPECT_EQ(DayCell(cell).text(), QString::number(c.day.day()));
        EXPECT_EQ(LunarCell(cell).text(), c.text);
        EXPECT_EQ(TextColour(LunarCell(cell)), c.colour);
        EXPECT_EQ(TextColour(DayCell(cell)), QColor(Qt::black));
        EXPECT_EQ(Child("Label1").text(), QString::number(c.day.year()));
        EXPECT_EQ(Child("Label20").text(), QString::number(c.day.year()));
        EXPECT_EQ(Child("Label17").text(), QString::number(c.day.month()));
        EXPECT_EQ(Child("Label16").text(), QString::number(c.day.month()));
        EXPECT_EQ(Child("Label21").text(), c.zodiac);
        EXPECT_EQ(Child("Label22").text(), c.sign);
    }
}

// Navigation keeps the day number and lowers it only for the month on show.
TEST_F(DateWinTest, SpinButtonsKeepTheDay) {
    TFRM_Date& w = Open(QDate(2024, 1, 31));
    Step("UpDown2", "up");
    EXPECT_EQ(Child("Label17").text(), "2");
    EXPECT_EQ(DayCell(HighlightedCell()).text(), "29");
    Step("UpDown2", "up");
    EXPECT_EQ(Child("Label17").text(), "3");
    EXPECT_EQ(DayCell(HighlightedCell()).text(), "31");
    EXPECT_EQ(Child("Label22").text(), "白羊座");

    Step("UpDown2", "down");
    Step("UpDown1", "up");  // February 2025 has 28 days
    EXPECT_EQ(Child("Label1").text(), "2025");
    EXPECT_EQ(Child("Label17").text(), "2");
    EXPECT_EQ(DayCell(HighlightedCell()).text(), "28");
    Step("UpDown1", "down");
    EXPECT_EQ(DayCell(HighlightedCell()).text(), "29");
    // Browsing picks nothing.
    EXPECT_EQ(w.Selected(), Ymd(2024, 1, 31));
}

TEST_F(DateWinTest, SpinButtonsStopAtTheirLimits) {
    Open(QDate(2050, 12, 15));
    Step("UpDown1", "up");
    EXPECT_EQ(Child("Label1").text(), "2050");
    Step("UpDown2", "up");  // no carry into the year
    EXPECT_EQ(Child("Label17").text(), "12");
    EXPECT_EQ(Child("Label1").text(), "2050");
    EXPECT_EQ(LunarCell(HighlightedCell()).text(), "初二");

    Open(QDate(1901, 1, 2));
    Step("UpDown1", "down");
    Step("UpDown2", "down");
    EXPECT_EQ(Child("Label1").text(), "1901");
    EXPECT_EQ(Child("Label17").text(), "1");
    EXPECT_EQ(LunarCell(HighlightedCell()).text(), "十二");
    Step("UpDown2", "up");
    EXPECT_EQ(Child("Label17").text(), "2");
}

TEST_F(DateWinTest, ClickingYearOrMonthLeavesOnlyItsSpinButton) {
    Open(QDate(2024, 2, 10));
    QWidget& year = Child<QWidget>("UpDown1");
    QWidget& month = Child<QWidget>("UpDown2");
    QTest::mouseClick(&Child("Label1"), Qt::LeftButton);
    EXPECT_TRUE(year.isVisible());
    EXPECT_FALSE(month.isVisible());
    QTest::mouseClick(&Child("Label17"), Qt::LeftButton);
    EXPECT_FALSE(year.isVisible());
    EXPECT_TRUE(month.isVisible());
    QTest::mouseClick(&Child("Label1"), Qt::LeftButton);
    EXPECT_TRUE(year.isVisible());
    EXPECT_FALSE(month.isVisible());
}

TEST_F(DateWinTest, PickingADayMovesTheHighlightAndRecordsIt) {
    TFRM_Date& w = Open(QDate(2024, 2, 10));  // 1 February 2024 is in cell 5
    QWidget& highlight = Child<QWidget>("Shape2");

    QTest::mousePress(&DayCell(20), Qt::LeftButton);  // the 16th
    EXPECT_EQ(highlight.pos(), DayCell(20).pos() + QPoint(-1, 1));
    EXPECT_EQ(w.Selected(), Ymd(2024, 2, 10));  // recorded on the click, not the press
    QTest::mouseRelease(&DayCell(20), Qt::LeftButton);
    EXPECT_EQ(w.Selected(), Ymd(2024, 2, 16));

    QTest::mouseClick(&LunarCell(33), Qt::LeftButton);  // the 29th, by its lunar text
    EXPECT_EQ(highlight.pos(), DayCell(33).pos() + QPoint(-1, 1));
    EXPECT_EQ(w.Selected(), Ymd(2024, 2, 29));
    // No redraw: the names stay those of the day the month was drawn for.
    EXPECT_EQ(Child("Label22").text(), "水瓶座");
    EXPECT_EQ(Child("Label21").text(), "辰龙");

    // A picked day is what the spin buttons then keep.
    Step("UpDown2", "up");
    EXPECT_EQ(DayCell(HighlightedCell()).text(), "29");
}

TEST_F(DateWinTest, TodayReturnsToTheCurrentMonth) {
    TFRM_Date& w = Open(QDate(2024, 2, 10));
    Step("UpDown1", "up");
    Step("UpDown2", "up");
    QTest::mouseClick(&DayCell(10), Qt::LeftButton);
    ASSERT_EQ(w.Selected(), Ymd(2025, 3, 4));  // March 2025 starts in cell 7

    fake.today = QDate(2023, 11, 8);  // the day has changed while the window was open
    QTest::mouseClick(&Child("StaticText1"), Qt::LeftButton);
    EXPECT_EQ(w.Selected(), Ymd(2023, 11, 8));
    EXPECT_EQ(Child("Label1").text(), "2023");
    EXPECT_EQ(Child("Label17").text(), "11");
    EXPECT_EQ(LunarCell(HighlightedCell()).text(), "立冬");
    EXPECT_EQ(Child("Label22").text(), "天蝎座");
    // The spin buttons start again from today's month.
    Step("UpDown2", "down");
    EXPECT_EQ(Child("Label17").text(), "10");
    EXPECT_EQ(Child("Label1").text(), "2023");
}

// A computer clock outside 1901..2050 opens on the nearest month the calendar can name.
TEST_F(DateWinTest, TodayOutsideTheRangeIsBroughtIn) {
    struct Case {
        QDate today;
        year_month_day shown;
        const char* lunar;
    } const cases[] = {
        {QDate(2051, 3, 31), Ymd(2050, 12, 31), "十八"},
        {QDate(2100, 2, 28), Ymd(2050, 12, 28), "十五"},
        {QDate(1899, 7, 4), Ymd(1901, 1, 4), "十四"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
        TFRM_Date& w = Open(c.today);
        EXPECT_EQ(w.Selected(), c.shown);
        EXPECT_EQ(Child("Label1").text(), QString::number(int(c.shown.year())));
        EXPECT_EQ(Child("Label17").text(), QString::number(unsigned(c.shown.month())));
        EXPECT_EQ(LunarCell(HighlightedCell()).text(), c.lunar);
        EXPECT_FALSE(Child("Label21").text().isEmpty());
        for (int i : VisibleCells()) EXPECT_FALSE(LunarCell(i).text().isEmpty()) << i;
    }
}

TEST_F(DateWinTest, ClosesWhenAnotherWindowIsActivated) {
    TFRM_Date& w = Open(QDate(2024, 2, 10));
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_Escape);  // no cancel button: Escape leaves it open
    EXPECT_TRUE(w.isVisible());

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }));
    // Hidden, not freed: the next opening frees it.
    EXPECT_NE(window.get(), nullptr);
}

}  // namespace
