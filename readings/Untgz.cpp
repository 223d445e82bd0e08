#include "readings/Untgz.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <span>

#include "platform/Platform.h"
#include "platform/RunCommand.h"
#include "platform/WindowParts.h"
#include "readings/BoneWeight.h"
#include "store/ConnStr.h"

namespace {

QComboBox* AddList(QWidget* parent, const char* name, QRect geometry) {
    auto* box = new QComboBox(parent);  // not editable: picking only
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setMaxVisibleItems(12);
    return box;
}

template <class Text>
void FillList(QComboBox* box, std::span<const Text> items) {
    box->clear();
    for (const auto& item : items)
        box->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

void Pick(QComboBox* box, const QString& text) { box->setCurrentIndex(box->findText(text)); }

}  // namespace

TFrmgzfx::TFrmgzfx(QWidget* parent) : QDialog(parent) {
    SetUpFixedWindow(this, "Frmgzfx", QStringLiteral("骨重分析"), QSize(281, 154));

    auto* birth = new QGroupBox(this);
    birth->setObjectName(QStringLiteral("RzGroupBox1"));
    birth->setGeometry(4, 2, 273, 52);
    AddLabels(birth, {
                         {"RzLabel4", {6, 8, 38, 17}, QStringLiteral("生日：")},
                         {"RzLabel5", {104, 8, 14, 17}, QStringLiteral("年")},
                         {"RzLabel6", {176, 8, 14, 17}, QStringLiteral("月")},
                         {"RzLabel7", {104, 30, 14, 17}, QStringLiteral("日")},
                         {"RzLabel8", {176, 30, 14, 17}, QStringLiteral("时")},
                     });
    ComboBoxyear = AddList(birth, "ComboBoxyear", {44, 5, 58, 21});
    ComboBoxmonth = AddList(birth, "ComboBoxmonth", {120, 5, 54, 21});
    ComboBoxday = AddList(birth, "ComboBoxday", {44, 27, 58, 21});
    ComboBoxtime = AddList(birth, "ComboBoxtime", {120, 27, 54, 21});
    RzBitBtn1 = AddButton(birth, "RzBitBtn1", QStringLiteral("测算"), {204, 4, 62, 21});
    RzBitBtn2 = AddButton(birth, "RzBitBtn2", QStringLiteral("关闭"), {204, 27, 62, 21});

    auto* result = new QGroupBox(this);
    result->setObjectName(QStringLiteral("RzGroupBox2"));
    result->setGeometry(4, 56, 273, 60);
    AddLabels(result, {
                          {"RzLabel2", {6, 4, 261, 17}, {}},
                          {"RzLabel1", {6, 22, 261, 36}, {}, true},
                      });
    RzLabel2 = LabelNamed(result, "RzLabel2");
    RzLabel1 = LabelNamed(result, "RzLabel1");
    RzLabel2->setStyleSheet(QStringLiteral("color: red;"));

    AddLabels(this,
              {{"RzLabel3",
                {6, 118, 269, 36},
                QStringLiteral(
                    "注：骨重是通过出生时农历的年月日时辰来获得，骨重代表一个人的事业、健康、财运、福运！"),
                true}});

    FillList(ComboBoxmonth, BoneMonths());
    FillList(ComboBoxday, BoneDays());
    FillList(ComboBoxtime, BoneHours());
    ComboBoxmonth->setCurrentIndex(0);  // 正
    ComboBoxday->setCurrentIndex(0);    // 初一
    ComboBoxtime->setCurrentIndex(0);   // 0

    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RunCommand([this] { RzBitBtn1Click(); }); });
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RunCommand([this] { RzBitBtn2Click(); }); });
}

void TFrmgzfx::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        CentreOnScreen(this);
        RunCommand([this] { FormShow(); });
    }
}

void TFrmgzfx::FormShow() {
    FillList(ComboBoxyear, BoneYears());
    // A current year outside 1900..2019 leaves the list without a selection.
    ComboBoxyear->setCurrentIndex(ComboBoxyear->findText(Today().toString(QStringLiteral("yyyy"))));
    AdoMOT.SetConnectionString(GetDreamConnStr());
}

void TFrmgzfx::RzBitBtn1Click() {
    const QString year = ComboBoxyear->currentText().trimmed();
    if (year.isEmpty()) {
        ShowInfo(QStringLiteral("请选择年！"));
        return;
    }
    const QString day = ComboBoxday->currentText().trimmed();
    const QString hour = ComboBoxtime->currentText().trimmed();
    const QString month = ComboBoxmonth->currentText().trimmed();
    RzLabel2->setText(GetpeoleGzmun(year, month, day, hour));
}

QString TFrmgzfx::GetpeoleGzmun(const QString& year, const QString& month, const QString& day,
                                const QString& hour) {
    const BoneReading reading = ReadBoneWeight(
        AdoMOT, {year.toStdString(), month.toStdString(), day.toStdString(), hour.toStdString()});
    if (reading.verse) RzLabel1->setText(QString::fromStdString(*reading.verse));
    return QString::fromStdString(reading.line);
}

void TFrmgzfx::RunReadingFor(const QString& year, const QString& month, const QString& day,
                             const QString& hour) {
    Pick(ComboBoxyear, year);
    Pick(ComboBoxmonth, month);
    Pick(ComboBoxday, day);
    Pick(ComboBoxtime, hour);
    RunCommand([this] { RzBitBtn1Click(); });
}

void TFrmgzfx::RzBitBtn2Click() { close(); }
