#include "platform/WindowParts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include "platform/Fonts.h"

void SetUpFixedWindow(QWidget* window, const char* objectName, const QString& caption, QSize clientSize) {
    window->setObjectName(QString::fromLatin1(objectName));
    window->setWindowTitle(caption);
    const Qt::WindowFlags kind = window->windowFlags() & Qt::WindowType_Mask;
    window->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(clientSize);
    window->setFont(SongFont(12));
    window->setAttribute(Qt::WA_DeleteOnClose);
}

void AddLabels(QWidget* parent, std::initializer_list<LabelSpec> labels) {
    for (const LabelSpec& row : labels) {
        auto* label = new QLabel(row.text, parent);
        label->setObjectName(QString::fromLatin1(row.name));
        label->setGeometry(row.geometry);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(row.wrap);
        label->setTextFormat(Qt::PlainText);
    }
}

QLabel* LabelNamed(QWidget* parent, const char* name) {
    return parent->findChild<QLabel*>(QString::fromLatin1(name));
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    window->setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
}
