#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPointer>
#include <memory>

#include "numbers/ModalSlot.h"
#include "numbers/Unt_sjcs.h"
#include "platform/FakePlatform.h"
#include "store/ConnStr.h"
#include "tests/numbers/FormTestSupport.h"
#include "tests/support/SqliteFixture.h"

namespace {

const char* kDream = R"(
    CREATE TABLE shouji (num TEXT, title TEXT, jx TEXT, content TEXT);
    INSERT INTO shouji VALUES ('78', ' 一帆风顺 ', '吉', '事业顺利，财运亨通。'),
                              ('0', '整数', '凶带吉', '零之数。'),
                              ('8', '八方来财', '吉', '八之数。');
)";

class MobileForm : public ::testing::Test {
protected:
    void SetUp() override {
        MakeSqliteDb(dir.File("dream.dll"), kDream);
        programDir = std::make_unique<ScopedProgramDir>(dir.path().string());
        form = new TFrm_SJcs;
    }
    void TearDown() override { delete form.data(); }
    QStringList Values() {
        return {LabelText(form, "RzLabel11"), LabelText(form, "RzLabel10"), LabelText(form, "RzLabel9"),
                LabelText(form, "RzLabel8")};
    }
    const QStringList k5678 = {"13912345678", QStringLiteral("一帆风顺"), QStringLiteral("吉"),
                               QStringLiteral("事业顺利，财运亨通。")};

    FakePlatform fake;
    TempDir dir;
    std::unique_ptr<ScopedProgramDir> programDir;
    QPointer<TFrm_SJcs> form;
};

TEST_F(MobileForm, ShowsItsCaptionsAndNotes) {
    form->show();
    EXPECT_EQ(form->objectName(), "Frm_SJcs");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("手机号码测算"));
    EXPECT_EQ(form->size(), QSize(437, 300));
    EXPECT_EQ(LabelText(form, "RzLabel1"), QStringLiteral("输入号码："));
    EXPECT_EQ(LabelText(form, "RzLabel2"), QStringLiteral("手机号码是："));
    EXPECT_EQ(LabelText(form, "RzLabel6"), QStringLiteral("请注意：手机号码是11位，请正确输入。"));
    EXPECT_TRUE(
        LabelText(form, "RzLabel7").startsWith(QStringLiteral("注：有些人会问，手机号码为什么会影响")));
    EXPECT_TRUE(LabelText(form, "RzLabel7").endsWith(QStringLiteral("也代表您与所有人的沟通桥梁！")));
    EXPECT_EQ(Named<QGroupBox>(form, "RzGroupBox2")->title(), QStringLiteral("测算结果"));
    EXPECT_EQ(Box(form)->maxLength(), 11);
    EXPECT_EQ(Named<QLabel>(form, "RzLabel8")->size(), QSize(337, 83));
    EXPECT_EQ(Values(), QStringList({"", "", "", ""}));
}

TEST_F(MobileForm, ReadingShowsTheStoredRowOfTheKey) {
    form->show();
    QTest::keyClicks(Box(form), "139a1234-5678 9");  // only the digits get in, eleven of them
    EXPECT_EQ(Box(form)->text(), "13912345678");
    Click(form, "RzBitBtn1");
    EXPECT_EQ(Values(), k5678);

    // An exact multiple of 80 is key "0"; Enter runs the reading too.
    Box(form)->clear();
    QTest::keyClicks(Box(form), "13900008000");
    QTest::keyClick(Box(form), Qt::Key_Return);
    EXPECT_EQ(Values(), QStringList({"13900008000", QStringLiteral("整数"), QStringLiteral("凶带吉"),
                                     QStringLiteral("零之数。")}));
    form->RunReadingFor("12345678");  // key "8"
    EXPECT_EQ(Values()[1], QStringLiteral("八方来财"));
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_TRUE(fake.errors.isEmpty());
}

TEST_F(MobileForm, KeyWithoutRowShowsOnlyTheNumber) {
    form->RunReadingFor("13912345678");
    form->RunReadingFor("13900000001");
    EXPECT_EQ(Values(), QStringList({"13900000001", "", "", ""}));
}

TEST_F(MobileForm, BadInputKeepsTheLabels) {
    form->RunReadingFor("13912345678");
    form->RunReadingFor("  ");
    EXPECT_EQ(fake.infos, QStringList({QStringLiteral("请输入11位手机号码！")}));
    form->RunReadingFor("1234567");  // nothing from the 8th character on
    form->RunReadingFor("1234567AB");
    ASSERT_EQ(fake.errors.size(), 2);
    EXPECT_TRUE(fake.errors[1].contains("AB")) << fake.errors[1].toStdString();
    EXPECT_EQ(Values(), k5678);
}

TEST_F(MobileForm, LookupThatCannotRunEndsSilently) {
    form->RunReadingFor("13912345678");
    std::filesystem::remove(dir.File("dream.dll"));
    form->RunReadingFor("13900008000");
    WriteFile(dir.File("dream.dll"), "garbage");
    form->RunReadingFor("13900008000");
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_TRUE(fake.errors.isEmpty());
    EXPECT_EQ(Values(), k5678);
}

TEST_F(MobileForm, ShowingWithANumberInTheBoxRunsTheReading) {
    Box(form)->setText("13912345678");
    form->show();
    EXPECT_EQ(Values(), k5678);
}

TEST_F(MobileForm, ShowingEmptyDoesNothing) {
    form->show();
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_EQ(Values(), QStringList({"", "", "", ""}));
}

TEST(MobileSlot, EveryOpeningIsFresh) {
    FakePlatform fake;
    QPointer<TFrm_SJcs> slot;
    ShowInSlot(slot);
    Box(slot)->setText("13912345678");
    QPointer<TFrm_SJcs> first = slot;
    Click(slot, "RzBitBtn2");
    RunDeferredDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(slot.isNull());
    ShowInSlot(slot);
    ASSERT_FALSE(slot.isNull());
    EXPECT_EQ(Box(slot)->text(), "");
    EXPECT_TRUE(fake.infos.isEmpty());  // the empty box ran no reading on show
    delete slot.data();
}

}  // namespace
