#include "numbers/Unt_sjcs.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <tuple>

#include "numbers/FormSupport.h"
#include "numbers/Shouji.h"
#include "platform/Platform.h"
#include "store/ConnStr.h"
#include "text/Convert.h"

TFrm_SJcs::TFrm_SJcs(QWidget* parent) : QDialog(parent) {
    SetUpFixedWindow(this, "Frm_SJcs", QStringLiteral("手机号码测算"), QSize(437, 300));

    auto* input = new QGroupBox(this);
    input->setObjectName(QStringLiteral("RzGroupBox1"));
    input->setGeometry(6, 4, 425, 62);
    AddLabels(input,
              {
                  {"RzLabel1", {10, 17, 66, 16}, QStringLiteral("输入号码：")},
                  {"RzLabel6", {10, 40, 400, 16}, QStringLiteral("请注意：手机号码是11位，请正确输入。")},
              });
    std::tie(edtmun, RzBitBtn1, RzBitBtn2) = AddInputRow(
        input, 13, 11, true, [this] { RzBitBtn1Click(); }, [this] { RzBitBtn2Click(); });

    auto* result = new QGroupBox(QStringLiteral("测算结果"), this);
    result->setObjectName(QStringLiteral("RzGroupBox2"));
    result->setGeometry(6, 70, 425, 168);
    AddLabels(result, {
                          {"RzLabel2", {10, 22, 74, 16}, QStringLiteral("手机号码是：")},
                          {"RzLabel3", {10, 42, 74, 16}, QStringLiteral("状态：")},
                          {"RzLabel4", {10, 62, 74, 16}, QStringLiteral("吉凶：")},
                          {"RzLabel5", {10, 82, 74, 16}, QStringLiteral("具体表现：")},
                          {"RzLabel11", {84, 22, 337, 16}, {}},
                          {"RzLabel10", {84, 42, 337, 16}, {}},
                          {"RzLabel9", {84, 62, 337, 16}, {}},
                          {"RzLabel8", {84, 82, 337, 83}, {}, true},
                      });
    AddLabels(
        this,
        {{"RzLabel7",
          {8, 241, 421, 57},
          QStringLiteral(
              "注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势命运的"
              "意义是一样的。虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通桥梁！"),
          true}});
    RzLabel11 = LabelNamed(result, "RzLabel11");
    RzLabel10 = LabelNamed(result, "RzLabel10");
    RzLabel9 = LabelNamed(result, "RzLabel9");
    RzLabel8 = LabelNamed(result, "RzLabel8");
    RzLabel9->setStyleSheet(QStringLiteral("color: red;"));
}

void TFrm_SJcs::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        CentreOnScreen(this);
        RunCommand([this] { FormShow(); });
    }
}

void TFrm_SJcs::FormShow() {
    if (!Trim(edtmun->text().toStdString()).empty()) RzBitBtn1Click();
}

void TFrm_SJcs::RunReadingFor(const QString& number) {
    edtmun->setText(UpperAscii(number));
    RunCommand([this] { RzBitBtn1Click(); });
}

void TFrm_SJcs::RzBitBtn1Click() {
    const std::string number(Trim(edtmun->text().toStdString()));
    if (number.empty()) {
        ShowInfo(QStringLiteral("请输入11位手机号码！"));
        return;
    }
    const std::string key = shoujiinfostr(number);
    // A lookup that cannot run throws AbortCommand here and leaves the labels as they were.
    const MobileReading reading = LookupMobileReading(GetDreamConnStr(), key);
    for (QLabel* label : {RzLabel11, RzLabel10, RzLabel9, RzLabel8}) label->clear();
    RzLabel11->setText(QString::fromStdString(number));
    RzLabel10->setText(QString::fromStdString(reading.title));
    RzLabel9->setText(QString::fromStdString(reading.luck));
    RzLabel8->setText(QString::fromStdString(reading.content));
}

void TFrm_SJcs::RzBitBtn2Click() { close(); }
