#include "almanac/huangdao.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <functional>

#include "almanac/AlmanacText.h"
#include "platform/DateFormats.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/RunCommand.h"
#include "store/ConnStr.h"
#include "store/Errors.h"
#include "text/Convert.h"

namespace {

const QColor kPanelColour(0xCD, 0xED, 0xFC);
const QColor kSummaryColour(0xFF, 0x00, 0x00);

// Lines 13 and 19 carry on the line before; the trailing blanks are part of the text.
const char16_t* const kGlossary[] = {
    u"嫁娶 ：男娶女嫁，举行结婚大典的吉日 ",
    u"祭祀 ：指祠堂之祭祀、即拜祭祖先或庙寺的祭拜、神明等事 ",
    u"安葬 ：举行埋葬等仪式 ",
    u"出行 ：指外出旅行、观光游览 ",
    u"祈福 ：祈求神明降福或设醮还愿之事 ",
    u"动土 ：建筑时、第一次动起锄头挖土 ",
    u"安床 ：指安置睡床卧铺之意 ",
    u"开光 ：佛像塑成后、供奉上位之事 ",
    u"纳采 ：缔结婚姻的仪式、受授聘金 ",
    u"入殓 ：将尸体放入棺材之意 ",
    u"移徙 ：指搬家迁移住所之意 ",
    u"破土 ：仅指埋葬用的破土、与一般建筑房屋的“动土”不同，即“破土”属阴宅，“动土”属阳宅也。现",
    u"今社会上多已滥用属阴宅择日时属阴宅须辨别之。 ",
    u"解除 ：指冲洗清扫宅舍、解除灾厄等事 ",
    u"入宅 ：即迁入新宅、所谓“新居落成典礼”也 ",
    u"修造 ：指阳宅之造与修理 ",
    u"栽种 ：种植物“接果”“种田禾”同 ",
    u"开市 ：“开业”之意，商品行号开张做生意“开幕典礼”“开工”同。包括：(1)年头初开始营业或开工等",
    u"事(2)新设店铺商行或新厂开幕等事 ",
    u"移柩 ：行葬仪时、将棺木移出屋外之事 ",
    u"订盟 ：订婚仪式的一种，俗称小聘(订) ",
    u"拆卸 ：拆掉建筑物 ",
    u"立卷 ：订立各种契约互相买卖之事 ",
    u"交易 ：订立各种契约互相买卖之事 ",
    u"求嗣 ：指向神明祈求后嗣(子孙)之意 ",
    u"上梁 ：装上建筑物屋顶的梁，同架马 ",
    u"纳财 ：购屋产业、进货、收帐、收租、讨债、贷款、五谷入仓等 ",
    u"起基 ：建筑时、第一次动起锄头挖土 ",
    u"斋醮 ：庙宇建醮前需举行的斋戒仪式 ",
    u"赴任 ：走马上任 ",
    u"冠笄 ：男女年满二十岁所举行的成年礼仪式 ",
    u"安门 ：放置正门门框 ",
    u"修坟 ：修理坟墓 ",
    u"挂匾 ：指悬挂招牌或各种匾额",
};

// The window the entry points opened last.
QPointer<TFormHuangdao> current;

// The labels were laid out for a face 12 pixels high; the CJK faces here need a taller line,
// so each label keeps the vertical centre of its 12-pixel original and grows around it.
QLabel* AddLabel(QWidget* parent, const char* name, int left, int top, int width, const QString& text,
                 const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int height = std::max(12, QFontMetrics(font).height());
    if (width <= 0) width = QFontMetrics(font).horizontalAdvance(text) + 2;
    label->setGeometry(left, top + 6 - height / 2, width, height);
    return label;
}

QComboBox* AddDateBox(QWidget* parent, const char* name, QRect geometry, int first, int last, int digits) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // Typed digits stay as typed: inline completion would turn a "1" into "10".
    box->setCompleter(nullptr);
    box->setGeometry(geometry);
    for (int v = first; v <= last; ++v) box->addItem(QStringLiteral("%1").arg(v, digits, 10, QChar('0')));
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    return box;
}

