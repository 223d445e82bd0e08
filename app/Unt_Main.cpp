#include "app/Unt_Main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>

#include "almanac/huangdao.h"
#include "app/MakerInfo.h"
#include "app/PicturePanel.h"
#include "app/ResultPane.h"
#include "app/Uabout.h"
#include "app/Unt_servers.h"
#include "articles/ImageInfo.h"
#include "articles/UntNote.h"
#include "calendar/DateWin.h"
#include "numbers/UntQQ.h"
#include "numbers/UntWangm.h"
#include "numbers/Unt_sjcs.h"
#include "numbers/Untonteher.h"
#include "platform/Fonts.h"
#include "platform/RunCommand.h"
#include "readings/Omens.h"
#include "readings/UntOnther.h"
#include "readings/Untabt.h"
#include "readings/Untgz.h"
#include "store/ConnStr.h"

// The pictures and tables live in this static library; register them before use.
static void InitAppResources() { Q_INIT_RESOURCE(app); }

namespace {

// Client area: the 800 × 600 outer window less its frame.
constexpr int kClientWidth = 792;
constexpr int kClientHeight = 566;
constexpr int kMenuHeight = 22;
constexpr int kTopHeight = 84;
constexpr int kStatusHeight = 20;
constexpr int kLeftWidth = 176;

struct PanelButton {
    const char16_t* caption;
    const char* action;
    const char* name;
};

// The left panel, row by row, left then right.
constexpr PanelButton kLeftButtons[] = {
    {u"黄道吉日", "almanac", "RzButton2"},    {u"本日吉日", "almanac", "RzButton3"},
    {u"开市吉日", "", "RzButton4"},           {u"交易吉日", "", "RzButton5"},
    {u"嫁娶吉日", "", "RzButton6"},           {u"入宅吉日", "", "RzButton7"},
    {u"入学吉日", "", "RzButton8"},           {u"纳财吉日", "", "RzButton9"},
    {u"订盟吉日", "", "RzButton10"},          {u"安门吉日", "", "RzButton11"},
    {u"出行吉日", "", "RzButton12"},          {u"开光吉日", "", "RzButton13"},
    {u"求嗣吉日", "", "RzButton14"},          {u"祈福吉日", "", "RzButton15"},
    {u"破土吉日", "", "RzButton16"},          {u"祭祀吉日", "", "RzButton17"},
    {u"安葬吉日", "", "RzButton18"},          {u"周公解析", "", "RzButton19"},
    {u"解梦全书", "", "RzButton20"},          {u"打喷嚏占卜", "omen:0", "RzButton21"},
    {u"面热测占卜", "omen:1", "RzButton22"},  {u"心惊测占卜", "omen:2", "RzButton23"},
    {u"犬吠测占卜", "omen:3", "RzButton24"},  {u"眼跳测占卜", "omen:4", "RzButton25"},
    {u"耳热测占卜", "omen:5", "RzButton26"},  {u"耳鸣测占卜", "omen:6", "RzButton27"},
    {u"手机分析", "mobile", "RzButton28"},    {u"QQ号码分析", "qq", "RzButton29"},
    {u"数字分析", "anynumber", "RzButton30"}, {u"网名分析", "netname", "RzButton31"},
    {u"生男生女", "babysex", "RzButton32"},   {u"万年历法", "calendar", "RzButton78"},
};

std::string ReadResource(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("missing resource " + name.toStdString());
    return file.readAll().toStdString();
}

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setFont(SongFont(12));
    label->move(x, y);
    label->adjustSize();
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

QPushButton* AddButton(QWidget* parent, const QString& text, const char* name, QRect geometry,
                       QColor colour) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(SongFont(12, true));
    button->setStyleSheet(QStringLiteral("QPushButton { color: %1; }").arg(colour.name()));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QComboBox* AddCombo(QWidget* parent, const char* name, int x, int width, int first, int last, int digits) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);  // typed text as well as a choice from the list
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);  // a typed "1" must stay "1", not complete to "10"
    box->setFont(SongFont(12));
    box->setGeometry(x, 17, width, 20);
    for (int v = first; v <= last; ++v) box->addItem(QStringLiteral("%1").arg(v, digits, 10, QChar('0')));
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    return box;
}

}  // namespace

