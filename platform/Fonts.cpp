#include "platform/Fonts.h"

#include <QStringList>

namespace {
QFont Make(const QStringList& families, int pixelSize, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
}  // namespace

QFont SongFont(int pixelSize, bool bold) {
    return Make({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                 QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Sans CJK SC")},
                pixelSize, bold);
}

QFont KaiFont(int pixelSize, bool bold) {
    return Make({QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi"), QStringLiteral("AR PL UKai CN"),
                 QStringLiteral("Noto Serif CJK SC")},
                pixelSize, bold);
}
