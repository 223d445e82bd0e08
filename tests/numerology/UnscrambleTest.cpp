#include <gtest/gtest.h>

#include <random>
#include <string>

#include "numerology/Unscramble.h"

namespace {

struct HexCase {
    const char* name;
    std::string hex;
    std::string bytes;
    int badPairs;
};

TEST(HexToText, DecodesPairsAndCountsBadOnes) {
    const HexCase cases[] = {
        {"empty", "", "", 0},
        {"one byte", "41", "A", 0},
        {"both cases", "4a6B", "Jk", 0},
        {"full byte range", "00FF7f80", std::string("\x00\xFF\x7F\x80", 4), 0},
        {"odd last digit ignored", "414", "A", 0},
        {"single digit", "4", "", 0},
        {"bad pair dropped", "41ZZ42", "AB", 1},
        {"half-bad pairs", "4G G4 41", "A", 3},
        {"pairs are aligned, not searched", "x4142", "\x14", 1},
        {"sign is no digit", "-1", "", 1},
    };
    for (const auto& c : cases) {
        int bad = -1;
        EXPECT_EQ(HexToText(c.hex, &bad), c.bytes) << c.name;
        EXPECT_EQ(bad, c.badPairs) << c.name;
    }
    EXPECT_EQ(HexToText("41"), "A");  // the count is optional
}

TEST(UnscrambleText, MatchesHandWorkedRounds) {
    // Key 4729 is 0x1279: H = 0x12, L = 0x79. Worked by hand from the two passes.
    EXPECT_EQ(UnscrambleText("0102", 4729, 1), "\x6B\x11");
    EXPECT_EQ(UnscrambleText("102030", 4729, 1), "\x52\x1B\x40");
    EXPECT_EQ(UnscrambleText("0102", 4729, 2), std::string("\xA0\x6E"));
    // Sums wrap modulo 256.
    EXPECT_EQ(UnscrambleText("FFFF", 0, 1), "\xFD\xFE");
    // Only the low 16 bits of the key count.
    EXPECT_EQ(UnscrambleText("102030", 4729 + 0x10000, 1), UnscrambleText("102030", 4729, 1));
}

TEST(UnscrambleText, ShortTextsAndNoRounds) {
    for (int rounds : {0, 1, 7, 100})
        for (int key : {0, 4729, 0xFFFF})
            EXPECT_EQ(UnscrambleText("41", key, rounds), "A") << key << "/" << rounds;
    EXPECT_EQ(UnscrambleText("", 4729, 7), "");
    EXPECT_EQ(UnscrambleText("4", 4729, 7), "");
    EXPECT_EQ(UnscrambleText("41424", 4729, 0), "AB");
    // Bad pairs are reported and the rest is still unscrambled.
    int bad = 0;
    EXPECT_EQ(UnscrambleText(ScrambleText("xy", 4729, 7) + "QQ", 4729, 7, &bad), "xy");
    EXPECT_EQ(bad, 1);
}

TEST(ScrambleText, IsTheInverseForEveryKeyAndLength) {
    std::mt19937 rng(20240210);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int key : {0, 1, 4729, 0x8000, 0xFFFF}) {
        for (int rounds : {0, 1, 7, 13}) {
            for (size_t len : {0u, 1u, 2u, 3u, 17u, 256u}) {
                std::string bytes(len, '\0');
                for (auto& b : bytes) b = static_cast<char>(byte(rng));
                const std::string hex = ScrambleText(bytes, key, rounds);
                ASSERT_EQ(hex.size(), 2 * len);
                EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos);
                EXPECT_EQ(UnscrambleText(hex, key, rounds), bytes) << key << "/" << rounds << "/" << len;
            }
        }
    }
}

TEST(ScrambleText, ReadingKeyChangesTheBytes) {
    // GBK bytes of 大吉 as stored: scrambled text must not give the plain bytes away.
    const std::string gbk = "\xB4\xF3\xBC\xAA";
    const std::string hex = ScrambleText(gbk, kReadingKey, kReadingRounds);
    EXPECT_NE(HexToText(hex), gbk);
    EXPECT_NE(UnscrambleText(hex, kReadingKey + 1, kReadingRounds), gbk);
    EXPECT_EQ(UnscrambleText(hex, kReadingKey, kReadingRounds), gbk);
}

}  // namespace
