#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "numerology/EightyOne.h"
#include "text/Convert.h"

namespace {

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t bar; (bar = text.find('|', start)) != std::string::npos; start = bar + 1)
        fields.push_back(text.substr(start, bar - start));
    fields.push_back(text.substr(start));
    return fields;
}

std::string Verdict(const std::string& number) { return Split(GetNumberInfo(number)).at(0); }

// Counts UTF-8 characters.
size_t Chars(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

const std::string kEntry0 =
    "大展鸿图，信用得固，名利双收，可获成功|吉|主人性格类型：[做事喜好凭直觉型]"
    "，其具体表现为：有特强的第六灵感，"
    "性格率直无机心，深得朋辈爱戴。感情路上多采多姿。做事喜好凭个人直觉及预感做决定。";

TEST(GetNumberInfo, MultiplesOf81ReadEntryZeroInFull) {
    for (const char* text : {"0", "81", "162", "0081", "-81", "+81", "999999999999999999"})
        EXPECT_EQ(GetNumberInfo(text), kEntry0) << text;
}

TEST(GetNumberInfo, RemainderIsTheEntryNumber) {
    struct Case {
        const char* text;
        const char* verdict;
    };
    const Case cases[] = {
        {"1", "根基不固，摇摇欲坠，一盛一衰，劳而无获"},   // entry 1, not entry 0
        {"82", "根基不固，摇摇欲坠，一盛一衰，劳而无获"},  // 81 + 1
        {"80", "最极之数，还本归元，能得繁荣，发达成功"},
        {"161", "最极之数，还本归元，能得繁荣，发达成功"},
        {"7", "努力发达，贯彻志望，不忘进退，可望成功"},
        {"007", "努力发达，贯彻志望，不忘进退，可望成功"},
        {"123456", "天赋吉运，能得人望，善用智慧，必获成功"},               // 81 * 1524 + 12
        {"10000", "名虽可得，利则难获，艺界发展，可望成功"},                // entry 37
        {"9223372036854775807", "波澜起伏，千变万化，凌架万难，必可成功"},  // INT64_MAX: entry 25
    };
    for (const Case& c : cases) EXPECT_EQ(Verdict(c.text), c.verdict) << c.text;
}

TEST(GetNumberInfo, NegativeRemaindersGiveTheFallback) {
    for (const char* text : {"-1", "-82", "-80", "-9223372036854775808"}) {
        EXPECT_EQ(GetNumberInfo(text), "对不起,此号不在分解之类。") << text;
        EXPECT_EQ(Split(GetNumberInfo(text)).size(), 1u) << text;
    }
}

TEST(GetNumberInfo, TextThatIsNoDecimalIntegerFailsNamingIt) {
    for (const char* text : {"", " ", "-", "+", "12a", "abc", "1.5", "--1", "1 2", "$51", "0x51",
                             "9223372036854775808", "-9223372036854775809", "99999999999999999999"}) {
        try {
            GetNumberInfo(text);
            ADD_FAILURE() << "no error for \"" << text << "\"";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.text(), text);
            EXPECT_NE(std::string(e.what()).find(text), std::string::npos) << e.what();
        }
    }
}

TEST(EightyOneTable, EveryEntryHasThreeWellFormedFields) {
    const std::string prefix = "主人性格类型：[";
    const std::string middle = "]，其具体表现为：";
    std::map<std::string, int> luckCounts;
    std::map<std::string, std::string> descriptionOfType;
    std::vector<std::string> typeOfEntry;
    for (int i = 0; i <= 80; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        const std::vector<std::string> fields = Split(GetNumberInfo(std::to_string(i)));
        ASSERT_EQ(fields.size(), 3u);
        for (const std::string& f : fields) EXPECT_FALSE(f.empty());

        // Four phrases of four characters; entries 51 and 67 have one of five.
        const std::vector<std::string> phrases = [&] {
            std::vector<std::string> out;
            size_t start = 0;
            for (size_t comma; (comma = fields[0].find("，", start)) != std::string::npos;
                 start = comma + std::string("，").size())
                out.push_back(fields[0].substr(start, comma - start));
            out.push_back(fields[0].substr(start));
            return out;
        }();
        ASSERT_EQ(phrases.size(), 4u);
        int fives = 0;
        for (const std::string& p : phrases) {
            EXPECT_TRUE(Chars(p) == 4 || Chars(p) == 5) << p;
            fives += Chars(p) == 5;
        }
        EXPECT_EQ(fives, i == 51 || i == 67 ? 1 : 0);

        ++luckCounts[fields[1]];

        const std::string& personality = fields[2];
        ASSERT_EQ(personality.rfind(prefix, 0), 0u) << personality;
        const size_t mid = personality.find(middle);
        ASSERT_NE(mid, std::string::npos);
        const std::string name = personality.substr(prefix.size(), mid - prefix.size());
        const std::string description = personality.substr(mid + middle.size());
        EXPECT_FALSE(description.empty());
        // A type's name always comes with the same description.
        auto [it, inserted] = descriptionOfType.emplace(name, description);
        EXPECT_EQ(it->second, description) << name;
        typeOfEntry.push_back(name);
    }
    EXPECT_EQ(luckCounts,
              (std::map<std::string, int>{{"吉", 35}, {"凶", 30}, {"吉带凶", 13}, {"凶带吉", 3}}));
    EXPECT_EQ(descriptionOfType.size(), 9u);
    // Entries 0 to 24 run through the nine types in turn.
    for (int i = 9; i <= 24; ++i) EXPECT_EQ(typeOfEntry[i], typeOfEntry[i - 9]) << i;
    EXPECT_EQ(std::set<std::string>(typeOfEntry.begin(), typeOfEntry.begin() + 9).size(), 9u);
    EXPECT_EQ(typeOfEntry[0], "做事喜好凭直觉型");
    EXPECT_EQ(typeOfEntry[8], "好奇心旺求知欲强型");
}

}  // namespace
