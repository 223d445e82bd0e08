#include "app/Uabout.h"

#include <QLabel>

#include "app/MakerInfo.h"
#include "app/PicturePanel.h"
#include "platform/Fonts.h"

TAbout::TAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("关于系统"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(321, 149);
    setFont(SongFont(12));

    auto* picture = new PicturePanel(QStringLiteral(":/app/about.svg"), this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(0, 0, 153, 149);

    auto* title = new QLabel(QStringLiteral("Kelvaro"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(KaiFont(16, true));
    title->setStyleSheet(QStringLiteral("color: navy;"));
    title->setGeometry(168, 16, 140, 24);

    const QString lines[] = {
        QStringLiteral("联系人：") + QString::fromUtf16(kMakerContact),
        QStringLiteral("QQ：") + QString::fromUtf16(kMakerQQ),
        QStringLiteral("TEL：") + QString::fromUtf16(kMakerTel),
    };
    int top = 58;
    int n = 2;
    for (const QString& text : lines) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QStringLiteral("Label%1").arg(n++));
        label->setFont(SongFont(12));
        label->setGeometry(168, top, 150, 16);
        top += 24;
    }
    if (parent) move(parent->geometry().center() - rect().center());
}
