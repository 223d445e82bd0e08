// The stroke-count rule on a small Unihan excerpt (values as Unihan 15 gives them).
#include <gtest/gtest.h>

#include "content/Bihua.h"
#include "content/Sources.h"

namespace {

const char* kRadicalStrokes =
    "# excerpt\n"
    "U+5F35\tkRSKangXi\t57.8\n"    // 張
    "U+6C5F\tkRSKangXi\t85.3\n"    // 江
    "U+738B\tkRSKangXi\t96.0\n"    // 王
    "U+73B2\tkRSKangXi\t96.5\n"    // 玲
    "U+6731\tkRSKangXi\t75.2\n"    // 朱
    "U+7843\tkRSKangXi\t112.6\n"   // 硃
    "U+90D1\tkRSKangXi\t163.6\n"   // 郑
    "U+912D\tkRSKangXi\t163.12\n"  // 鄭
    "U+842C\tkRSKangXi\t140.9\n"   // 萬
    "U+5140\tkRSKangXi\t10.1\n";   // 兀
const char* kIrgSources =
    "U+738B\tkTotalStrokes\t4\n"
    "U+4E07\tkRSUnicode\t1.2\n"  // 万, no Kangxi entry
    "U+4E07\tkTotalStrokes\t3\n"
    "U+8BA1\tkRSUnicode\t149'.2\n"  // 计, under the simplified form of 言
    "U+FA0C\tkCompatibilityVariant\tU+5140\n";
const char* kVariants =
    "U+5F20\tkTraditionalVariant\tU+5F35\n"         // 张 -> 張
    "U+6731\tkTraditionalVariant\tU+6731 U+7843\n"  // 朱 is among its own variants
    "U+90D1\tkTraditionalVariant\tU+90D1 U+912D\n"  // so is 郑, but only as a rare form
    "U+4E07\tkTraditionalVariant\tU+4E07 U+842C\n";
const char* kOtherMappings =
    "U+6731\tkBigFive\tA6B6\n"
    "U+4E07\tkBigFive\tC945\n";

std::vector<char32_t> Chars(const char* utf8) {
    const std::u32string cps = CodePointsOf(utf8);
    return {cps.begin(), cps.end()};
}

int Strokes(const char* utf8, const StrokeOverrides& overrides = {}) {
    static const UnihanStrokeData data = ParseUnihan(kRadicalStrokes, kIrgSources, kVariants, kOtherMappings);
    return KangxiStrokes(CodePointsOf(utf8).at(0), data, overrides);
}

TEST(KangxiStrokes, CountsTheTraditionalFormWithFullRadicals) {
    EXPECT_EQ(Strokes("张"), 11);     // 張: 弓 3 + 8
    EXPECT_EQ(Strokes("江"), 7);      // 氵 counts as 水 4
    EXPECT_EQ(Strokes("玲"), 10);     // 王 beside counts as 玉 5
    EXPECT_EQ(Strokes("王"), 4);      // the radical itself keeps its own strokes
    EXPECT_EQ(Strokes("朱"), 6);      // own variant with a Big5 code: not 硃
    EXPECT_EQ(Strokes("郑"), 19);     // own variant without one: 鄭, 阝 right as 邑 7
    EXPECT_EQ(Strokes("万"), 3);      // by kRSUnicode when Kangxi has no entry
    EXPECT_EQ(Strokes("计"), 9);      // 讠 as 言 7
    EXPECT_EQ(Strokes("\uFA0C"), 3);  // compatibility ideograph counted as 兀
    EXPECT_EQ(Strokes("丢"), 0);      // nothing in the excerpt
}

TEST(KangxiStrokes, OverridesGiveAFormOrACount) {
    const StrokeOverrides overrides =
        ParseStrokeOverrides("# why\n万\t萬\tname form\n四\t4\tnumeral\n", "ov");
    EXPECT_EQ(Strokes("万", overrides), 15);  // 萬: 艸 6 + 9
    EXPECT_EQ(Strokes("四", overrides), 4);
    EXPECT_EQ(Strokes("张", overrides), 11);  // others unchanged
}

TEST(StrokeOverrides, BadLinesFailNamingTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"万万\t萬\twhy\n", "ov:1"},       // two characters
        {"万\t萬萬\twhy\n", "ov:1"},       // neither a count nor one character
        {"# c\n四\t0\twhy\n", "ov:2"},     // count out of range
        {"四\t4\n", "ov:1"},               // no reason
        {"四\t4\ta\n四\t5\tb\n", "ov:2"},  // listed twice
        {"\xff\t4\twhy\n", "ov:1"},        // malformed UTF-8
    };
    for (const auto& [text, where] : cases) {
        try {
            ParseStrokeOverrides(text, "ov");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const ContentError& e) {
            EXPECT_NE(std::string(e.what()).find(where), std::string::npos) << e.what();
        }
    }
}

TEST(RadicalStrokes, FollowsTheOrderOfTheRadicals) {
    const std::pair<int, int> cases[] = {
        {1, 1},    {6, 1},    {7, 2},    {29, 2},   {30, 3},   {60, 3},   {61, 4},   {85, 4},
        {94, 4},   {95, 5},   {96, 5},   {117, 5},  {118, 6},  {130, 6},  {140, 6},  {146, 6},
        {147, 7},  {162, 7},  {163, 7},  {166, 7},  {167, 8},  {170, 8},  {175, 8},  {176, 9},
        {186, 9},  {187, 10}, {194, 10}, {195, 11}, {200, 11}, {201, 12}, {205, 13}, {209, 14},
        {211, 15}, {212, 16}, {213, 16}, {214, 17}, {0, 0},    {215, 0}};
    for (const auto& [radical, strokes] : cases) EXPECT_EQ(RadicalStrokes(radical), strokes) << radical;
}

TEST(StrokeRows, GroupsByCountAndNamesTheUncounted) {
    const UnihanStrokeData data = ParseUnihan(kRadicalStrokes, kIrgSources, kVariants, kOtherMappings);
    const auto rows = StrokeRows(Chars("江朱张郑王"), data, {});
    EXPECT_EQ(rows, (std::map<int, std::string>{{4, "王"}, {6, "朱"}, {7, "江"}, {11, "张"}, {19, "郑"}}));
    try {
        StrokeRows(Chars("江丢"), data, {});
        ADD_FAILURE() << "丢 has no count";
    } catch (const ContentError& e) {
        EXPECT_NE(std::string(e.what()).find("1 characters: 丢"), std::string::npos) << e.what();
    }
}

}  // namespace
