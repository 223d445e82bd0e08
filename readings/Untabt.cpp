#include "readings/Untabt.h"

#include <QLabel>
#include <QShowEvent>
#include <QTextEdit>

#include "platform/Fonts.h"
#include "platform/WindowParts.h"
#include "readings/BabySex.h"

QFont ChartFont() {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
                      QStringLiteral("Noto Sans Mono CJK SC")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);
    return font;
}

TFrm_NanNv::TFrm_NanNv(QWidget* parent) : QDialog(parent) {
    // 594 × 561 outside, less the frame.
    SetUpFixedWindow(this, "Frm_NanNv", QStringLiteral("生男生女"), QSize(586, 527));

    RzMemo1 = new QTextEdit(this);
    RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
    RzMemo1->setGeometry(0, 0, 586, 474);
    RzMemo1->setFont(ChartFont());
    RzMemo1->setAcceptRichText(false);
    RzMemo1->setLineWrapMode(QTextEdit::NoWrap);
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RzMemo1->setPlainText(QString::fromStdString(BabySexChartText()));

    AddLabels(this, {{"RzLabel1",
                      {8, 478, 570, 46},
                      QStringLiteral("说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。"
                                     "遇闰月，上半月以上个月份计算，下半月以下个月份计算。"),
                      true}});
    RzLabel1 = LabelNamed(this, "RzLabel1");
}

void TFrm_NanNv::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) CentreOnScreen(this);
}
