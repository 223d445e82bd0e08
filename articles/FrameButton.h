#pragma once
// A push button with a coloured frame drawn over the style's own look; the illustrated-article
// window marks its current page with it.
#include <QColor>
#include <QPushButton>

class TFrameButton : public QPushButton {
    Q_OBJECT

public:
    // Dark blue, every button's frame until something marks it.
    static inline const QColor kDefaultFrame{0, 60, 116};

    explicit TFrameButton(const QString& caption, QWidget* parent = nullptr);

    QColor FrameColour() const { return frame_; }
    void SetFrameColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor frame_ = kDefaultFrame;
};
