#include "numbers/FormSupport.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <exception>

#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "store/Errors.h"

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

void AddLabels(QWidget* parent, std::initializer_list<LabelSpec> labels) {
    for (const LabelSpec& spec : labels) {
        auto* label = new QLabel(spec.text, parent);
        label->setObjectName(QString::fromLatin1(spec.name));
        label->setGeometry(spec.geometry);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(spec.wrap);
        label->setTextFormat(Qt::PlainText);
    }
}

QLabel* LabelNamed(QWidget* parent, const char* name) {
    return parent->findChild<QLabel*>(QString::fromLatin1(name));
}

void SetUpToolWindow(QDialog* window, const char* objectName, const QString& caption, QSize clientSize) {
    window->setObjectName(QString::fromLatin1(objectName));
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    window->setFixedSize(clientSize);
    window->setFont(SongFont(12));
    window->setAttribute(Qt::WA_DeleteOnClose);
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    window->setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
}
