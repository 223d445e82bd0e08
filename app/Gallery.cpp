#include "app/Gallery.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <cstdio>

#include "almanac/huangdao.h"
#include "app/Startup.h"
#include "app/Uabout.h"
#include "app/Unt_Main.h"
#include "app/Unt_servers.h"
#include "articles/ImageInfo.h"
#include "articles/UntNote.h"
#include "numbers/NumberForm.h"
#include "numbers/UntWangm.h"
#include "numbers/Unt_sjcs.h"
#include "platform/FakePlatform.h"
#include "readings/UntOnther.h"
#include "readings/Untgz.h"

namespace {
// Opens a tool through its command and hands back the window in its slot.
template <typename Form>
Form* Tool(TFrmmain& main, CommandKind kind, void (TFrmmain::*open)()) {
    (main.*open)();
    return qobject_cast<Form*>(main.ToolWindow(kind));
}

template <typename Form>
QWidget* ToolWithReading(TFrmmain& main, CommandKind kind, void (TFrmmain::*open)(), const QString& input) {
    Form* form = Tool<Form>(main, kind, open);
    if (form) form->RunReadingFor(input);
    return form;
}

QWidget* MenuOf(TFrmmain& main, const QString& path) {
    QAction* action = main.FindMenuAction(path);
    if (!action || !action->menu()) return nullptr;
    QMenu* menu = action->menu();
    menu->ensurePolished();
    menu->adjustSize();
    return menu;
}
}  // namespace

std::vector<GalleryShot> GalleryShots() {
    return {
        {QStringLiteral("main"), [](TFrmmain& m) -> QWidget* { return &m; }},
        {QStringLiteral("main-name-analysis"),
         [](TFrmmain& m) -> QWidget* {
             m.findChild<QLineEdit*>(QStringLiteral("NameA"))->setText(QStringLiteral("张"));
             m.findChild<QLineEdit*>(QStringLiteral("NameB"))->setText(QStringLiteral("小明"));
             m.NameAnalysis();
             return &m;
         }},
        {QStringLiteral("menu-tools"), [](TFrmmain& m) { return MenuOf(m, QStringLiteral("工具(&Q)")); }},
        {QStringLiteral("menu-yangzhai-zhuzhai"),
         [](TFrmmain& m) { return MenuOf(m, QStringLiteral("阳宅(&F)/住宅风水")); }},
        {QStringLiteral("menu-help"), [](TFrmmain& m) { return MenuOf(m, QStringLiteral("帮助(&H)")); }},
        {QStringLiteral("about"),
         [](TFrmmain& m) {
             m.OpenAbout();
             return m.ToolWindow(CommandKind::About);
         }},
        {QStringLiteral("almanac"),
         [](TFrmmain& m) -> QWidget* { return ::OpenAlmanacFor("2024", "02", "10", &m); }},
        {QStringLiteral("calendar"),
         [](TFrmmain& m) -> QWidget* {
             m.OpenCalendar();
             return m.ToolWindow(CommandKind::Calendar);
         }},
        {QStringLiteral("qq"),
         [](TFrmmain& m) {
             return ToolWithReading<TNumberForm>(m, CommandKind::QQ, &TFrmmain::OpenQQ, "81");
         }},
        {QStringLiteral("any-number"),
         [](TFrmmain& m) {
             return ToolWithReading<TNumberForm>(m, CommandKind::AnyNumber, &TFrmmain::OpenAnyNumber, "67");
         }},
        {QStringLiteral("mobile"),
         [](TFrmmain& m) {
             return ToolWithReading<TFrm_SJcs>(m, CommandKind::Mobile, &TFrmmain::OpenMobile, "13912345678");
         }},
        {QStringLiteral("net-name"),
         [](TFrmmain& m) {
             return ToolWithReading<TFrmWangming>(m, CommandKind::NetName, &TFrmmain::OpenNetName, "王小明");
         }},
        {QStringLiteral("bone-weight"),
         [](TFrmmain& m) -> QWidget* {
             m.OpenBoneWeight();
             auto* w = qobject_cast<TFrmgzfx*>(m.ToolWindow(CommandKind::BoneWeight));
             if (w) w->RunReadingFor("1984", "正", "初一", "0");
             return w;
         }},
        {QStringLiteral("baby-sex"),
         [](TFrmmain& m) {
             m.OpenBabySex();
             return m.ToolWindow(CommandKind::BabySex);
         }},
        {QStringLiteral("omens-sneeze"),
         [](TFrmmain& m) -> QWidget* {
             m.OpenOmens(0, "打喷嚏占卜吉凶");
             return LastOmenWindow();
         }},
        {QStringLiteral("omens-ringing-ears"),
         [](TFrmmain& m) -> QWidget* {
             m.OpenOmens(6, "耳鸣测吉凶");
             return LastOmenWindow();
         }},
        {QStringLiteral("article"), [](TFrmmain& m) -> QWidget* { return ShowArticle("b1", &m); }},
        {QStringLiteral("illustrated-article"),
         [](TFrmmain& m) -> QWidget* { return ShowIllustratedArticle(1, "旺夫家居风水设计 [图]", &m); }},
        {QStringLiteral("customer-service"),
         [](TFrmmain& m) {
             m.OpenCustomerService();
             return m.ToolWindow(CommandKind::CustomerService);
         }},
    };
}

int WriteGallery(const QString& folder) {
    QDir().mkpath(folder);
    FakePlatform fake;  // modal windows are shown without blocking, nothing leaves the program
    fake.today = QDate::currentDate();
    std::unique_ptr<TFrmmain> main(StartKelvaro(*qApp));
    main->show();
    QApplication::processEvents();
    int written = 0;
    for (const GalleryShot& shot : GalleryShots()) {
        QWidget* window = shot.make(*main);
        QApplication::processEvents();
        if (window && window->grab().save(QDir(folder).filePath(shot.name + QStringLiteral(".png"))))
            ++written;
        else
            std::fprintf(stderr, "kelvaro-gallery: no picture of %s\n", qPrintable(shot.name));
    }
    return written;
}
