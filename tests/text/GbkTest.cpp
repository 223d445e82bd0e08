#include <gtest/gtest.h>

#include <random>

#include "text/Gbk.h"

TEST(Gbk, RoundTripsChineseAndAscii) {
    struct Case {
        const char* utf8;
        const char* gbk;
    } cases[] = {
        {"", ""},
        {"abc 123", "abc 123"},
        {"张三", "\xD5\xC5\xC8\xFD"},
        {"王小明", "\xCD\xF5\xD0\xA1\xC3\xF7"},
        {"\u3000", "\xA1\xA1"},                // ideographic space
        {"\uFF41\uFF42", "\xA3\xE1\xA3\xE2"},  // full-width a b
        {"\u20AC", "\x80"},                    // the euro sign of code page 936
        {"\u4E02", "\x81\x40"},                // first code of the GBK extension
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk) << c.utf8;
        EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8) << c.utf8;
    }
}

TEST(Gbk, CharactersGbkCannotHoldBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToGbk("a\U0001F600b"), "a?b");   // emoji
    EXPECT_EQ(Utf8ToGbk("\uD55Ct\u0151"), "?t?");  // Hangul and a Latin letter outside GBK
    EXPECT_EQ(Utf8ToGbk("\xFF\xFEok"), "??ok");    // malformed UTF-8
    EXPECT_EQ(Utf8ToGbk("\xE5\xBC"), "?");         // truncated sequence at the end
}

TEST(Gbk, InvalidGbkNeverCrashes) {
    EXPECT_EQ(GbkToUtf8("\xD5"), "?");      // lone lead byte at the end
    EXPECT_EQ(GbkToUtf8("\xD5 A"), "? A");  // lead byte followed by a blank
    EXPECT_EQ(GbkToUtf8("\xFF\xFF"), "??");
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(static_cast<size_t>(rng() % 64), '\0');
        for (char& b : bytes) b = static_cast<char>(rng());
        std::string utf8 = GbkToUtf8(bytes);
        EXPECT_EQ(GbkToUtf8(Utf8ToGbk(utf8)), utf8);  // whatever came out is valid and stable
    }
}