TFrmmain::TFrmmain(QWidget* parent) : QMainWindow(parent) {
    InitAppResources();
    setObjectName(QStringLiteral("Frmmain"));
    setWindowTitle(QStringLiteral("Kelvaro"));
    // System menu and minimise only: no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(SongFont(12));

    menuTable_ = ParseMenuTable(ReadResource(QStringLiteral(":/app/MenuBar.txt")));
    commandTable_ = ParseMenuTable(ReadResource(QStringLiteral(":/app/Commands.txt")));
    BuildMenus();

    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("body"));
    setCentralWidget(body);
    const int bodyHeight = kClientHeight - kMenuHeight - kStatusHeight;

    auto* top = new PicturePanel(QStringLiteral(":/app/banner.svg"), body);
    top->setObjectName(QStringLiteral("RzPanel1"));
    top->setFrameStyle(QFrame::Box | QFrame::Sunken);  // grooved
    top->setGeometry(0, 0, kClientWidth, kTopHeight);
    BuildTopPanel(top);

    auto* left = new QScrollArea(body);
    left->setObjectName(QStringLiteral("RzPanel2"));
    left->setGeometry(0, kTopHeight, kLeftWidth, bodyHeight - kTopHeight);
    left->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    left->setFrameStyle(QFrame::NoFrame);
    BuildLeftPanel(left);

    auto* central = new PicturePanel(QStringLiteral(":/app/central.svg"), body);
    central->setObjectName(QStringLiteral("RzPanel3"));
    central->setGeometry(kLeftWidth, kTopHeight, kClientWidth - kLeftWidth, bodyHeight - kTopHeight);
    central->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    BuildCentral(central);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("RzStatusBar1"));
    status->setFixedHeight(kStatusHeight);
    status->setSizeGripEnabled(false);
    auto* pane = new QLabel(QStringLiteral("欢迎使用Orvanta出品系列软件    电话：%1    QQ：%2")
                                .arg(QString::fromUtf16(kMakerTel), QString::fromUtf16(kMakerQQ)),
                            status);
    pane->setObjectName(QStringLiteral("RzStatusPane1"));
    pane->setFixedWidth(766);
    pane->setFont(SongFont(12));
    pane->setStyleSheet(QStringLiteral("color: navy;"));
    status->addWidget(pane);
    setStatusBar(status);

    // The playlist memo is never shown; nothing in the program fills it.
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { RunCommand([this] { Timer1Timer(); }); });
    Timer1->start();

    UnbindHintedEntries();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

TFrmmain::~TFrmmain() = default;

void TFrmmain::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("dxBarManager1Bar1"));
    bar->setNativeMenuBar(false);
    bar->setFixedHeight(kMenuHeight);
    bar->setFont(SongFont(12));
    bar->setStyleSheet(
        QStringLiteral("QMenuBar { border-image: url(:/app/menubar.svg) 0 0 0 0 stretch stretch; }"
                       "QMenuBar::item { background: transparent; padding: 1px 7px; margin: 0px; }"
                       "QMenuBar::item:selected { background: #f6d27a; border: 1px solid #b3861e; }"));
    for (const MenuNode& node : menuTable_) {
        QMenu* menu = bar->addMenu(QString::fromStdString(node.caption));
        AddMenuNodes(menu, node.children);
    }

    // Commands without a place on the menu bar live on the central area's context menu.
    commandMenu_ = new QMenu(this);
    commandMenu_->setObjectName(QStringLiteral("commandMenu"));
    for (const MenuNode& node : commandTable_) {
        QMenu* menu = commandMenu_->addMenu(QString::fromStdString(node.caption));
        AddMenuNodes(menu, node.children);
    }
}

void TFrmmain::AddMenuNodes(QMenu* menu, const std::vector<MenuNode>& nodes) {
    menu->setFont(SongFont(12));
    for (const MenuNode& node : nodes) {
        switch (node.type) {
            case MenuNode::Type::Separator:
                menu->addSeparator();
                break;
            case MenuNode::Type::Menu:
                AddMenuNodes(menu->addMenu(QString::fromStdString(node.caption)), node.children);
                break;
            case MenuNode::Type::Entry:
                AddEntry(menu, node);
                break;
        }
    }
}

QAction* TFrmmain::AddEntry(QMenu* menu, const MenuNode& node) {
    const QString caption = QString::fromStdString(node.caption);
    QAction* action = menu->addAction(caption);
    if (!node.objectName.empty()) action->setObjectName(QString::fromStdString(node.objectName));
    action->setProperty("hint", QString::fromStdString(node.hint));
    action->setProperty("command", static_cast<int>(node.command.kind));
    if (node.command.kind != CommandKind::None) {
        const Command command = node.command;
        connect(action, &QAction::triggered, this, [this, command, caption] { Execute(command, caption); });
        action->setProperty("bound", true);
    } else {
        action->setProperty("bound", false);
    }
    return action;
}

