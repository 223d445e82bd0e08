#include <gtest/gtest.h>

#include <string>

#include "numbers/NetName.h"

namespace {

TEST(GetNetNameInfo, TraitOfTheLastCodeLetter) {
    struct Case {
        const char* nickname;
        const char* trait;
    };
    const Case cases[] = {
        {"王小明", "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"},  // WXM
        {"马明",
         "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"},  // only the last letter counts
        {"ABC123", "可爱，较明显的自恋"},                                // ABCABC
        {"TOM2000", "煽情高手"},                                         // TOMBJJJ
        {"小明!", "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"},  // the "!" drops out
        {"小明②", "老实，沉默"},                                                  // 2 -> B
        {"小明θ", "自立，自强，可依靠"},                                          // TH
        {"abc", "可爱，较明显的自恋"},
        {"ａ", "好奇心强，专一"},  // a full-width small letter stays small
        {"小明给", ""},            // ends in "?"
        {"小明佛", ""},
        {"!!!", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(GetNetNameInfo(c.nickname), c.trait) << c.nickname;
}

TEST(DigitsToLetters, ReplacesDigitsOnly) {
    EXPECT_EQ(DigitsToLetters("1234567890"), "ABCDEFGHIJ");
    EXPECT_EQ(DigitsToLetters("X?b-"), "X?b-");
    EXPECT_EQ(DigitsToLetters(""), "");
}

TEST(GetLetterTrait, SmallLettersOnly) {
    EXPECT_EQ(GetLetterTrait('a'), "好奇心强，专一");
    EXPECT_EQ(GetLetterTrait('z'), "老实，想问题容易兜圈子");
    for (char c = 'a'; c <= 'z'; ++c) EXPECT_FALSE(GetLetterTrait(c).empty()) << c;
    for (char c : {'A', 'Z', '?', '0', '\0', '{', '`'}) EXPECT_TRUE(GetLetterTrait(c).empty()) << int(c);
}

}  // namespace
