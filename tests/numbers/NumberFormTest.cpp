#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QPointer>
#include <functional>
#include <memory>

#include "numbers/ModalSlot.h"
#include "numbers/UntQQ.h"
#include "numbers/Untonteher.h"
#include "platform/FakePlatform.h"
#include "tests/numbers/FormTestSupport.h"

namespace {

struct Kind {
    const char* objectName;
    std::function<TNumberForm*()> make;
    QString caption, inputCaption, row1Caption, emptyMessage;
    QSize client;
};

const Kind kKinds[] = {
    {"FrmQQhm",
     [] { return new TFrmQQhm; },
     QStringLiteral("QQ号码测试"),
     QStringLiteral("QQ号码："),
     QStringLiteral("qq号码是："),
     QStringLiteral("请输入你的QQ号码！"),
     {388, 270}},
    {"Frm_onther",
     [] { return new TFrm_onther; },
     QStringLiteral("任意号码分析"),
     QStringLiteral("任意号码："),
     QStringLiteral("输入号码是："),
     QStringLiteral("请输入你的号码！"),
     {388, 271}},
};

const QString kVerdict0 = QStringLiteral("大展鸿图，信用得固，名利双收，可获成功");
const QString kType1 = QStringLiteral(
    "主人性格类型：[做事喜好凭直觉型]，其具体表现为：有特强的第六灵感，性格率直无机心，深得朋辈爱戴。"
    "感情路上多采多姿。做事喜好凭个人直觉及预感做决定。");

class NumberForm : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override {
        form = GetParam().make();
        form->show();
    }
    void TearDown() override { delete form.data(); }
    QStringList Values() {
        return {LabelText(form, "RzLabel11"), LabelText(form, "RzLabel10"), LabelText(form, "RzLabel9"),
                LabelText(form, "RzLabel8")};
    }
    FakePlatform fake;
    QPointer<TNumberForm> form;
};

