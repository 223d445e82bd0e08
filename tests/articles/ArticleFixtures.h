#pragma once
// Small content databases for the article windows, and helpers to find and drive controls.
#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QSize>
#include <QWidget>
#include <stdexcept>
#include <string>

// VorBirth.dll's Noter rows used by the window tests.
extern const char kNoterSql[];

// PNG bytes of a picture of `size` in one colour, or split: left half `left`, right half `right`.
std::string PngBytes(QSize size, QColor left, QColor right);
inline std::string PngBytes(QSize size, QColor colour) { return PngBytes(size, colour, colour); }

// An SVG of `width` × `height` filled with `colour`; a non-positive size leaves the width
// and height attributes out and gives only a viewBox of 200 × 100.
std::string SvgText(int width, int height, const char* colour);

// A literal X'…' of the bytes, for INSERT statements.
std::string BlobLiteral(const std::string& bytes);

// VorFile.dll's tuwen rows: article 3 with three pages (PNG 100×60 red, SVG 120×80 green, a
// PNG larger than the picture box, split red|blue), article 16 with one page, article 9
// with sixteen pages; article 7 has none.
std::string TuwenSql();

template <class T>
T& Child(QWidget* window, const QString& name) {
    T* child = window->findChild<T*>(name);
    if (!child) throw std::runtime_error("no control " + name.toStdString());
    return *child;
}

// Windows delete themselves with deleteLater when closed.
inline void RunDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Where screenshots go when KELVARO_SHOT_DIR names a folder; empty otherwise.
QString ShotDir();
