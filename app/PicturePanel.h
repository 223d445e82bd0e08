#pragma once
// A panel with a picture stretched over its whole area (banner, central background).
#include <QFrame>
#include <QString>

class QSvgRenderer;

class PicturePanel : public QFrame {
public:
    PicturePanel(const QString& picture, QWidget* parent = nullptr);
    ~PicturePanel() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* renderer_;
};
