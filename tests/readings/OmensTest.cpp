#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "readings/Omens.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (;;) {
        const size_t nl = text.find('\n', from);
        lines.push_back(text.substr(from, nl - from));
        if (nl == std::string::npos) return lines;
        from = nl + 1;
    }
}

// The double hour a half-entry names: the character before its "时".
std::string HourOf(std::string_view half) {
    const size_t at = half.find("时");
    return at == std::string_view::npos || at < 3 ? std::string() : std::string(half.substr(at - 3, 3));
}

TEST(Omens, SixEntryPagesPairTheDoubleHoursAsPrinted) {
    // Each entry names two double hours. The burning-ears page writes 已 for 巳, and the
    // ringing-ears page pairs them its own way; both stand as they were printed.
    const std::vector<std::vector<std::string>> pairs = {
        {},
        {"子午", "丑未", "寅申", "卯酉", "辰戌", "巳亥"},
        {"子午", "丑未", "寅申", "卯酉", "辰戌", "巳亥"},
        {"子午", "丑未", "寅申", "卯酉", "辰戌", "巳亥"},
        {"子午", "丑未", "寅申", "卯酉", "辰戌", "巳亥"},
        {"子午", "丑未", "寅申", "卯酉", "辰戌", "已亥"},
        {"子丑", "寅未", "卯申", "辰酉", "巳戌", "午亥"},
    };
    for (int kind = 1; kind < kOmenKinds; ++kind) {
        const auto entries = OmenEntries(kind);
        ASSERT_EQ(entries.size(), 6u) << kind;
        for (size_t i = 0; i < entries.size(); ++i) {
            const std::string_view e = entries[i];
            const size_t second = e.find("时：", 6);  // the second half ("，时争闹画" is no hour)
            ASSERT_NE(second, std::string_view::npos) << kind << " " << i;
            EXPECT_EQ(HourOf(e) + HourOf(e.substr(second - 3)), pairs[kind][i]) << kind << " " << i;
        }
    }
}

TEST(Omens, SneezingRunsThroughTheDayFromOneInTheNight) {
    const auto entries = OmenEntries(0);
    ASSERT_EQ(entries.size(), 12u);
    EXPECT_EQ(entries.front(), "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。");
    EXPECT_EQ(entries[7], "下午 3点-下午5点 小心饮食。");
    EXPECT_EQ(entries.back(), "晚上11点-凌晨1点 有人欢朋宴客。");
}

TEST(Omens, TextsKeepTheirSpacingAndPunctuation) {
    EXPECT_EQ(OmenEntries(1)[0], "子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。");  // two blanks
    EXPECT_EQ(OmenEntries(2)[1], "丑时；主有恶事，临门大凶。 未时：主有女人，思念大吉。");  // one blank, "；"
    EXPECT_EQ(OmenEntries(4)[5], "巳时：左有饮食，右有凶恶。亥时：左主客至，右主官非。");   // none
    EXPECT_EQ(OmenEntries(5)[0], "子时：主有僧道来商量事 。午时：主有饮食，喜事来吉。");
    EXPECT_EQ(OmenEntries(5)[4], "辰时：主有财喜，大通达吉，戌时：主有镅讼，口舌之事。");
    EXPECT_EQ(OmenEntries(6)[5], "午时：左主远信，右主亲来。亥时：左主大吉，右主饮食。");
}

TEST(Omens, PageHasOneEmptyLineBetweenEntries) {
    for (int kind = 0; kind < kOmenKinds; ++kind) {
        const auto entries = OmenEntries(kind);
        const std::vector<std::string> lines = Lines(OmenPageText(kind));
        ASSERT_EQ(lines.size(), 2 * entries.size() - 1) << kind;
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i], i % 2 ? std::string() : std::string(entries[i / 2])) << kind << " " << i;
    }
}

TEST(Omens, TitlesByKindAndNothingOutsideTheKinds) {
    const char* titles[] = {"打喷嚏占卜吉凶", "面热测吉凶", "心惊测吉凶", "犬吠测吉凶",
                            "眼跳测吉凶",     "耳热测吉凶", "耳鸣测吉凶"};
    for (int kind = 0; kind < kOmenKinds; ++kind) EXPECT_EQ(OmenTitle(kind), titles[kind]);
    for (int kind : {-1, 7, 100}) {
        EXPECT_TRUE(OmenEntries(kind).empty()) << kind;
        EXPECT_EQ(OmenPageText(kind), "") << kind;
        EXPECT_EQ(OmenTitle(kind), "") << kind;
    }
}

TEST(Omens, LegendGivesTheClockHoursOfTheDoubleHours) {
    const std::vector<std::string_view> legend(OmenLegendLines().begin(), OmenLegendLines().end());
    EXPECT_EQ(legend, (std::vector<std::string_view>{
                          "说明：",
                          "   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点",
                          "   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点",
                          "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点",
                      }));
}

}  // namespace
