#pragma once
// The program's date texts, formatted and parsed with the regional formats in force.
#include <QDate>
#include <QString>
#include <optional>

#include "platform/Platform.h"

// The wanted formats that start-up writes, in the order it writes them.
struct WantedFormat {
    FormatItem item;
    const char16_t* value;
};
inline constexpr WantedFormat kWantedFormats[] = {
    {FormatItem::LongDate, u"yyyy'年'M'月'd'日'"},
    {FormatItem::ShortDate, u"yyyy-MM-dd"},
    {FormatItem::Time, u"H:mm:ss"},
    {FormatItem::DateSeparator, u"-"},
    {FormatItem::TimeSeparator, u":"},
};

// Start-up's fixing of the formats: each item that differs after trimming is rewritten;
// any failure ends the step silently. Returns the number of items written.
int FixRegionalFormats(IRegionalFormats& formats);

// Parses a date text by the short date format: the order of year, month and day from the
// format, the date separator between them; one- or two-digit month and day are accepted
// ("2010-5-1"). nullopt for anything that is not a real date.
std::optional<QDate> ParseShortDate(const QString& text);

// The date in the short date format.
QString FormatShortDate(const QDate& date);