void TFrmmain::UnbindHintedEntries() {
    // Every clickable entry from the last created to the first.
    QList<QAction*> actions = menuBar()->findChildren<QAction*>();
    for (auto it = actions.rbegin(); it != actions.rend(); ++it) {
        QAction* action = *it;
        if (action->menu() || action->isSeparator()) continue;
        if (!HintDisablesEntry(action->property("hint").toString().toStdString())) continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        action->setProperty("bound", false);
    }
}

void TFrmmain::BuildTopPanel(QWidget* top) {
    AddLabel(top, QStringLiteral("选择黄历："), 479, 20);
    SYear = AddCombo(top, "SYear", 537, 54, 2010, 2020, 4);
    AddLabel(top, QStringLiteral("年"), 594, 20);
    SMonth = AddCombo(top, "SMonth", 609, 42, 1, 12, 2);
    AddLabel(top, QStringLiteral("月"), 653, 20);
    Sday = AddCombo(top, "Sday", 667, 41, 1, 31, 2);
    AddLabel(top, QStringLiteral("日"), 710, 20);

    const QColor blue(Qt::blue), red(Qt::red);
    QPushButton* query = AddButton(top, QStringLiteral("查询"), "RzButton57", {723, 17, 62, 20}, blue);
    connect(query, &QPushButton::clicked, this, [this] { RunCommand([this] { RzButton57Click(); }); });

    struct {
        const char16_t* caption;
        const char* name;
        int left;
        Command command;
    } const row2[] = {
        {u"客户服务", "RzButton58", 540, {CommandKind::CustomerService, 0, {}}},
        {u"软件主页", "RzButton59", 601, {CommandKind::HomePage, 0, {}}},
        {u"QQ对话", "RzButton60", 662, {CommandKind::None, 1, {}}},  // arg 1: the QQ chat
        {u"退出软件", "RzButton61", 723, {CommandKind::Exit, 0, {}}},
    };
    for (const auto& b : row2) {
        QPushButton* button =
            AddButton(top, QString::fromUtf16(b.caption), b.name, {b.left, 51, 62, 20}, red);
        const Command command = b.command;
        if (command.kind == CommandKind::None)
            connect(button, &QPushButton::clicked, this, [this] { RunCommand([this] { OpenQQChat(); }); });
        else
            connect(button, &QPushButton::clicked, this, [this, command] { Execute(command); });
    }

    // The web strip lies below the panel's edge, which clips it out of sight.
    EmbeddedWB2 = new QTextBrowser(top);
    EmbeddedWB2->setObjectName(QStringLiteral("EmbeddedWB2"));
    EmbeddedWB2->setGeometry(1, 83, 803, 107);
    EmbeddedWB2->setOpenLinks(false);
    EmbeddedWB2->setFrameStyle(QFrame::NoFrame);
}

void TFrmmain::BuildLeftPanel(QWidget* left) {
    auto* area = static_cast<QScrollArea*>(left);
    auto* inner = new QWidget;
    inner->setObjectName(QStringLiteral("RzPanel2Inner"));
    inner->setFixedSize(kLeftWidth, 5 + 16 * 27);
    inner->setAutoFillBackground(true);
    inner->setStyleSheet(
        QStringLiteral("#RzPanel2Inner { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdf3dc, "
                       "stop:1 #e9c98a); }"));
    int index = 0;
    for (const PanelButton& b : kLeftButtons) {
        const int row = index / 2, column = index % 2;
        ++index;
        auto* button = new QPushButton(QString::fromUtf16(b.caption), inner);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(column == 0 ? 5 : 91, 5 + row * 27, 80, 22);
        button->setFont(SongFont(12));
        button->setFocusPolicy(Qt::TabFocus);
        const std::optional<Command> command = ParseCommand(b.action);
        const QString caption = QString::fromUtf16(b.caption);
        if (command && command->kind != CommandKind::None)
            connect(button, &QPushButton::clicked, this,
                    [this, c = *command, caption] { Execute(c, caption); });
    }
    area->setWidget(inner);
}

void TFrmmain::BuildCentral(QWidget* central) {
    RzMemo1 = CreateResultPane(central);
    BuildSubjectBar(central);
    central->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(central, &QWidget::customContextMenuRequested, this,
            [this, central](const QPoint& at) { commandMenu_->popup(central->mapToGlobal(at)); });
}

