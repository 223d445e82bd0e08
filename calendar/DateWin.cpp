#include "calendar/DateWin.h"

#include <QFontMetricsF>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QToolButton>
#include <algorithm>
#include <exception>
#include <functional>

#include "calendar/DateCnTables.h"
#include "calendar/MonthGrid.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "store/Errors.h"

using std::chrono::year_month_day;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kLunarGreen(0x00, 0x40, 0x00);
const QColor kOrange(0xFF, 0x80, 0x00);
const QColor kTermBlue(0x53, 0x53, 0xFF);

QFont FontOf(const QStringList& families, int pixelSize, QFont::Weight weight) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

// Heavy Latin faces for the numbers; Debian has no Arial Black, DejaVu Sans Bold comes closest.
QFont ArialBlackFont(int pixelSize) {
    return FontOf({QStringLiteral("Arial Black"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans")},
                  pixelSize, QFont::Black);
}

QFont ArialFont(int pixelSize, bool bold) {
    return FontOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
                  pixelSize, bold ? QFont::Bold : QFont::Normal);
}

QFont LiShuFont(int pixelSize, bool bold) {
    return FontOf({QStringLiteral("隶书"), QStringLiteral("LiSu"), QStringLiteral("STLiti"),
                   QStringLiteral("AR PL UKai CN"), QStringLiteral("Noto Serif CJK SC")},
                  pixelSize, bold ? QFont::Bold : QFont::Normal);
}

QFont HeiTiFont(int pixelSize, bool bold) {
    return FontOf({QStringLiteral("黑体"), QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC")},
                  pixelSize, bold ? QFont::Bold : QFont::Normal);
}

void SetTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

QColor ToneColour(CellTone tone) {
    switch (tone) {
        case CellTone::LunarMonth:
            return kRed;
        case CellTone::Festival:
            return kOrange;
        case CellTone::SolarTerm:
            return kTermBlue;
        case CellTone::LunarDay:
            break;
    }
    return kLunarGreen;
}

year_month_day ToYmd(const QDate& date) {
    return std::chrono::year{date.year()} / std::chrono::month(unsigned(date.month())) /
           std::chrono::day(unsigned(date.day()));
}

// Day numbers are drawn at 11 points of a 96-dpi screen, whatever the screen's own resolution.
constexpr int kDayNumberPixels = 15;

constexpr QSize kOuterSize{339, 319};  // with the title bar and borders
const QStringList kWeekdays = {QStringLiteral("星期日"), QStringLiteral("星期一"), QStringLiteral("星期二"),
                               QStringLiteral("星期三"), QStringLiteral("星期四"), QStringLiteral("星期五"),
                               QStringLiteral("星期六")};

}  // namespace

// A label that can report a mouse press and a click. For Chinese text in a box about one character
// high it centres the glyphs themselves: the CJK fonts of this system have line heights near 1.45 em,
// which would push the characters out of a 12-pixel label.
class TFRM_Date::ClickLabel : public QLabel {
public:
    ClickLabel(QWidget* parent, bool centreInk) : QLabel(parent), centreInk_(centreInk) {}

    std::function<void()> onPress;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        pressed_ = event->button() == Qt::LeftButton;
        if (onPress) onPress();
        event->accept();
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool click =
            pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
        pressed_ = false;
        event->accept();
        if (click && onClick) onClick();
    }

    void paintEvent(QPaintEvent* event) override {
        if (!centreInk_) return QLabel::paintEvent(event);
        QPainter painter(this);
        drawFrame(&painter);
        const QRectF area = contentsRect();
        const QFontMetricsF metrics(font());
        // One reference character, so that every text of the label shares a baseline.
        const QRectF ink = metrics.tightBoundingRect(QStringLiteral("国"));
        const qreal baseline = area.top() + (area.height() - ink.height()) / 2 - ink.top();
        const qreal width = metrics.horizontalAdvance(text());
        qreal left = area.left();
        if (alignment() & Qt::AlignHCenter) left += (area.width() - width) / 2;
        if (alignment() & Qt::AlignRight) left += area.width() - width;
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QPointF(left, baseline), text());
    }

private:
    bool centreInk_;
    bool pressed_ = false;
};

