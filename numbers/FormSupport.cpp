#include "numbers/FormSupport.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

QString UpperAscii(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
    }
    return out;
}

QValidator::State UpperCaseValidator::validate(QString& input, int&) const {
    input = UpperAscii(input);
    return Acceptable;
}

EditKeyFilter::EditKeyFilter(QLineEdit* edit, bool digitsOnly, std::function<void()> onEnter)
    : QObject(edit), digitsOnly_(digitsOnly), onEnter_(std::move(onEnter)) {
    edit->installEventFilter(this);
    if (digitsOnly) {
        // Text composed by an input method would bypass the key filter.
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
        edit->setInputMethodHints(Qt::ImhDigitsOnly);
    }
}

bool EditKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        RunCommand(onEnter_);
        return true;
    }
    if (!digitsOnly_ || key->key() == Qt::Key_Backspace) return false;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint()) return false;  // types nothing: not filtered
    const bool digits = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return !digits;
}

std::tuple<QLineEdit*, QPushButton*, QPushButton*> AddInputRow(QWidget* group, int top, int maxLength,
                                                               bool digitsOnly, std::function<void()> onRun,
                                                               std::function<void()> onClose) {
    auto* edit = new QLineEdit(group);
    edit->setObjectName(QStringLiteral("edtmun"));
    edit->setGeometry(78, top, 144, 22);
    edit->setMaxLength(maxLength);
    edit->setValidator(new UpperCaseValidator(edit));
    auto* run = new QPushButton(QStringLiteral("测算"), group);
    run->setObjectName(QStringLiteral("RzBitBtn1"));
    run->setGeometry(236, top - 1, 60, 24);
    auto* close = new QPushButton(QStringLiteral("关闭"), group);
    close->setObjectName(QStringLiteral("RzBitBtn2"));
    close->setGeometry(304, top - 1, 60, 24);

    // Enter is handled by the key filter, so no button may also take it as the default.
    for (QPushButton* b : {run, close}) b->setAutoDefault(false);
    new EditKeyFilter(edit, digitsOnly, onRun);
    QObject::connect(run, &QPushButton::clicked, run, [onRun] { RunCommand(onRun); });
    QObject::connect(close, &QPushButton::clicked, close, [onClose] { RunCommand(onClose); });
    return {edit, run, close};
}