QPushButton* AddButton(QWidget* parent, const char* name, int left, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 10, 60, 23);
    button->setAutoDefault(false);
    return button;
}

// A multi-line box that fills its frame, below the frame's caption.
QPlainTextEdit* AddMemo(QGroupBox* frame, const char* name) {
    auto* memo = new QPlainTextEdit(frame);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->addWidget(memo);
    return memo;
}

QGroupBox* AddFrame(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    return frame;
}

PageSettings AlmanacPage() {
    PageSettings page;
    page.paper = QPageSize::A4;
    page.marginsMm = QMarginsF(12.7, 12.7, 12.7, 12.7);
    page.headerMm = 6.35;
    page.footerMm = 6.35;
    page.landscape = false;
    return page;
}

bool ReadsAsDate(const std::string& key) { return ParseShortDate(QString::fromStdString(key)).has_value(); }

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace

TFormHuangdao::TFormHuangdao(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormHuangdao"));
    setWindowTitle(QStringLiteral("黄道吉日"));
    // A window of its own even with a parent; the title bar has the system menu and its close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(600, 464);
    setFont(SongFont(12));

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, 0, 600, 464);
    panel->setAutoFillBackground(true);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, kPanelColour);
    panel->setPalette(colours);

    const QFont plain = SongFont(12);
    const QFont bold = SongFont(12, true);

    RzGroupBox2 = AddFrame(panel, "RzGroupBox2", {4, 0, 593, 61}, QString());
    AddLabel(RzGroupBox2, "RzLabel1", 16, 16, 0, QStringLiteral("选择黄历："), plain);
    SYear = AddDateBox(RzGroupBox2, "SYear", {79, 11, 54, 20}, 2010, 2020, 4);
    AddLabel(RzGroupBox2, "Label15", 137, 16, 0, QStringLiteral("年"), plain);
    SMonth = AddDateBox(RzGroupBox2, "SMonth", {152, 11, 41, 20}, 1, 12, 2);
    AddLabel(RzGroupBox2, "Label16", 194, 16, 0, QStringLiteral("月"), plain);
    Sday = AddDateBox(RzGroupBox2, "Sday", {207, 11, 41, 20}, 1, 31, 2);
    AddLabel(RzGroupBox2, "Label17", 251, 16, 0, QStringLiteral("日"), plain);

    RzCheckBox1 = new QCheckBox(QStringLiteral("包括吉时"), RzGroupBox2);
    RzCheckBox1->setObjectName(QStringLiteral("RzCheckBox1"));
    RzCheckBox1->setChecked(true);
    {
        const QSize hint = RzCheckBox1->sizeHint();
        const int height = std::max(17, hint.height());
        RzCheckBox1->setGeometry(270, 12 + 8 - height / 2, hint.width(), height);
    }

    RzBitBtn1 = AddButton(RzGroupBox2, "RzBitBtn1", 396, QStringLiteral("测算"));
    RzBitBtn3 = AddButton(RzGroupBox2, "RzBitBtn3", 457, QStringLiteral("打印"));
    RzBitBtn2 = AddButton(RzGroupBox2, "RzBitBtn2", 518, QStringLiteral("关闭"));

    AddLabel(RzGroupBox2, "RzLabel3", 16, 40, 0, QStringLiteral("当日统览："), bold);
    Label1 = AddLabel(RzGroupBox2, "Label1", 80, 40, 377, QString(), bold);
    {
        QPalette red = Label1->palette();
        red.setColor(QPalette::WindowText, kSummaryColour);
        Label1->setPalette(red);
    }

    RzGroupBox1 = AddFrame(panel, "RzGroupBox1", {4, 63, 593, 242}, QStringLiteral("测算结果："));
    Memo1 = AddMemo(RzGroupBox1, "Memo1");

    RzGroupBox3 = AddFrame(panel, "RzGroupBox3", {4, 308, 593, 154}, QStringLiteral("黄历名词解释："));
    Memo2 = AddMemo(RzGroupBox3, "Memo2");
    Memo2->setReadOnly(true);
    QStringList glossary;
    for (const char16_t* line : kGlossary) glossary << QString::fromUtf16(line);
    Memo2->setPlainText(glossary.join(u'\n'));

    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RunCommand([this] { RzBitBtn1Click(); }); });
    connect(RzBitBtn3, &QPushButton::clicked, this, [this] { RunCommand([this] { RzBitBtn3Click(); }); });
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RunCommand([this] { RzBitBtn2Click(); }); });

    FormCreate();
}

