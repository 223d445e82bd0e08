#pragma once
// What the number and net-name windows share: the digit key filter, the upper-case box,
// the fixed layout from a table of controls.
#include <QDialog>
#include <QObject>
#include <QRect>
#include <QString>
#include <QValidator>
#include <functional>
#include <initializer_list>

#include "platform/RunCommand.h"

class QLabel;
class QLineEdit;
class QWidget;

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

// One row of a window's control table; geometry in its parent's client coordinates.
struct LabelSpec {
    const char* name;
    QRect geometry;
    QString text;
    bool wrap = false;
};
void AddLabels(QWidget* parent, std::initializer_list<LabelSpec> labels);
QLabel* LabelNamed(QWidget* parent, const char* name);

// Fixed client size, "宋体" 12 px, only the close box in the title bar, destroyed on close.
void SetUpToolWindow(QDialog* window, const char* objectName, const QString& caption, QSize clientSize);

// Centres a top-level window on the screen it is on.
void CentreOnScreen(QWidget* window);
