#pragma once
// Finding controls by name, checking that texts fit, and pictures of the reading windows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

template <class T = QWidget>
T* Named(const QWidget* window, const char* name) {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline QString LabelText(const QWidget* window, const char* name) {
    const QLabel* l = Named<QLabel>(window, name);
    return l ? l->text() : QStringLiteral("<missing>");
}

// Windows delete themselves with deleteLater when closed.
inline void RunDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

inline bool HasOnlyACloseBox(const QWidget* window) {
    const Qt::WindowFlags f = window->windowFlags();
    return (f & Qt::WindowCloseButtonHint) && !(f & Qt::WindowMinimizeButtonHint) &&
           !(f & Qt::WindowMaximizeButtonHint) && (f & Qt::CustomizeWindowHint);
}

// Every label's text fits its box (wrapped labels by the height their lines need), every
// named control lies inside its parent, every button's and list's text fits its face.
inline void ExpectTextsFit(const QWidget* window) {
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty()) continue;
        const std::string name = label->objectName().toStdString();
        const QRect box = label->contentsRect();
        const QFontMetrics metrics(label->font());
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
        } else {
            EXPECT_LE(metrics.horizontalAdvance(label->text()), box.width()) << name;
            EXPECT_GE(box.height(), metrics.height()) << name;
        }
    }
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || control->objectName().isEmpty() || control->isWindow()) continue;
        EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry()))
            << control->objectName().toStdString();
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty()) continue;
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 8, button->width())
            << button->objectName().toStdString();
    }
    for (const QComboBox* box : window->findChildren<QComboBox*>()) {
        // The widest item with the drop-down arrow beside it.
        EXPECT_LE(box->minimumSizeHint().width(), box->width()) << box->objectName().toStdString();
    }
}

// KELVARO_SHOT_DIR, when set, receives a picture of the window.
inline void SaveShot(QWidget* window, const char* name) {
    const QByteArray shots = qgetenv("KELVARO_SHOT_DIR");
    if (shots.isEmpty()) return;
    QApplication::processEvents();
    QDir().mkpath(QString::fromLocal8Bit(shots));
    EXPECT_TRUE(window->grab().save(QDir(QString::fromLocal8Bit(shots)).filePath(QString::fromLatin1(name))));
}