// A rectangle drawn in one colour, with or without a thin border.
class TFRM_Date::Shape : public QWidget {
public:
    Shape(QWidget* parent, QColor fill, bool border) : QWidget(parent), fill_(fill), border_(border) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), fill_);
        if (border_) {
            painter.setPen(kBlack);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    QColor fill_;
    bool border_;
};

// A vertical pair of arrow buttons holding a position in [min, max], without wrap-around. The upper
// button raises the position; both repeat while held.
class TFRM_Date::UpDown : public QWidget {
public:
    UpDown(QWidget* parent, int min, int max) : QWidget(parent), min_(min), max_(max), position_(min) {
        auto* up = new QToolButton(this);
        auto* down = new QToolButton(this);
        up->setObjectName(QStringLiteral("up"));
        down->setObjectName(QStringLiteral("down"));
        up->setArrowType(Qt::UpArrow);
        down->setArrowType(Qt::DownArrow);
        for (QToolButton* button : {up, down}) {
            button->setAutoRepeat(true);
            button->setFocusPolicy(Qt::NoFocus);
        }
        QObject::connect(up, &QToolButton::clicked, this, [this] { Step(+1); });
        QObject::connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
        up_ = up;
        down_ = down;
    }

    std::function<void()> onClick;
    int Position() const { return position_; }
    void SetPosition(int position) { position_ = std::clamp(position, min_, max_); }

protected:
    void resizeEvent(QResizeEvent*) override {
        const int half = height() / 2;
        up_->setGeometry(0, 0, width(), half);
        down_->setGeometry(0, half, width(), height() - half);
    }

private:
    void Step(int delta) {
        SetPosition(position_ + delta);
        if (onClick) onClick();
    }

    int min_;
    int max_;
    int position_;
    QToolButton* up_;
    QToolButton* down_;
};

template <class Handler>
void TFRM_Date::Run(Handler&& handler) {
    try {
        handler();
    } catch (const AbortCommand&) {
    } catch (const std::exception& error) {
        Sys().messages->ShowError(QString::fromUtf8(error.what()));
    }
}

