#pragma once
// What the tool windows share: a fixed client area with only a close box in the title
// bar, labels placed by a table, centring on the screen.
#include <QRect>
#include <QSize>
#include <QString>
#include <initializer_list>

class QLabel;
class QWidget;

// Fixed client size, "宋体" 12 px (9 points at 96 dpi), only the close box, destroyed on close.
void SetUpFixedWindow(QWidget* window, const char* objectName, const QString& caption, QSize clientSize);

// One row of a window's control table; geometry in the parent's client coordinates.
struct LabelSpec {
    const char* name;
    QRect geometry;
    QString text;
    bool wrap = false;
};
void AddLabels(QWidget* parent, std::initializer_list<LabelSpec> labels);
QLabel* LabelNamed(QWidget* parent, const char* name);

// Centres a top-level window on the screen it is on.
void CentreOnScreen(QWidget* window);
