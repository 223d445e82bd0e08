#include "articles/UntNote.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "articles/NoterArticle.h"
#include "platform/Fonts.h"
#include "platform/RunCommand.h"
#include "store/Errors.h"

namespace {

// The 615 × 466 outer window less the frame of a sizeable window, as the main window counts it.
constexpr int kClientWidth = 607;
constexpr int kClientHeight = 432;
constexpr int kStripHeight = 33;
const QColor kMemoColour(239, 248, 254);

QPointer<TFrmNote> current;

QPushButton* AddButton(QWidget* strip, const char* name, int left, const QString& caption) {
    auto* button = new QPushButton(caption, strip);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 4, 75, 25);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TFrmNote::TFrmNote(const QString& code, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FrmNote"));
    setWindowTitle(QStringLiteral("算命"));
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(kClientWidth, kClientHeight);
    // 宋体 at 9 points is 12 pixels at 96 dots per inch.
    setFont(SongFont(12));

    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setFixedHeight(kStripHeight);
    RzBitBtn1 = AddButton(strip, "RzBitBtn1", 8, QStringLiteral("打印"));
    RzBitBtn2 = AddButton(strip, "RzBitBtn2", 88, QStringLiteral("打印设置"));
    RzBitBtn3 = AddButton(strip, "RzBitBtn3", 168, QStringLiteral("关闭"));

    RzMemo1 = new QPlainTextEdit(this);
    RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
    RzMemo1->setReadOnly(true);
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RzMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RzMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Right-clicking the text offers nothing, and the event goes no further either.
    RzMemo1->setContextMenuPolicy(Qt::PreventContextMenu);
    QPalette colours = RzMemo1->palette();
    colours.setColor(QPalette::Base, kMemoColour);
    // The selection keeps its look when the box loses the focus.
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    RzMemo1->setPalette(colours);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strip);
    layout->addWidget(RzMemo1, 1);

    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RunCommand([this] { RzBitBtn1Click(); }); });
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RunCommand([this] { RzBitBtn2Click(); }); });
    connect(RzBitBtn3, &QPushButton::clicked, this, [this] { RunCommand([this] { RzBitBtn3Click(); }); });

    setWindowTitle(GetNoterArticle(code, RzMemo1));
}

TFrmNote::~TFrmNote() = default;

void TFrmNote::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;  // coming back from the task bar is no new showing
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

void TFrmNote::closeEvent(QCloseEvent* event) {
    if (current == this) current = nullptr;
    QWidget::closeEvent(event);
}

void TFrmNote::RzBitBtn1Click() {
    Sys().printing->PrintLines(RzMemo1->toPlainText().split(u'\n'), page_, windowTitle());
}

void TFrmNote::RzBitBtn2Click() {
    // The dialog works on a copy: whatever it throws, the settings stay as they were.
    PageSettings edited = page_;
    try {
        if (Sys().printing->PageSetup(edited, this)) page_ = edited;
    } catch (...) {
    }
}

void TFrmNote::RzBitBtn3Click() { close(); }

QString GetNoterArticle(const QString& code, QPlainTextEdit* memo) {
    const NoterArticle article = FetchNoterArticle(code.toStdString());
    if (!article.found) {
        memo->clear();
        return QString::fromUtf8(kNoArticleTitle);
    }
    memo->appendPlainText(QString::fromStdString(article.body));
    // Appending scrolls to the end; an article is read from its beginning.
    memo->moveCursor(QTextCursor::Start);
    return QString::fromStdString(article.title);
}

TFrmNote* ShowArticle(const QString& code, QWidget* parent) {
    TFrmNote* window = nullptr;
    try {
        window = new TFrmNote(code, parent);
    } catch (const AbortCommand&) {
        return nullptr;
    }
    current = window;
    window->show();
    return window;
}

TFrmNote* CurrentNoteWindow() { return current.data(); }
