#pragma once
// The body-sign omen window: one page of omens by double hour for each of the seven kinds,
// of which only the page of the kind it was opened with shows; a legend of the double hours.
#include <QWidget>

class QLabel;
class QTabWidget;

class TFormOnther : public QWidget {
    Q_OBJECT

public:
    // A window on the page of `kind` (0..6, readings/Omens.h) with `title` as its caption.
    // A kind outside 0..6 leaves no page active. Create with new: it destroys itself when
    // closed.
    TFormOnther(int kind, const QString& title, QWidget* parent = nullptr);

    // The page on show, -1 for none.
    int ActivePageIndex() const { return activePage_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTabWidget* RzPageControl1 = nullptr;
    QLabel* RzLabel1 = nullptr;  // the legend
    int activePage_ = -1;
};

// What each of the main window's seven omen commands does: a new omen window, a window of
// its own owned by `owner` (if any), shown without blocking; earlier ones stay open.
TFormOnther* ShowOmenWindow(const QString& title, int kind, QWidget* owner = nullptr);

// The omen window opened last, null once it is closed.
TFormOnther* LastOmenWindow();
