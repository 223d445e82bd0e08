#include "numbers/UntWangm.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <exception>
#include <tuple>

#include "numbers/FormSupport.h"
#include "numbers/NetName.h"
#include "platform/Platform.h"
#include "text/Convert.h"

TFrmWangming::TFrmWangming(QWidget* parent) : QDialog(parent), traitSource_(GetNetNameInfo) {
    // 395 x 213 outside, title bar and frame included.
    SetUpFixedWindow(this, "FrmWangming", QStringLiteral("网名与性格"), QSize(387, 180));

    auto* input = new QGroupBox(this);
    input->setObjectName(QStringLiteral("RzGroupBox1"));
    input->setGeometry(6, 4, 375, 50);
    AddLabels(input, {{"RzLabel1", {10, 18, 66, 16}, QStringLiteral("输入网名：")}});
    std::tie(edtmun, RzBitBtn1, RzBitBtn2) = AddInputRow(
        input, 14, 18, false, [this] { RzBitBtn1Click(); }, [this] { RzBitBtn2Click(); });

    auto* result = new QGroupBox(QStringLiteral("测算结果"), this);
    result->setObjectName(QStringLiteral("RzGroupBox2"));
    result->setGeometry(6, 58, 375, 118);
    AddLabels(result, {
                          {"RzLabel11", {12, 22, 329, 16}, {}},
                          {"RzLabel8", {12, 42, 329, 75}, {}, true},
                          // Part of the group since the window was first drawn; nothing writes them.
                          {"RzLabel9", {345, 22, 24, 16}, {}},
                          {"RzLabel10", {345, 42, 24, 16}, {}},
                      });
    RzLabel11 = LabelNamed(result, "RzLabel11");
    RzLabel8 = LabelNamed(result, "RzLabel8");
    RzLabel11->setStyleSheet(QStringLiteral("color: green;"));
    RzLabel8->setStyleSheet(QStringLiteral("color: navy;"));
}

void TFrmWangming::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) CentreOnScreen(this);
    QDialog::showEvent(event);
}

void TFrmWangming::RunReadingFor(const QString& nickname) {
    edtmun->setText(UpperAscii(nickname));
    RunCommand([this] { RzBitBtn1Click(); });
}

void TFrmWangming::RzBitBtn1Click() {
    const std::string nickname(Trim(edtmun->text().toStdString()));
    if (nickname.empty()) {
        ShowInfo(QStringLiteral("请输入你的网名！"));
        return;
    }
    RzLabel11->setText(QStringLiteral("你的网名：") + QString::fromStdString(nickname));
    try {
        const std::string trait(Trim(traitSource_(nickname)));
        RzLabel8->setText(QStringLiteral("你的性格：") + QString::fromStdString(trait));
    } catch (const std::exception&) {
        RzLabel8->setText(QStringLiteral("请重新输入网名，请不要输入特殊字符！"));
    }
}

void TFrmWangming::RzBitBtn2Click() { close(); }