TFRM_Date::TFRM_Date(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FRM_Date"));  // a form is named after its class less the "T"
    setWindowTitle(QStringLiteral("Tesmo日历"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(331, 285);
    setFont(SongFont(12));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWhite);
    setPalette(palette);
    setAutoFillBackground(true);

    // Created from the back of the drawing order to the front.
    auto label = [this](const char* name, QRect geometry, const QFont& font, const QColor& colour,
                        Qt::Alignment alignment, bool centreInk) {
        auto* created = new ClickLabel(this, centreInk);
        created->setObjectName(QString::fromLatin1(name));
        created->setGeometry(geometry);
        created->setFont(font);
        created->setAlignment(alignment);
        SetTextColour(*created, colour);
        return created;
    };
    auto rule = [this](const char* name, int left, int top, int width) {
        auto* created = new QFrame(this);
        created->setObjectName(QString::fromLatin1(name));
        created->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        created->setGeometry(left, top, width, 2);
        return created;
    };
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;

    Shape1 = new Shape(this, kWhite, true);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(0, 0, 331, 285);

    Label20 =
        label("Label20", {0, 56, 313, 72}, ArialBlackFont(64), QColor(0xFF, 0xE8, 0xDD), centred, false);
    Label16 =
        label("Label16", {16, 146, 313, 134}, ArialBlackFont(120), QColor(0xEB, 0xEB, 0xEB), centred, false);
    Bevel2 = rule("Bevel2", 9, 46, 297);

    Shape2 = new Shape(this, QColor(0x7E, 0xE2, 0x81), false);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(12, 56, 38, 30);

    Label1 = label("Label1", {120, 0, 76, 41}, ArialBlackFont(29), QColor(0, 0, 0xFF), centred, false);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setToolTip(QStringLiteral("单击改变年份"));

    for (int k = 0; k < 7; ++k) {
        const QColor colour = k == 0 || k == 6 ? kRed : kBlack;
        WeekdayHeader[k] = label(QByteArray("Label").append(QByteArray::number(2 + k)).constData(),
                                 {19 + 40 * k, 40, 36, 12}, SongFont(12), colour, topLeft, true);
        WeekdayHeader[k]->setText(kWeekdays[k]);
    }

    day1 = label("day1", {14, 56, 36, 16}, ArialBlackFont(14), kBlack, centred, false);
    day1->hide();
    Cnday = label("Cnday", {13, 73, 36, 12}, SongFont(12), kLunarGreen, centred, true);
    Cnday->hide();

    for (int k = 0; k < 7; ++k) {
        const QColor colour = k == 0 || k == 6 ? kRed : kBlack;
        WeekdayFooter[k] = label(QByteArray("Label").append(QByteArray::number(9 + k)).constData(),
                                 {20 + 40 * k, 253, 36, 12}, SongFont(12), colour, topLeft, true);
        WeekdayFooter[k]->setText(kWeekdays[k]);
    }

    Bevel1 = rule("Bevel1", 9, 240, 297);

    Label17 =
        label("Label17", {10, 3, 36, 37}, ArialFont(32, true), QColor(0x80, 0x80, 0xC0), topLeft, false);
    Label17->setCursor(Qt::PointingHandCursor);
    Label17->setToolTip(QStringLiteral("单击改变月份"));

    Label18 = label("Label18", {45, 17, 14, 14}, SongFont(14, true), kBlack, topLeft, true);
    Label18->setText(QStringLiteral("月"));
    Label19 = label("Label19", {205, 17, 14, 14}, SongFont(14, true), kBlack, topLeft, true);
    Label19->setText(QStringLiteral("年"));

    Label21 =
        label("Label21", {230, 212, 78, 35}, LiShuFont(35, true), QColor(0xDD, 0xDD, 0xFF), centred, true);
    Label22 =
        label("Label22", {152, 223, 69, 23}, HeiTiFont(19, true), QColor(0xFF, 0x80, 0xFF), centred, true);

    UpDown1 = new UpDown(this, kFirstCalendarYear, kLastCalendarYear);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(221, 10, 16, 24);
    UpDown2 = new UpDown(this, 1, 12);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    UpDown2->setGeometry(61, 10, 16, 24);

    StaticText1 = label("StaticText1", {272, 17, 28, 16}, SongFont(12), kBlack, topLeft, true);
    StaticText1->setText(QStringLiteral("今天"));
    StaticText1->setFrameStyle(QFrame::Box | QFrame::Plain);
    StaticText1->setLineWidth(1);
    StaticText1->setAutoFillBackground(true);
    {
        QPalette framed = StaticText1->palette();
        framed.setColor(QPalette::Window, QColor(0xCE, 0xF2, 0xD0));
        StaticText1->setPalette(framed);
    }
    StaticText1->setCursor(Qt::PointingHandCursor);

    UpDown1->onClick = [this] { Run([this] { UpDown1Click(); }); };
    UpDown2->onClick = [this] { Run([this] { UpDown2Click(); }); };
    Label1->onClick = [this] { Run([this] { Label1Click(); }); };
    Label17->onClick = [this] { Run([this] { Label17Click(); }); };
    StaticText1->onClick = [this] { Run([this] { StaticText1Click(); }); };

    FormCreate();
}

TFRM_Date::~TFRM_Date() = default;

void TFRM_Date::FormCreate() {
    BuildDayGrid();
    SelectedDate = SupportedDate(ToYmd(Today()));
}

void TFRM_Date::BuildDayGrid() {
    // Made last, so they lie in front of the watermarks and the highlight.
    for (int i = 1; i <= kMonthCells; ++i) {
        const int column = (i - 1) % 7;
        const int row = (i - 1) / 7;

        auto* day = new ClickLabel(this, false);
        day->setObjectName(QStringLiteral("DayCell%1").arg(i));
        day->setGeometry(14 + 42 * column, 56 + 32 * row, 36, 16);
        day->setFont(day1->font());
        day->setAlignment(day1->alignment());
        SetTextColour(*day, kBlack);
        day->onPress = [this, day] { Run([this, day] { CnDayMouseDown(*day); }); };
        day->onClick = [this, day] { Run([this, day] { CnDayClick(*day); }); };

        auto* lunar = new ClickLabel(this, true);
        lunar->setObjectName(QStringLiteral("LunarCell%1").arg(i));
        lunar->setGeometry(13 + 42 * column, 73 + 32 * row, 36, 12);
        lunar->setFont(Cnday->font());
        lunar->setAlignment(Cnday->alignment());
        SetTextColour(*lunar, kLunarGreen);
        lunar->onPress = [this, lunar] { Run([this, lunar] { ChnDateMouseDown(*lunar); }); };
        lunar->onClick = [this, lunar] { Run([this, lunar] { CHnDayClick(*lunar); }); };

        DayCells[i] = day;
        LunarCells[i] = lunar;
    }
}

void TFRM_Date::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;  // un-minimising is no new showing
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize outer = frameGeometry().size() == size() ? kOuterSize : frameGeometry().size();
        const QPoint centre = screen->availableGeometry().center();
        move(centre.x() - outer.width() / 2, centre.y() - outer.height() / 2);
    }
    Run([this] { FormShow(); });
}

