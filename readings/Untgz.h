#pragma once
// The bone-weight window "骨重分析": the lunar birth year, month, day and hour picked from
// lists, the weight they add up to and its stored verse.
#include <QDialog>

#include "store/Query.h"

class QComboBox;
class QLabel;
class QPushButton;

class TFrmgzfx : public QDialog {
    Q_OBJECT

public:
    // Create with new: the window destroys itself when closed.
    explicit TFrmgzfx(QWidget* parent = nullptr);

    // The weight line of a birth ("你的骨重为：3两2钱"), empty when no verse is stored for
    // the weight; the verse goes into RzLabel1. Throws AbortCommand when a statement cannot
    // run, with both labels as they were.
    QString GetpeoleGzmun(const QString& year, const QString& month, const QString& day, const QString& hour);

    // Picks the four items and runs "测算", as the user would (gallery and tests). A text
    // that is not an item of its list leaves that list without a selection.
    void RunReadingFor(const QString& year, const QString& month, const QString& day, const QString& hour);

    // The window's query, bound to dream.dll when the window is shown.
    const Query& AdoMOTQuery() const { return AdoMOT; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void RzBitBtn1Click();
    void RzBitBtn2Click();

    QComboBox* ComboBoxyear = nullptr;
    QComboBox* ComboBoxmonth = nullptr;
    QComboBox* ComboBoxday = nullptr;
    QComboBox* ComboBoxtime = nullptr;
    QPushButton* RzBitBtn1 = nullptr;  // "测算"
    QPushButton* RzBitBtn2 = nullptr;  // "关闭"
    QLabel* RzLabel1 = nullptr;        // the verse
    QLabel* RzLabel2 = nullptr;        // the weight line, red
    Query AdoMOT;
};
