#include "numbers/NumberForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <tuple>

#include "numbers/FormSupport.h"
#include "numerology/EightyOne.h"
#include "platform/Platform.h"
#include "text/Convert.h"

TNumberForm::TNumberForm(const Texts& texts, QWidget* parent)
    : QDialog(parent), emptyMessage_(texts.emptyMessage) {
    SetUpFixedWindow(this, texts.objectName, texts.caption, QSize(388, texts.clientHeight));

    auto* input = new QGroupBox(this);
    input->setObjectName(QStringLiteral("RzGroupBox1"));
    input->setGeometry(6, 6, 376, 52);
    AddLabels(input, {{"RzLabel1", {10, 19, 66, 16}, texts.inputCaption}});
    std::tie(edtmun, RzBitBtn1, RzBitBtn2) = AddInputRow(
        input, 15, 18, true, [this] { RzBitBtn1Click(); }, [this] { RzBitBtn2Click(); });

    auto* result = new QGroupBox(QStringLiteral("测算结果"), this);
    result->setObjectName(QStringLiteral("RzGroupBox2"));
    result->setGeometry(6, 64, 376, 200);
    AddLabels(result, {
                          {"RzLabel2", {10, 26, 72, 16}, texts.row1Caption},
                          {"RzLabel3", {10, 50, 72, 16}, QStringLiteral("状态：")},
                          {"RzLabel4", {10, 74, 72, 16}, QStringLiteral("吉凶：")},
                          {"RzLabel5", {10, 98, 72, 16}, QStringLiteral("具体表现：")},
                          {"RzLabel11", {84, 26, 290, 16}, {}},
                          {"RzLabel10", {84, 50, 290, 16}, {}},
                          {"RzLabel9", {84, 74, 290, 16}, {}},
                          {"RzLabel8", {84, 98, 290, 97}, {}, true},
                      });
    RzLabel11 = LabelNamed(result, "RzLabel11");
    RzLabel10 = LabelNamed(result, "RzLabel10");
    RzLabel9 = LabelNamed(result, "RzLabel9");
    RzLabel8 = LabelNamed(result, "RzLabel8");
    RzLabel9->setStyleSheet(QStringLiteral("color: red;"));
}

void TNumberForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) CentreOnScreen(this);
    QDialog::showEvent(event);
}

void TNumberForm::RunReadingFor(const QString& number) {
    edtmun->setText(UpperAscii(number));
    RunCommand([this] { RzBitBtn1Click(); });
}

void TNumberForm::RzBitBtn1Click() {
    const std::string number(Trim(edtmun->text().toStdString()));
    if (number.empty()) {
        ShowInfo(emptyMessage_);
        return;
    }
    // Throws before any label changes when the text is not a number.
    const QString reading = QString::fromStdString(GetNumberInfo(number));
    for (QLabel* label : {RzLabel11, RzLabel10, RzLabel9, RzLabel8}) label->clear();
    RzLabel11->setText(QString::fromStdString(number));
    // Verdict, luck class, and the rest: a missing "|" leaves the earlier fields empty.
    QString rest = reading;
    const auto takeField = [&rest]() {
        const qsizetype bar = rest.indexOf(u'|');
        const QString field = bar < 0 ? QString() : rest.left(bar);
        if (bar >= 0) rest.remove(0, bar + 1);
        return field;
    };
    RzLabel10->setText(takeField());
    RzLabel9->setText(takeField());
    RzLabel8->setText(rest);
}

void TNumberForm::RzBitBtn2Click() { close(); }