void TFRM_Date::FormShow() {
    ShownYear = std::uint16_t(int(SelectedDate.year()));
    ShownMonth = std::uint16_t(unsigned(SelectedDate.month()));
    ShownDay = std::uint16_t(unsigned(SelectedDate.day()));
    UpDown1->SetPosition(ShownYear);
    UpDown2->SetPosition(ShownMonth);
    ShowMonth(SelectedDate);
}

void TFRM_Date::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible()) {
        // Closed after the activation change has been dealt with, and only if it still holds.
        QMetaObject::invokeMethod(
            this, [this] { Run([this] { FormDeactivate(); }); }, Qt::QueuedConnection);
    }
}

void TFRM_Date::FormDeactivate() {
    if (isVisible() && !isActiveWindow()) close();
}

void TFRM_Date::keyPressEvent(QKeyEvent* event) {
    // The calendar has no cancel button; Escape does not close it.
    if (event->key() == Qt::Key_Escape) return event->accept();
    QDialog::keyPressEvent(event);
}

void TFRM_Date::UpDown1Click() {
    ShownYear = std::uint16_t(UpDown1->Position());
    ShowMonth(ClampedDate(ShownYear, ShownMonth, ShownDay));
}

void TFRM_Date::UpDown2Click() {
    ShownMonth = std::uint16_t(UpDown2->Position());
    ShowMonth(ClampedDate(ShownYear, ShownMonth, ShownDay));
}

void TFRM_Date::Label1Click() {
    UpDown1->show();
    UpDown2->hide();
}

void TFRM_Date::Label17Click() {
    UpDown2->show();
    UpDown1->hide();
}

void TFRM_Date::CnDayMouseDown(const QLabel& label) { Shape2->move(label.x() - 1, label.y() + 1); }

void TFRM_Date::ChnDateMouseDown(const QLabel& label) { Shape2->move(label.x(), label.y() - 16); }

void TFRM_Date::CnDayClick(const QLabel& label) {
    ShownDay = std::uint16_t(label.property("tag").toInt());
    StoreSelectedDate();
}

// A click on the lunar text picks the day as a click on its number does.
void TFRM_Date::CHnDayClick(const QLabel& label) { CnDayClick(label); }

void TFRM_Date::StaticText1Click() {
    SelectedDate = SupportedDate(ToYmd(Today()));
    FormShow();
}

void TFRM_Date::StoreSelectedDate() { SelectedDate = ClampedDate(ShownYear, ShownMonth, ShownDay); }

void TFRM_Date::ShowMonth(year_month_day date) {
    const MonthLayout layout = LayOutMonth(date);
    const QString year = QString::number(int(date.year()));
    const QString month = QString::number(unsigned(date.month()));
    Label20->setText(year);
    Label1->setText(year);
    Label17->setText(month);
    Label16->setText(month);
    Label21->setText(QString::fromStdString(layout.zodiac));

    QFont dayFont = day1->font();
    dayFont.setPixelSize(kDayNumberPixels);
    for (int i = 1; i <= kMonthCells; ++i) {
        const MonthCell& cell = layout.cells[i];
        ClickLabel& day = *DayCells[i];
        ClickLabel& lunar = *LunarCells[i];
        day.setFont(dayFont);
        SetTextColour(day, kBlack);
        if (cell.day == 0) {
            day.hide();
            lunar.hide();
            continue;
        }
        day.setText(QString::number(cell.day));
        day.setProperty("tag", cell.day);
        lunar.setProperty("tag", cell.day);
        lunar.setText(QString::fromStdString(cell.lunarText));
        SetTextColour(lunar, ToneColour(cell.tone));
        day.show();
        lunar.show();
    }
    if (layout.highlightCell != 0) {
        const ClickLabel& day = *DayCells[layout.highlightCell];
        Shape2->move(day.x() - 1, day.y() + 1);
        Label22->setText(QString::fromStdString(layout.starSign));
    }
}
