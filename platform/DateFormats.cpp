#include "platform/DateFormats.h"

#include <QStringList>

#include "text/Convert.h"

int FixRegionalFormats(IRegionalFormats& formats) {
    int written = 0;
    try {
        for (const WantedFormat& wanted : kWantedFormats) {
            const QString want = QString::fromUtf16(wanted.value);
            std::optional<QString> current = formats.Read(wanted.item);
            if (!current) return written;
            // The original read into a 24-character buffer and stopped at the first NUL.
            QString value = current->left(24);
            if (int nul = value.indexOf(QChar(0)); nul >= 0) value.truncate(nul);
            if (value.trimmed() == want) continue;
            if (!formats.Write(wanted.item, want)) return written;
            ++written;
        }
    } catch (...) {
        // Any failure leaves the old formats in place; start-up goes on.
    }
    return written;
}

namespace {
QString FormatOr(FormatItem item, const QString& fallback) {
    std::optional<QString> v = Sys().formats->Read(item);
    return v && !v->trimmed().isEmpty() ? v->trimmed() : fallback;
}
}  // namespace

std::optional<QDate> ParseShortDate(const QString& text) {
    const QString format = FormatOr(FormatItem::ShortDate, QStringLiteral("yyyy-MM-dd"));
    const QString separator = FormatOr(FormatItem::DateSeparator, QStringLiteral("-"));
    // Order of the three parts as they first appear in the format.
    QList<QPair<int, QChar>> order;
    for (QChar c : {QChar('y'), QChar('M'), QChar('d')}) {
        int at = format.indexOf(c);
        if (at < 0) return std::nullopt;
        order.append({at, c});
    }
    std::sort(order.begin(), order.end());
    const QStringList parts = text.trimmed().split(separator);
    if (parts.size() != 3) return std::nullopt;
    int y = 0, m = 0, d = 0;
    for (int i = 0; i < 3; ++i) {
        const QString part = parts[i].trimmed();
        if (part.isEmpty() || part.size() > 4) return std::nullopt;
        for (QChar c : part)
            if (!c.isDigit() || c.unicode() > '9') return std::nullopt;
        int v = part.toInt();
        switch (order[i].second.unicode()) {
            case 'y':
                y = FullYear(v, static_cast<size_t>(part.size()));
                break;
            case 'M':
                m = v;
                break;
            default:
                d = v;
                break;
        }
    }
    QDate date(y, m, d);
    if (!date.isValid()) return std::nullopt;
    return date;
}

QString FormatShortDate(const QDate& date) {
    QString format = FormatOr(FormatItem::ShortDate, QStringLiteral("yyyy-MM-dd"));
    const QString separator = FormatOr(FormatItem::DateSeparator, QStringLiteral("-"));
    // In a Windows date format "/" stands for the date separator.
    format.replace('/', separator);
    return date.toString(format);
}
