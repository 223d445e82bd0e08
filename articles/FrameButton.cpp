#include "articles/FrameButton.h"

#include <QPainter>

TFrameButton::TFrameButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
}

void TFrameButton::SetFrameColour(const QColor& colour) {
    if (frame_ == colour) return;
    frame_ = colour;
    update();
}

void TFrameButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    QPainter painter(this);
    // A disabled button keeps its frame colour but fades it, as the caption fades.
    QColor colour = frame_;
    if (!isEnabled()) colour.setAlpha(110);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
