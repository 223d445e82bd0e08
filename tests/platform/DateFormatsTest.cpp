#include <gtest/gtest.h>

#include "platform/DateFormats.h"
#include "platform/FakePlatform.h"

TEST(RegionalFormats, SlashFormatsAreFixedOnceAndLeftAloneAfter) {
    FakePlatform fake;
    fake.formatValues[int(FormatItem::LongDate)] = "yyyy'年'M'月'd'日'";
    fake.formatValues[int(FormatItem::ShortDate)] = "yyyy/M/d";
    fake.formatValues[int(FormatItem::Time)] = "  H:mm:ss ";  // equal once trimmed: not rewritten
    fake.formatValues[int(FormatItem::DateSeparator)] = "/";
    fake.formatValues[int(FormatItem::TimeSeparator)] = ":";

    EXPECT_EQ(FixRegionalFormats(fake), 2);
    ASSERT_EQ(fake.formatWrites.size(), 2);
    EXPECT_EQ(fake.formatWrites[0], qMakePair(FormatItem::ShortDate, QString("yyyy-MM-dd")));
    EXPECT_EQ(fake.formatWrites[1], qMakePair(FormatItem::DateSeparator, QString("-")));

    // A second start writes nothing.
    EXPECT_EQ(FixRegionalFormats(fake), 0);
    EXPECT_EQ(fake.formatWrites.size(), 2);
}

TEST(RegionalFormats, ValuesAreComparedAsTheOldBufferHeldThem) {
    FakePlatform fake;
    fake.formatValues[int(FormatItem::ShortDate)] = QString("yyyy-MM-dd") + QChar(0) + "junk";
    fake.formatValues[int(FormatItem::LongDate)] = "YYYY'年'M'月'd'日'";  // case matters
    EXPECT_EQ(FixRegionalFormats(fake), 1);
    EXPECT_EQ(fake.formatWrites[0].first, FormatItem::LongDate);
}

TEST(RegionalFormats, FailuresEndTheStepSilently) {
    FakePlatform fake;
    fake.formatValues[int(FormatItem::ShortDate)] = "d/M/yyyy";
    fake.failWrites = true;
    EXPECT_EQ(FixRegionalFormats(fake), 0);
    fake.failWrites = false;
    fake.failReads = true;
    EXPECT_EQ(FixRegionalFormats(fake), 0);
    EXPECT_TRUE(fake.formatWrites.isEmpty());
}

TEST(DateTexts, ParsedByTheShortDateFormat) {
    FakePlatform fake;  // the program's own formats: yyyy-MM-dd with "-"
    struct Case {
        const char* text;
        QDate date;
    } cases[] = {
        {"2010-5-1", QDate(2010, 5, 1)},
        {"2010-05-01", QDate(2010, 5, 1)},
        {" 2024-2-29 ", QDate(2024, 2, 29)},
        {"2023-2-29", QDate()},
        {"2010-13-1", QDate()},
        {"2010-5", QDate()},
        {"2010/5/1", QDate()},
        {"abcd-5-1", QDate()},
        {"", QDate()},
        {"2010-5-1-2", QDate()},
        {"2010--1", QDate()},
        {"24-2-10", QDate(2024, 2, 10)},
        {"30-1-1", QDate(1930, 1, 1)},
        {"201-1-1", QDate(201, 1, 1)},
    };
    for (const Case& c : cases) {
        auto parsed = ParseShortDate(QString::fromUtf8(c.text));
        EXPECT_EQ(parsed.value_or(QDate()), c.date) << c.text;
    }
    EXPECT_EQ(FormatShortDate(QDate(2031, 3, 5)), "2031-03-05");

    fake.formatValues[int(FormatItem::ShortDate)] = "d/M/yyyy";
    fake.formatValues[int(FormatItem::DateSeparator)] = "/";
    EXPECT_EQ(ParseShortDate("5/3/2031").value_or(QDate()), QDate(2031, 3, 5));
    EXPECT_EQ(FormatShortDate(QDate(2031, 3, 5)), "5/3/2031");
}
