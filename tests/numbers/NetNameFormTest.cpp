#include <gtest/gtest.h>

#include <QPointer>
#include <stdexcept>

#include "numbers/ModalSlot.h"
#include "numbers/UntWangm.h"
#include "platform/FakePlatform.h"
#include "tests/numbers/FormTestSupport.h"

namespace {

const QString kTraitM = QStringLiteral("反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱");

class NetNameForm : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TFrmWangming;
        form->show();
    }
    void TearDown() override { delete form.data(); }
    QStringList Values() { return {LabelText(form, "RzLabel11"), LabelText(form, "RzLabel8")}; }
    FakePlatform fake;
    QPointer<TFrmWangming> form;
};

TEST_F(NetNameForm, ShowsItsCaptionsAndControls) {
    EXPECT_EQ(form->objectName(), "FrmWangming");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("网名与性格"));
    EXPECT_EQ(LabelText(form, "RzLabel1"), QStringLiteral("输入网名："));
    EXPECT_EQ(Box(form)->maxLength(), 18);
    EXPECT_EQ(Named<QLabel>(form, "RzLabel8")->size(), QSize(329, 75));
    EXPECT_EQ(Named<QLabel>(form, "RzLabel11")->palette().color(QPalette::WindowText),
              QColor(0x00, 0x80, 0x00));  // green #008000, not lime
    EXPECT_EQ(Named<QLabel>(form, "RzLabel8")->palette().color(QPalette::WindowText), QColor(Qt::darkBlue));
    EXPECT_EQ(Values(), QStringList({"", ""}));
}

TEST_F(NetNameForm, ReadingShowsNicknameAndTrait) {
    struct Case {
        QString nickname, shown, trait;
    };
    const Case cases[] = {
        {QStringLiteral("王小明"), QStringLiteral("王小明"), kTraitM},
        {QStringLiteral(" tom2000 "), QStringLiteral("TOM2000"), QStringLiteral("煽情高手")},
        {QStringLiteral("小明②"), QStringLiteral("小明②"), QStringLiteral("老实，沉默")},
        {QStringLiteral("小明给"), QStringLiteral("小明给"), {}},
        {QStringLiteral("!!!"), QStringLiteral("!!!"), {}},
    };
    for (const Case& c : cases) {
        form->RunReadingFor(c.nickname);
        EXPECT_EQ(Values(), QStringList({QStringLiteral("你的网名：") + c.shown,
                                         QStringLiteral("你的性格：") + c.trait}))
            << c.nickname.toStdString();
    }
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_EQ(LabelText(form, "RzLabel9"), "");
    EXPECT_EQ(LabelText(form, "RzLabel10"), "");
}

TEST_F(NetNameForm, EveryKeyPassesAndEnterRunsTheReading) {
    QTest::keyClicks(Box(form), "abc 1-!");
    EXPECT_EQ(Box(form)->text(), "ABC 1-!");  // ASCII letters shown in upper case
    QTest::keyClick(Box(form), Qt::Key_Return);
    EXPECT_EQ(Values(),
              QStringList({QStringLiteral("你的网名：ABC 1-!"), QStringLiteral("你的性格：好奇心强，专一")}));
}

TEST_F(NetNameForm, EmptyInputIsReportedAndChangesNothing) {
    form->RunReadingFor(QStringLiteral("王小明"));
    form->RunReadingFor("   ");
    QTest::keyClick(Box(form), Qt::Key_Enter);
    EXPECT_EQ(fake.infos,
              QStringList({QStringLiteral("请输入你的网名！"), QStringLiteral("请输入你的网名！")}));
    EXPECT_EQ(Values(),
              QStringList({QStringLiteral("你的网名：王小明"), QStringLiteral("你的性格：") + kTraitM}));
}

TEST_F(NetNameForm, FailingTraitAsksForAnotherName) {
    form->SetTraitSource([](std::string_view) -> std::string { throw std::runtime_error("broken"); });
    form->RunReadingFor(QStringLiteral("王小明"));
    EXPECT_EQ(Values(), QStringList({QStringLiteral("你的网名：王小明"),
                                     QStringLiteral("请重新输入网名，请不要输入特殊字符！")}));
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST(NetNameSlot, ReopeningGivesAFreshWindow) {
    FakePlatform fake;
    QPointer<TFrmWangming> slot;
    ShowInSlot(slot);
    slot->RunReadingFor(QStringLiteral("王小明"));
    QPointer<TFrmWangming> first = slot;
    ShowInSlot(slot);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(Box(slot)->text(), "");
    EXPECT_EQ(LabelText(slot, "RzLabel8"), "");
    delete slot.data();
}

}  // namespace
