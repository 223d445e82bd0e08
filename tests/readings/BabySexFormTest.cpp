#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPointer>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest/QTest>

#include "platform/FakePlatform.h"
#include "readings/BabySex.h"
#include "readings/Untabt.h"
#include "tests/readings/WindowTestSupport.h"

namespace {

class BabySexForm : public ::testing::Test {
protected:
    void TearDown() override { delete form.data(); }
    // As the main window opens a modal tool: the window still in the slot goes first.
    TFrm_NanNv* Open() {
        delete form.data();
        form = new TFrm_NanNv;
        form->show();
        return form;
    }
    QTextEdit* Memo() { return Named<QTextEdit>(form, "RzMemo1"); }

    FakePlatform fake;
    QPointer<TFrm_NanNv> form;
};

TEST_F(BabySexForm, ShowsTheChartAndItsNote) {
    Open();
    EXPECT_EQ(form->objectName(), "Frm_NanNv");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("生男生女"));
    EXPECT_EQ(form->size(), QSize(586, 527));
    EXPECT_TRUE(HasOnlyACloseBox(form));
    EXPECT_TRUE(form->testAttribute(Qt::WA_DeleteOnClose));

    QTextEdit* memo = Memo();
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toPlainText(), QString::fromStdString(BabySexChartText()));
    EXPECT_FALSE(memo->isReadOnly());
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->font().pixelSize(), 12);
    EXPECT_EQ(memo->y(), 0);

    QLabel* note = Named<QLabel>(form, "RzLabel1");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(), QStringLiteral("说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。"
                                           "遇闰月，上半月以上个月份计算，下半月以下个月份计算。"));
    EXPECT_TRUE(note->wordWrap());
    EXPECT_GE(note->y(), memo->geometry().bottom());
}

TEST_F(BabySexForm, CellsStandUnderTheirMonthsOnScreen) {
    Open();
    QApplication::processEvents();
    const QFontMetrics metrics(Memo()->font());
    const QStringList lines = Memo()->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 29);
    const QString header = lines[0];
    QList<int> monthX;
    for (int at = header.indexOf(u'月'); at >= 0; at = header.indexOf(u'月', at + 1))
        monthX << metrics.horizontalAdvance(header.left(at));
    ASSERT_EQ(monthX.size(), 12);
    for (int row = 1; row < lines.size(); ++row) {
        const QString& line = lines[row];
        int month = 0;
        for (int i = 0; i < line.size(); ++i) {
            if (line[i] != u'男' && line[i] != u'女') continue;
            ASSERT_LT(month, 12) << row;
            EXPECT_EQ(metrics.horizontalAdvance(line.left(i)), monthX[month])
                << QFontInfo(Memo()->font()).family().toStdString() << " row " << row << " month "
                << month + 1;
            ++month;
        }
        EXPECT_EQ(month, 12) << row;
    }
    // The widest line fits without a horizontal scroll, and every row fits the box's height
    // or is a scroll away.
    EXPECT_EQ(Memo()->horizontalScrollBar()->maximum(), 0);
    ExpectTextsFit(form);
    SaveShot(form, "baby-sex.png");
}

TEST_F(BabySexForm, EditsDoNotSurviveTheWindow) {
    Open();
    Memo()->selectAll();
    QTest::keyClicks(Memo(), "edited");
    EXPECT_EQ(Memo()->toPlainText(), "edited");
    QPointer<TFrm_NanNv> first = form;
    form->close();
    RunDeferredDeletes();
    EXPECT_TRUE(first.isNull());

    Open();
    EXPECT_EQ(Memo()->toPlainText(), QString::fromStdString(BabySexChartText()));
}

}  // namespace