void TFrmmain::Execute(const Command& command, const QString& caption) {
    RunCommand([&] {
        switch (command.kind) {
            case CommandKind::None:
                break;
            case CommandKind::Exit:
                ExitProgram();
                break;
            case CommandKind::Almanac:
                OpenAlmanacToday();
                break;
            case CommandKind::Omen:
                if (command.arg >= 0 && command.arg < 7)
                    OpenOmens(command.arg, QString::fromStdString(std::string(OmenTitle(command.arg))));
                break;
            case CommandKind::Mobile:
                OpenMobile();
                break;
            case CommandKind::QQ:
                OpenQQ();
                break;
            case CommandKind::AnyNumber:
                OpenAnyNumber();
                break;
            case CommandKind::NetName:
                OpenNetName();
                break;
            case CommandKind::BabySex:
                OpenBabySex();
                break;
            case CommandKind::Calendar:
                OpenCalendar();
                break;
            case CommandKind::Article:
                OpenArticle(QString::fromStdString(command.code));
                break;
            case CommandKind::Illustrated:
                OpenIllustrated(command.arg, caption);
                break;
            case CommandKind::CustomerService:
                OpenCustomerService();
                break;
            case CommandKind::Mail:
                SendMail();
                break;
            case CommandKind::HomePage:
                OpenHomePage();
                break;
            case CommandKind::About:
                OpenAbout();
                break;
            case CommandKind::Upgrade:
                ShowUpgrade();
                break;
            case CommandKind::OpenRecord:
                OpenRecord();
                break;
            case CommandKind::SaveResult:
            case CommandKind::SaveResultAs:
                SaveResult();
                break;
            case CommandKind::PrintSetup:
                PrintSetup();
                break;
            case CommandKind::PrintResult:
                PrintResult();
                break;
            case CommandKind::NameAnalysis:
                NameAnalysis();
                break;
            case CommandKind::ThreeTalents:
                ThreeTalents();
                break;
            case CommandKind::BoneWeight:
                OpenBoneWeight();
                break;
            case CommandKind::ZodiacReading:
                ZodiacReading();
                break;
            case CommandKind::BloodTypeReading:
                BloodTypeReading();
                break;
            case CommandKind::StarSignReading:
                StarSignReading();
                break;
            case CommandKind::StarSignArticle:
                StarSignArticle(command.arg);
                break;
        }
    });
}

void TFrmmain::ShowTool(CommandKind kind, QDialog* window) {
    delete tools_[kind].data();  // the window of an earlier opening goes first
    window->setAttribute(Qt::WA_DeleteOnClose);
    tools_[kind] = window;
    Sys().modal->ShowModal(*window);
}

QDialog* TFrmmain::ToolWindow(CommandKind kind) const {
    auto it = tools_.find(kind);
    return it == tools_.end() ? nullptr : it->second.data();
}

QAction* TFrmmain::FindMenuAction(const QString& path) const {
    const QStringList parts = path.split('/');
    QList<QAction*> level = menuBar()->actions();
    QAction* found = nullptr;
    for (const QString& part : parts) {
        found = nullptr;
        for (QAction* a : level)
            if (a->text() == part) {
                found = a;
                break;
            }
        if (!found) return nullptr;
        if (found->menu()) level = found->menu()->actions();
    }
    return found;
}

void TFrmmain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) RunCommand([this] { FormShow(); });
}

void TFrmmain::FormShow() {
    ADOQname.SetConnectionString(GetFileConnStr());
    const QDate today = Today();
    const std::pair<QComboBox*, QString> boxes[] = {
        {SYear, today.toString(QStringLiteral("yyyy"))},
        {SMonth, today.toString(QStringLiteral("MM"))},
        {Sday, today.toString(QStringLiteral("dd"))},
    };
    // A year outside the list is set all the same, as text.
    for (const auto& [box, text] : boxes)
        if (box->currentText().trimmed().isEmpty()) box->setEditText(text);
}

QString TFrmmain::GetPlayField(int i, int n) const {
    const QStringList lines = Memo1->toPlainText().split('\n');
    if (i < 0 || i >= lines.size()) return {};
    const QString line = lines[i].trimmed();
    const int first = line.indexOf('>');
    if (n == 1) return first < 0 ? QString() : line.left(first);
    const QString rest = first < 0 ? QString() : line.mid(first + 1);
    const int second = rest.indexOf('>');
    if (n == 2) return second < 0 ? rest : rest.left(second);
    if (n == 3) return second < 0 ? QString() : rest.mid(second + 1).trimmed();
    return {};
}

