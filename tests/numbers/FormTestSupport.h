#pragma once
// Finding and driving the controls of the number windows by their names.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

template <class T>
T* Named(QWidget* window, const char* name) {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline QString LabelText(QWidget* window, const char* name) {
    QLabel* l = Named<QLabel>(window, name);
    return l ? l->text() : QStringLiteral("<missing>");
}

inline QLineEdit* Box(QWidget* window) { return Named<QLineEdit>(window, "edtmun"); }

inline void Click(QWidget* window, const char* button) {
    QPushButton* b = Named<QPushButton>(window, button);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

// Windows delete themselves with deleteLater when closed.
inline void RunDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
