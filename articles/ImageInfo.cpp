#include "articles/ImageInfo.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStyle>
#include <QSvgRenderer>

#include "articles/FrameButton.h"
#include "platform/Fonts.h"
#include "platform/RunCommand.h"
#include "store/ConnStr.h"
#include "store/Errors.h"

namespace {

constexpr int kClientWidth = 652;
constexpr int kClientHeight = 524;
constexpr int kPanelHeight = 56;
constexpr int kPageHeight = kClientHeight - kPanelHeight;  // 468
constexpr int kMemoHeight = 166;
constexpr int kPictureHeight = kPageHeight - kMemoHeight;  // 302

// First row: the two arrows around the fifteen number buttons; second row: the page
// commands at the left, "关闭" at the right.
constexpr int kRowLeft = 22;
constexpr int kNumberWidth = 32;
constexpr int kNumberStep = 36;
constexpr int kRow1Top = 5;
constexpr int kRow2Top = 30;
constexpr int kButtonHeight = 22;
constexpr int kCommandWidth = 70;
constexpr int kCommandStep = 74;
constexpr int kRowRight = kRowLeft + 17 * kNumberStep - (kNumberStep - kNumberWidth);  // 630

const QColor kPageColour(247, 246, 245);
const QColor kCurrentFrame(255, 0, 0);

QPointer<TImageInfoLoad> current;

TFrameButton* AddButton(QWidget* panel, const QString& name, QRect geometry, const QString& caption) {
    auto* button = new TFrameButton(caption, panel);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

bool IsSvg(const std::string& format, const std::string& bytes) {
    return QString::fromStdString(format).compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0 ||
           bytes.find("<svg") != std::string::npos;
}

// The part of a picture of `size` that a box of `box` shows when the picture is centred in it.
QRect VisiblePart(QSize size, QSize box) {
    const QSize shown = size.boundedTo(box);
    return QRect(QPoint((size.width() - shown.width()) / 2, (size.height() - shown.height()) / 2), shown);
}

}  // namespace

QPixmap PagePicture(const std::string& format, const std::string& bytes, QSize box) {
    if (bytes.empty() || box.isEmpty()) return {};
    const QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (IsSvg(format, bytes)) {
        QSvgRenderer renderer(data);
        if (!renderer.isValid()) return {};
        QSizeF size = renderer.defaultSize();
        if (size.isEmpty()) size = renderer.viewBoxF().size();
        if (size.isEmpty() || !(size.width() < 1e7 && size.height() < 1e7)) return {};
        const QRect part = VisiblePart(size.toSize(), box);
        QImage image(part.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(-part.x(), -part.y()), size));
        painter.end();
        return QPixmap::fromImage(image);
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);  // Qt's allocation limit turns away absurd sizes
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > box.width() || size.height() > box.height()))
        reader.setClipRect(VisiblePart(size, box));
    const QImage image = reader.read();
    if (image.isNull()) return {};
    return QPixmap::fromImage(image);
}

QSize TImageInfoLoad::PictureBox() { return {kClientWidth, kPictureHeight}; }