TFormHuangdao::~TFormHuangdao() = default;

void TFormHuangdao::FormCreate() { ADOQuery1.SetConnectionString(GetFileConnStr()); }

void TFormHuangdao::SetDateTexts(const QString& year, const QString& month, const QString& day) {
    SYear->setEditText(year);
    SMonth->setEditText(month);
    Sday->setEditText(day);
}

void TFormHuangdao::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;  // coming back from the task bar is no new showing
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    RunCommand([this] { FormShow(); });
}

void TFormHuangdao::FormShow() {
    const QDate today = Today();
    const struct {
        QComboBox* box;
        const char* format;
    } boxes[] = {{SYear, "yyyy"}, {SMonth, "MM"}, {Sday, "dd"}};
    for (const auto& b : boxes) {
        if (Trim(Utf8(b.box->currentText())).empty())
            b.box->setEditText(today.toString(QLatin1String(b.format)));
    }
    RzBitBtn1Click();
}

void TFormHuangdao::RzBitBtn1Click() {
    const std::optional<std::string> key =
        CheckAlmanacTexts(SYear->currentText(), SMonth->currentText(), Sday->currentText());
    if (!key) return;
    ADOQuery1.Close();
    ADOQuery1.ClearSql();
    ADOQuery1.SetSql(HuangdaoSql(*key));
    // Not guarded here: a file or statement that fails is the general error report's to show.
    ADOQuery1.Open();
    if (ADOQuery1.RecordCount() == 0) return;  // a date without a row leaves the last entry on show
    const ColumnReader column = [this](std::string_view name) {
        return ADOQuery1.FieldByName(name).AsString();
    };
    Label1->setText(QString::fromStdString(AlmanacSummary(*key, column)));
    // Every line is made before the box changes, so a missing column leaves the last entry whole.
    const std::vector<std::string> lines = AlmanacLines(column, RzCheckBox1->isChecked());
    QStringList text;
    for (const std::string& line : lines) text << QString::fromStdString(line);
    Memo1->setPlainText(text.join(u'\n'));
}

void TFormHuangdao::RzBitBtn3Click() {
    const QString text = Memo1->toPlainText();
    if (Trim(Utf8(text)).empty()) return;
    Sys().printing->PrintLines(text.split(u'\n'), AlmanacPage(), windowTitle());
}

void TFormHuangdao::RzBitBtn2Click() { close(); }

void TFormHuangdao::closeEvent(QCloseEvent* event) {
    if (current == this) current = nullptr;
    QWidget::closeEvent(event);
}

std::optional<std::string> CheckAlmanacTexts(const QString& year, const QString& month, const QString& day) {
    const DateTextCheck check = CheckDateTexts(Utf8(year), Utf8(month), Utf8(day), ReadsAsDate);
    if (check.fault != DateTextFault::None) {
        ShowInfo(QString::fromStdString(DateTextMessage(check.fault)));
        return std::nullopt;
    }
    return check.key;
}

TFormHuangdao* OpenAlmanacToday(QWidget* parent) {
    auto* window = new TFormHuangdao(parent);
    current = window;
    window->show();
    return window;
}

TFormHuangdao* OpenAlmanacFor(const QString& year, const QString& month, const QString& day,
                              QWidget* parent) {
    if (!CheckAlmanacTexts(year, month, day)) return nullptr;
    auto* window = new TFormHuangdao(parent);
    window->SetDateTexts(year, month, day);
    current = window;
    window->show();
    return window;
}

TFormHuangdao* CurrentAlmanacWindow() { return current.data(); }
