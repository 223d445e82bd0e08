#include "app/PicturePanel.h"

#include <QPainter>
#include <QSvgRenderer>

PicturePanel::PicturePanel(const QString& picture, QWidget* parent)
    : QFrame(parent), renderer_(new QSvgRenderer(picture, this)) {}

PicturePanel::~PicturePanel() = default;

void PicturePanel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        renderer_->render(&painter, QRectF(contentsRect()));
    }
    QFrame::paintEvent(event);  // the border on top of the picture
}
