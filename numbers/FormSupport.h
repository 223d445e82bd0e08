#pragma once
// What the number and net-name windows share: the digit key filter and the upper-case box.
#include <QDialog>
#include <QObject>
#include <QRect>
#include <QString>
#include <QValidator>
#include <functional>
#include <initializer_list>
#include <tuple>

#include "platform/RunCommand.h"
#include "platform/WindowParts.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The input row these windows share on line `top` of `group`: the box `edtmun` (letters shown
// in upper case, at most `maxLength` characters, keys filtered as EditKeyFilter does), then
// "测算" (`RzBitBtn1`) and "关闭" (`RzBitBtn2`). Enter and "测算" run `onRun`, "关闭" runs
// `onClose`, each as a command.
std::tuple<QLineEdit*, QPushButton*, QPushButton*> AddInputRow(QWidget* group, int top, int maxLength,
                                                               bool digitsOnly, std::function<void()> onRun,
                                                               std::function<void()> onClose);

// Shows ASCII letters in upper case, whatever way they reach the box.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
QString UpperAscii(const QString& text);

// Key handling of an edit box. With digitsOnly, only "0" to "9", Backspace and Enter get
// through among the keys that type a character; keys that type nothing (arrows, Delete,
// shortcuts such as paste) are left alone. Enter runs `onEnter` and goes no further, so the
// dialog's default button does not run it a second time.
class EditKeyFilter : public QObject {
public:
    EditKeyFilter(QLineEdit* edit, bool digitsOnly, std::function<void()> onEnter);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool digitsOnly_;
    std::function<void()> onEnter_;
};