void TFrmmain::Timer1Timer() {
    if (Memo1->toPlainText().trimmed().isEmpty() || FPlayOn == 0) return;
    if (FPlayEnd < FPlayPos) return;
    // Lines past the memo's end cannot match, so the search stops at its last line.
    const int last = std::min(FPlayEnd, static_cast<int>(Memo1->document()->blockCount()) - 1);
    for (int i = std::max(FPlayPos, 0); i <= last; ++i) {
        if (GetPlayField(i, 1) != QLatin1String("1")) continue;
        FPlayPos = i;
        Sys().web->Navigate(*EmbeddedWB2, GetPlayField(i, 3));
        bool ok = false;
        const int seconds = GetPlayField(i, 2).trimmed().toInt(&ok);
        // A field that is no positive number keeps the interval: a zero interval would spin.
        if (ok && seconds > 0 && seconds <= 24 * 3600) Timer1->setInterval(seconds * 1000);
        ++FPlayPos;
        if (FPlayPos == FPlayEnd) FPlayPos = 0;
        return;
    }
}

void TFrmmain::closeEvent(QCloseEvent* event) {
    // Never refused, nothing saved; open tool windows end with the program.
    event->accept();
    QCoreApplication::quit();
}

void TFrmmain::ExitProgram() { close(); }

// --- Commands carried out by their own windows -------------------------------------------

void TFrmmain::OpenAlmanacToday() { ::OpenAlmanacToday(this); }

void TFrmmain::OpenAlmanacFor(const QString& year, const QString& month, const QString& day) {
    ::OpenAlmanacFor(year, month, day, this);
}

void TFrmmain::RzButton57Click() {
    OpenAlmanacFor(SYear->currentText(), SMonth->currentText(), Sday->currentText());
}

void TFrmmain::OpenOmens(int kind, const QString& title) { ShowOmenWindow(title, kind, this); }
void TFrmmain::OpenMobile() { ShowTool(CommandKind::Mobile, new TFrm_SJcs(this)); }
void TFrmmain::OpenQQ() { ShowTool(CommandKind::QQ, new TFrmQQhm(this)); }
void TFrmmain::OpenAnyNumber() { ShowTool(CommandKind::AnyNumber, new TFrm_onther(this)); }
void TFrmmain::OpenNetName() { ShowTool(CommandKind::NetName, new TFrmWangming(this)); }
void TFrmmain::OpenBabySex() { ShowTool(CommandKind::BabySex, new TFrm_NanNv(this)); }
void TFrmmain::OpenCalendar() { ShowTool(CommandKind::Calendar, new TFRM_Date(this)); }
void TFrmmain::OpenBoneWeight() { ShowTool(CommandKind::BoneWeight, new TFrmgzfx(this)); }
void TFrmmain::OpenArticle(const QString& code) { ShowArticle(code, this); }
void TFrmmain::OpenIllustrated(int code, const QString& title) { ShowIllustratedArticle(code, title, this); }
// --- Information commands ---------------------------------------------------------------

void TFrmmain::OpenCustomerService() { ShowTool(CommandKind::CustomerService, new TFrm_servers(this)); }

void TFrmmain::OpenAbout() { ShowTool(CommandKind::About, new TAbout(this)); }

void TFrmmain::SendMail() {
    Sys().shell->OpenAddress(QStringLiteral("mailto:") + QString::fromUtf16(kMakerMail));
}

void TFrmmain::OpenHomePage() {
    // The home page goes to the default browser.
    Sys().shell->OpenAddress(QString::fromUtf16(kMakerHome));
}

void TFrmmain::OpenQQChat() {
    Sys().shell->OpenAddress(QString::fromUtf16(kQQChatHost) + QStringLiteral("/msgrd?V=1&Uin=") +
                             QString::fromUtf16(kMakerQQ) + QStringLiteral("&Site=????&Menu=yes"));
}

void TFrmmain::ShowUpgrade() { ShowInfo(QStringLiteral("感谢你的使用,软件是最新版无需升级!")); }

// --- Result pane commands ---------------------------------------------------------------

void TFrmmain::OpenRecord() { LoadResultFile(*RzMemo1, this); }

void TFrmmain::SaveResult() { SaveResultFile(*RzMemo1, FSurname + FGivenName, lastSaveName_, this); }

void TFrmmain::PrintSetup() { Sys().printing->PageSetup(pageSettings_, this); }

void TFrmmain::PrintResult() {
    Sys().printing->PrintLines(RzMemo1->toPlainText().split('\n'), pageSettings_, QStringLiteral("Kelvaro"));
}