TEST_P(NumberForm, ShowsItsCaptionsAndControls) {
    const Kind& k = GetParam();
    EXPECT_EQ(form->objectName(), k.objectName);
    EXPECT_EQ(form->windowTitle(), k.caption);
    EXPECT_EQ(form->size(), k.client);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(LabelText(form, "RzLabel1"), k.inputCaption);
    EXPECT_EQ(LabelText(form, "RzLabel2"), k.row1Caption);
    EXPECT_EQ(LabelText(form, "RzLabel3"), QStringLiteral("状态："));
    EXPECT_EQ(LabelText(form, "RzLabel4"), QStringLiteral("吉凶："));
    EXPECT_EQ(LabelText(form, "RzLabel5"), QStringLiteral("具体表现："));
    EXPECT_EQ(Named<QPushButton>(form, "RzBitBtn1")->text(), QStringLiteral("测算"));
    EXPECT_EQ(Named<QPushButton>(form, "RzBitBtn2")->text(), QStringLiteral("关闭"));
    EXPECT_EQ(Named<QGroupBox>(form, "RzGroupBox2")->title(), QStringLiteral("测算结果"));
    EXPECT_EQ(Box(form)->maxLength(), 18);
    EXPECT_EQ(Box(form)->width(), 144);
    EXPECT_EQ(Named<QLabel>(form, "RzLabel8")->size(), QSize(290, 97));
    EXPECT_TRUE(Named<QLabel>(form, "RzLabel8")->wordWrap());
    EXPECT_EQ(Named<QLabel>(form, "RzLabel9")->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(Values(), QStringList({"", "", "", ""}));
}

TEST_P(NumberForm, ReadingSplitsIntoTheFourRows) {
    QTest::keyClicks(Box(form), "81");
    Click(form, "RzBitBtn1");
    EXPECT_EQ(Values(), QStringList({"81", kVerdict0, QStringLiteral("吉"), kType1}));
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_TRUE(fake.errors.isEmpty());

    // Leading zeros stay in row 1; the value is 7.
    Box(form)->setText(" 007 ");
    Click(form, "RzBitBtn1");
    EXPECT_EQ(Values().first(), "007");
    EXPECT_EQ(Values()[1], QStringLiteral("努力发达，贯彻志望，不忘进退，可望成功"));
}

TEST_P(NumberForm, FallbackTextGoesToTheLastRow) {
    Box(form)->setText("-5");  // only pasting brings a sign
    Click(form, "RzBitBtn1");
    EXPECT_EQ(Values(), QStringList({"-5", "", "", QStringLiteral("对不起,此号不在分解之类。")}));
}

TEST_P(NumberForm, EmptyInputIsReportedAndChangesNothing) {
    form->RunReadingFor("81");
    for (const char* blank : {"", "   "}) {
        Box(form)->setText(blank);
        Click(form, "RzBitBtn1");
    }
    EXPECT_EQ(fake.infos, QStringList({GetParam().emptyMessage, GetParam().emptyMessage}));
    EXPECT_EQ(Values(), QStringList({"81", kVerdict0, QStringLiteral("吉"), kType1}));
}

TEST_P(NumberForm, TextThatIsNoNumberGoesToTheErrorReport) {
    form->RunReadingFor("81");
    QApplication::clipboard()->setText("12ab");
    Box(form)->clear();
    Box(form)->paste();  // pasted text is not filtered, but shown in upper case
    EXPECT_EQ(Box(form)->text(), "12AB");
    Click(form, "RzBitBtn1");
    ASSERT_EQ(fake.errors.size(), 1);
    EXPECT_TRUE(fake.errors[0].contains("12AB")) << fake.errors[0].toStdString();
    EXPECT_EQ(Values(), QStringList({"81", kVerdict0, QStringLiteral("吉"), kType1}));
    EXPECT_TRUE(form->isVisible());
}

TEST_P(NumberForm, KeysOtherThanDigitsBackspaceAndEnterAreDiscarded) {
    QLineEdit* box = Box(form);
    QTest::keyClicks(box, "1a 2-b3.");
    EXPECT_EQ(box->text(), "123");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "12");
    QTest::keyClick(box, Qt::Key_Left);  // keys that type nothing still work
    QTest::keyClicks(box, "0");
    EXPECT_EQ(box->text(), "102");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(Values().first(), "102");
    EXPECT_EQ(Values()[1], QStringLiteral("秋草逢霜，怀才不遇，忧愁怨苦，事不如意"));  // 102 = 81 + 21
    // Enter on an empty box runs the reading once, not also through a default button.
    box->clear();
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_EQ(fake.infos, QStringList({GetParam().emptyMessage}));
}

TEST_P(NumberForm, CloseButtonDestroysTheWindow) {
    Click(form, "RzBitBtn2");
    RunDeferredDeletes();
    EXPECT_TRUE(form.isNull());
}

INSTANTIATE_TEST_SUITE_P(Kinds, NumberForm, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.objectName); });

TEST(ModalSlot, ReopeningGivesAFreshWindowAndClosingClearsTheSlot) {
    FakePlatform fake;  // shows the window and returns at once, as if it were still open
    QPointer<TFrmQQhm> slot;
    ShowInSlot(slot);
    QPointer<TFrmQQhm> first = slot;
    ASSERT_FALSE(first.isNull());
    first->RunReadingFor("81");

    ShowInSlot(slot);
    EXPECT_TRUE(first.isNull());  // the window from the earlier opening is gone
    ASSERT_FALSE(slot.isNull());
    EXPECT_EQ(Box(slot)->text(), "");
    EXPECT_EQ(LabelText(slot, "RzLabel10"), "");
    EXPECT_EQ(fake.modalShown, QStringList({"FrmQQhm", "FrmQQhm"}));

    slot->close();
    RunDeferredDeletes();
    EXPECT_TRUE(slot.isNull());
}

}  // namespace
