#include "app/Startup.h"

#include <QApplication>

#include "app/Unt_Main.h"
#include "platform/DateFormats.h"
#include "platform/Fonts.h"

TFrmmain* StartKelvaro(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Kelvaro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kelvaro"));
    app.setFont(SongFont(12));
    FixRegionalFormats(*Sys().formats);
    return new TFrmmain;
}
