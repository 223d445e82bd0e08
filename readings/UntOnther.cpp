#include "readings/UntOnther.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QShowEvent>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/WindowParts.h"
#include "readings/Omens.h"

namespace {

QPointer<TFormOnther> lastOmenWindow;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* MakePage(int kind) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet%1").arg(kind + 1));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* memo = new QPlainTextEdit(page);
    memo->setObjectName(QStringLiteral("RzMemo%1").arg(kind + 1));
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; }"));
    memo->setPlainText(QString::fromStdString(OmenPageText(kind)));
    layout->addWidget(memo);
    return page;
}

}  // namespace

TFormOnther::TFormOnther(int kind, const QString& title, QWidget* parent) : QWidget(parent, Qt::Window) {
    // 388 × 283 outside, less the frame.
    SetUpFixedWindow(this, "FormOnther", title, QSize(380, 249));

    RzPageControl1 = new QTabWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setGeometry(0, 0, 380, 172);
    for (int k = 0; k < kOmenKinds; ++k) RzPageControl1->addTab(MakePage(k), Utf8(OmenTitle(k)));
    // The tabs lie out of sight: the user sees the one page and cannot switch.
    RzPageControl1->tabBar()->hide();
    if (kind >= 0 && kind < kOmenKinds) {
        activePage_ = kind;
        RzPageControl1->setCurrentIndex(kind);
    } else {
        for (int k = 0; k < kOmenKinds; ++k) RzPageControl1->widget(k)->hide();
    }

    QStringList legend;
    for (std::string_view line : OmenLegendLines()) legend << Utf8(line);
    AddLabels(this, {{"RzLabel1", {8, 177, 366, 72}, legend.join(u'\n'), true}});
    RzLabel1 = LabelNamed(this, "RzLabel1");
    RzLabel1->setStyleSheet(QStringLiteral("color: navy;"));
}

void TFormOnther::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) CentreOnScreen(this);
}

TFormOnther* ShowOmenWindow(const QString& title, int kind, QWidget* owner) {
    auto* window = new TFormOnther(kind, title, owner);
    lastOmenWindow = window;
    window->show();
    return window;
}

TFormOnther* LastOmenWindow() { return lastOmenWindow.data(); }
