#include "app/Unt_servers.h"

#include <QFrame>
#include <QLabel>

#include "app/MakerInfo.h"
#include "app/PicturePanel.h"
#include "platform/Fonts.h"

TFrm_servers::TFrm_servers(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Frm_servers"));
    setWindowTitle(QStringLiteral("客户服务"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // 428 × 307 outside, less the frame.
    setFixedSize(420, 273);
    setFont(SongFont(12));
    setStyleSheet(QStringLiteral("TFrm_servers, QDialog { background: white; }"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setGeometry(0, 0, 420, 273);
    panel->setStyleSheet(
        QStringLiteral("#RzPanel1 { background: white; border: 1px solid #9aa7b8; border-radius: 8px; }"));

    struct Block {
        int top;
        const char* icon;
        QString heading;
        QString text;
    };
    const Block blocks[] = {
        {22, "market", QStringLiteral("市场合作:"),
         QStringLiteral(
             "我们诚邀各地代理商与合作伙伴共同开拓市场，也承接各类软件的定制开发，欢迎来电来信洽谈合作。")},
        {86, "phone", QStringLiteral("服务电话：") + QString::fromUtf16(kMakerTel),
         QStringLiteral("当您在使用产品的时候有任何问题、建议或疑问，欢迎您拨打热线电话。")},
        {151, "qq", QStringLiteral("QQ在线支持：") + QString::fromUtf16(kMakerQQ),
         QStringLiteral("所有的业务咨询，我们都会于当日给您答复，所以如果您发贴后没有马上看到答复请您耐心等待"
                        "，稍后可以再来查看。")},
        {215, "mail", QStringLiteral("技术支持邮箱：") + QString::fromUtf16(kMakerMail),
         QStringLiteral("当您在使用我们的软件过程中，有不明白或有别的问题时，您可以发送邮件到这里，我们会尽快"
                        "给您答复。")},
    };
    int n = 1;
    for (const Block& b : blocks) {
        auto* icon = new PicturePanel(QStringLiteral(":/app/icon-%1.svg").arg(QLatin1String(b.icon)), panel);
        icon->setObjectName(QStringLiteral("Image%1").arg(n));
        icon->setGeometry(24, b.top, 41, 41);
        icon->setStyleSheet(QStringLiteral("background: transparent; border: none;"));

        auto* heading = new QLabel(b.heading, panel);
        heading->setObjectName(QStringLiteral("RzLabel%1").arg(2 * n - 1));
        heading->setFont(SongFont(12, true));
        heading->setStyleSheet(QStringLiteral("color: navy; border: none; background: transparent;"));
        heading->setGeometry(70, b.top, 324, 16);

        auto* text = new QLabel(b.text, panel);
        text->setObjectName(QStringLiteral("RzLabel%1").arg(2 * n));
        text->setFont(SongFont(12));
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setStyleSheet(QStringLiteral("color: black; border: none; background: transparent;"));
        text->setGeometry(70, b.top + 18, 324, 44);
        ++n;
    }
    if (parent) move(parent->geometry().center() - rect().center());
}
