#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <limits>

#include "store/JetHeader.h"
#include "store/JetValues.h"
#include "tests/support/SqliteFixture.h"

namespace {

using namespace std::chrono;

std::string DateOf(const year_month_day& ymd) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    return buf;
}

// std::chrono's civil calendar is the independent reference for the day arithmetic.
void ExpectDayMatchesChrono(long long serial) {
    static const sys_days epoch = sys_days(year{1899} / December / 30);
    const year_month_day ymd(epoch + days(serial));
    ASSERT_EQ(JetDateText(static_cast<double>(serial)), DateOf(ymd)) << serial;
    ASSERT_EQ(JetDayNumber(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                           static_cast<int>(static_cast<unsigned>(ymd.day()))),
              serial);
}

TEST(JetDateText, EveryDayOfFourCenturiesAndASampleOfTheRestMatchTheCivilCalendar) {
    const long long from = JetDayNumber(1800, 1, 1), to = JetDayNumber(2200, 12, 31);
    for (long long d = from; d <= to; ++d) ExpectDayMatchesChrono(d);
    for (long long d = -657434; d <= 2958465; d += 97) ExpectDayMatchesChrono(d);
    ExpectDayMatchesChrono(-657434);
    ExpectDayMatchesChrono(2958465);
}

TEST(JetDateText, KnownDaysTimesAndLimits) {
    // Day numbers from Python's datetime, counted from 1899-12-30.
    struct Case {
        double days;
        const char* text;
    } cases[] = {
        {0, "1899-12-30"},
        {60, "1900-02-28"},  // 1900 has no 29 February
        {61, "1900-03-01"},
        {1521, "1904-02-29"},
        {36585, "2000-02-29"},
        {45351, "2024-02-29"},
        {73109, "2100-02-28"},
        {73110, "2100-03-01"},
        {27293, "1974-09-21"},
        {40299, "2010-05-01"},
        {40299.5, "2010-05-01 12:00:00"},
        {45351.75, "2024-02-29 18:00:00"},
        {40299 + 13.0 / 24 + 5.0 / 1440 + 7.0 / 86400, "2010-05-01 13:05:07"},
        {40299.9999999, "2010-05-02"},  // rounds to the next midnight
        {40299.0000001, "2010-05-01"},
        // Before 1899-12-30 the fraction still counts forward from midnight.
        {-1.25, "1899-12-29 06:00:00"},
        {-0.5, "1899-12-30 12:00:00"},
        {-657434, "0100-01-01"},
        {2958465.5, "9999-12-31 12:00:00"},
        {-657435, ""},
        {2958466, ""},
        {1e300, ""},
        {std::numeric_limits<double>::quiet_NaN(), ""},
        {std::numeric_limits<double>::infinity(), ""},
    };
    for (const Case& c : cases) EXPECT_EQ(JetDateText(c.days), c.text) << c.days;
}

TEST(JetCurrencyText, ExactWithFourDecimals) {
    struct Case {
        std::int64_t value;
        const char* text;
    } cases[] = {
        {0, "0.0000"},
        {35000, "3.5000"},
        {1, "0.0001"},
        {-1, "-0.0001"},
        {-123456, "-12.3456"},
        {std::numeric_limits<std::int64_t>::max(), "922337203685477.5807"},
        {std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808"},
    };
    for (const Case& c : cases) EXPECT_EQ(JetCurrencyText(c.value), c.text) << c.value;
}

TEST(JetValues, GuidAndSingle) {
    unsigned char guid[16];
    for (int i = 0; i < 16; ++i) guid[i] = static_cast<unsigned char>(i == 15 ? 0xAB : i);
    EXPECT_EQ(JetGuidText(guid), "{03020100-0504-0706-0809-0A0B0C0D0EAB}");

    EXPECT_EQ(JetSingleAsDouble(444.555f), 444.555);
    EXPECT_EQ(JetSingleAsDouble(0.1f), 0.1);
    EXPECT_EQ(JetSingleAsDouble(-3.25f), -3.25);
    EXPECT_EQ(JetSingleAsDouble(16777216.0f), 16777216.0);
    EXPECT_TRUE(std::isinf(JetSingleAsDouble(std::numeric_limits<float>::infinity())));
}

std::string JetHead(int version, const char* signature = "Standard Jet DB") {
    std::string h("\x00\x01\x00\x00", 4);
    h += std::string(signature, 15);
    h.push_back('\0');
    h.push_back(static_cast<char>(version));
    return h;
}

TEST(CheckJetHeader, SignatureVersionAndWholePages) {
    TempDir dir;
    struct Case {
        const char* name;
        std::string bytes;
        bool sound;
        unsigned pageSize;
    } cases[] = {
        {"Jet 4, one page", JetHead(1) + std::string(4096 - 21, '\0'), true, 4096},
        {"Jet 4, three pages", JetHead(1) + std::string(3 * 4096 - 21, 'x'), true, 4096},
        {"Jet 3, two pages", JetHead(0) + std::string(4096 - 21, '\0'), true, 2048},
        {"Jet 3, one and a half pages", JetHead(0) + std::string(3072 - 21, '\0'), false, 0},
        {"Jet 4 of Jet 3's page size", JetHead(1) + std::string(2048 - 21, '\0'), false, 0},
        {"Jet 4 with a page cut short", JetHead(1) + std::string(4095 - 21, '\0'), false, 0},
        {"unknown version", JetHead(7) + std::string(4096 - 21, '\0'), false, 0},
        {"ACE signature", JetHead(2, "Standard ACE DB") + std::string(4096 - 21, '\0'), false, 0},
        {"wrong magic",
         std::string("\x01\x01\x00\x00", 4) + JetHead(1).substr(4) + std::string(4096 - 21, '\0'), false, 0},
        {"header cut before the version", JetHead(1).substr(0, 20), false, 0},
        {"zero bytes", "", false, 0},
    };
    for (const Case& c : cases) {
        const std::string path = dir.File("f.mdb");
        WriteFile(path, c.bytes);
        JetFileInfo info;
        const std::string why = CheckJetHeader(path, &info);
        EXPECT_EQ(why.empty(), c.sound) << c.name << ": " << why;
        if (c.sound) {
            EXPECT_EQ(info.pageSize, c.pageSize) << c.name;
        }
    }
    EXPECT_FALSE(CheckJetHeader(dir.File("missing.mdb")).empty());
}

}  // namespace