TImageInfoLoad::TImageInfoLoad(int code, const QString& caption, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ImageInfoLoad"));
    // Only the close box in the title bar.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kClientWidth, kClientHeight);
    // 宋体 at 9 points is 12 pixels at 96 dots per inch.
    setFont(SongFont(12));

    // The page control's tabs are never seen; the user turns pages with the buttons below.
    RzPageControl1 = new QStackedWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setGeometry(0, 0, kClientWidth, kPageHeight);
    for (int i = 0; i < kMaxIllustratedPages; ++i) {
        const QString n = QString::number(i + 1);
        QWidget* sheet = TabSheet[i] = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet") + n);
        sheet->setAutoFillBackground(true);
        QPalette grey = sheet->palette();
        grey.setColor(QPalette::Window, kPageColour);
        sheet->setPalette(grey);

        QLabel* image = Image[i] = new QLabel(sheet);
        image->setObjectName(QStringLiteral("Image") + n);
        image->setGeometry(0, 0, kClientWidth, kPictureHeight);
        image->setAlignment(Qt::AlignCenter);

        QPlainTextEdit* memo = RzMemo[i] = new QPlainTextEdit(sheet);
        memo->setObjectName(QStringLiteral("RzMemo") + n);
        memo->setGeometry(0, kPictureHeight, kClientWidth, kMemoHeight);
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const bool last = i == kMaxIllustratedPages - 1;
        memo->setVerticalScrollBarPolicy(last ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        memo->setReadOnly(last);
        RzPageControl1->addWidget(sheet);
    }

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, kPageHeight, kClientWidth, kPanelHeight);

    auto numberSlot = [](int slot) {
        return QRect(kRowLeft + slot * kNumberStep, kRow1Top, kNumberWidth, kButtonHeight);
    };
    BtnBegin = AddButton(panel, QStringLiteral("BtnBegin"), numberSlot(0), QString());
    BtnBegin->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
    for (int i = 0; i < kMaxIllustratedPages; ++i)
        ABtn[i] =
            AddButton(panel, QStringLiteral("ABtn%1").arg(i + 1), numberSlot(i + 1), QString::number(i + 1));
    BtnEnd = AddButton(panel, QStringLiteral("BtnEnd"), numberSlot(kMaxIllustratedPages + 1), QString());
    BtnEnd->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));

    auto commandSlot = [](int slot) {
        return QRect(kRowLeft + slot * kCommandStep, kRow2Top, kCommandWidth, kButtonHeight);
    };
    RzBitBtn20 = AddButton(panel, QStringLiteral("RzBitBtn20"), commandSlot(0), QStringLiteral("首页"));
    RzBitBtn18 = AddButton(panel, QStringLiteral("RzBitBtn18"), commandSlot(1), QStringLiteral("上一页"));
    RzBitBtn19 = AddButton(panel, QStringLiteral("RzBitBtn19"), commandSlot(2), QStringLiteral("下一页"));
    RzBitBtn21 = AddButton(panel, QStringLiteral("RzBitBtn21"), commandSlot(3), QStringLiteral("最末"));
    RzBitBtn1 = AddButton(panel, QStringLiteral("RzBitBtn1"),
                          QRect(kRowRight - kCommandWidth, kRow2Top, kCommandWidth, kButtonHeight),
                          QStringLiteral("关闭"));

    auto on = [this](TFrameButton* button, void (TImageInfoLoad::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { RunCommand([this, handler] { (this->*handler)(); }); });
    };
    on(BtnBegin, &TImageInfoLoad::BtnBeginClick);
    on(RzBitBtn20, &TImageInfoLoad::BtnBeginClick);
    on(BtnEnd, &TImageInfoLoad::BtnEndClick);
    on(RzBitBtn21, &TImageInfoLoad::BtnEndClick);
    on(RzBitBtn18, &TImageInfoLoad::RzBitBtn18Click);
    on(RzBitBtn19, &TImageInfoLoad::RzBitBtn19Click);
    on(RzBitBtn1, &TImageInfoLoad::RzBitBtn1Click);
    for (TFrameButton* number : ABtn)
        connect(number, &QPushButton::clicked, this,
                [this, number] { RunCommand([this, number] { ABtn1Click(number); }); });

    FormCreate();
    code_ = code;
    setWindowTitle(caption);
    LoadPages();
    SetPageButtons();
}

TImageInfoLoad::~TImageInfoLoad() = default;

void TImageInfoLoad::FormCreate() {
    ADOImage.SetConnectionString(GetFileConnStr());
    pages_.Reset(0);
    RzPageControl1->setCurrentIndex(0);
}

void TImageInfoLoad::LoadPages() {
    const std::vector<IllustratedPage> pages = ReadIllustratedPages(ADOImage, code_);
    for (size_t i = 0; i < pages.size(); ++i) {
        Image[i]->setPixmap(PagePicture(pages[i].format, pages[i].picture, PictureBox()));
        RzMemo[i]->setPlainText(QString::fromStdString(pages[i].text));
    }
    pages_.Reset(static_cast<int>(pages.size()));
}

void TImageInfoLoad::SetPageButtons() {
    pages_.Reset(pages_.Count());
    for (int k = 1; k <= kMaxIllustratedPages; ++k) ABtn[k - 1]->setEnabled(pages_.Allows(k));
    // Without a page there is nowhere to go: the arrows and page commands rest as well.
    for (TFrameButton* button : {BtnBegin, BtnEnd, RzBitBtn20, RzBitBtn18, RzBitBtn19, RzBitBtn21})
        button->setEnabled(pages_.Count() > 0);
}

void TImageInfoLoad::ShowPage(int n) {
    for (int k = 1; k <= kMaxIllustratedPages; ++k)
        ABtn[k - 1]->SetFrameColour(k == n ? kCurrentFrame : TFrameButton::kDefaultFrame);
    RzPageControl1->setCurrentIndex(n - 1);
}

void TImageInfoLoad::Show(std::optional<int> page) {
    if (page) ShowPage(*page);
}

void TImageInfoLoad::BtnBeginClick() { Show(pages_.First()); }
void TImageInfoLoad::BtnEndClick() { Show(pages_.Last()); }
void TImageInfoLoad::RzBitBtn18Click() { Show(pages_.Previous()); }
void TImageInfoLoad::RzBitBtn19Click() { Show(pages_.Next()); }

void TImageInfoLoad::ABtn1Click(QObject* sender) {
    Show(pages_.Go(NumberOfButton(sender->objectName().toStdString())));
}

void TImageInfoLoad::RzBitBtn1Click() { close(); }

void TImageInfoLoad::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;  // coming back from the task bar is no new showing
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

void TImageInfoLoad::closeEvent(QCloseEvent* event) {
    if (current == this) current = nullptr;
    QWidget::closeEvent(event);
}

TImageInfoLoad* ShowIllustratedArticle(int code, const QString& caption, QWidget* parent) {
    TImageInfoLoad* window = nullptr;
    try {
        window = new TImageInfoLoad(code, caption, parent);
    } catch (const AbortCommand&) {
        return nullptr;
    }
    current = window;
    window->show();
    return window;
}

TImageInfoLoad* CurrentImageInfoWindow() { return current.data(); }
