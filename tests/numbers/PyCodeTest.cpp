#include <gtest/gtest.h>

#include <string>

#include "numbers/PyCode.h"
#include "numbers/PySyllables.h"
#include "text/Gbk.h"

namespace {

// UTF-8 text through GetPyCode; the code comes back as UTF-8 as well.
std::string Code(const std::string& utf8, int options = pyMarkMissing, int maxLength = 255) {
    return GbkToUtf8(GetPyCode(Utf8ToGbk(utf8), options, maxLength));
}

struct Case {
    const char* text;
    int options;
    const char* code;
};

void Check(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(Code(c.text, c.options), c.code) << c.text << " options " << c.options;
}

TEST(GetPyCode, Examples) {
    Check({
        {"王小明", pyMarkMissing, "WXM"},
        {"张三123", pyMarkMissing, "ZS123"},
        {"给你", pyMarkMissing, "?N"},
        {"给你", 0, "N"},
        {"ａｂ１", pyMarkMissing, "ab1"},  // full-width letters keep their case
        {"②号", pyMarkMissing, "2H"},
        {"β", pyMarkMissing, "B"},
        {"Li, Na!", pyMarkMissing, "LINA"},
        {"Li, Na!", pyKeepAll, "LI, NA!"},
    });
}

// The readings the character table must give, whatever Unihan says.
TEST(GetPyCode, TellingRowsGiveTheirSyllables) {
    Check({
        {"王", pyFullSyllable, "WANG"},
        {"张", pyFullSyllable, "ZHANG"},
        {"长", pyFullSyllable, "ZHANG"},
        {"行", pyFullSyllable, "HANG"},
        {"重", pyFullSyllable, "ZHONG"},
        {"乐", pyFullSyllable, "LE"},
        {"曾", pyFullSyllable, "CENG"},
        {"单", pyFullSyllable, "DAN"},
        {"解", pyFullSyllable, "JIE"},
        {"查", pyFullSyllable, "CHA"},
        {"觉", pyFullSyllable, "JIAO"},
        {"都", pyFullSyllable, "DOU"},
        {"还", pyFullSyllable, "HUAN"},
        {"谁", pyFullSyllable, "SHUI"},
        {"略", pyFullSyllable, "LUE"},
        {"吕", pyFullSyllable, "LV"},
        {"绿", pyFullSyllable, "LV"},
        {"女", pyFullSyllable, "NV"},
        {"嗲", pyFullSyllable, "DIA"},
        {"鸡", pyFullSyllable, "JI"},
        {"桥", pyFullSyllable, "QIAO"},
        {"要", pyFullSyllable, "YAO"},
        {"否", pyFullSyllable, "FOU"},
        {"虐", pyFullSyllable, "NUE"},
        {"张三", pyFullSyllable | pyMarkMissing, "ZHANGSAN"},
        {"佛", pyFullSyllable | pyMarkMissing, "?"},
        {"给", pyFullSyllable | pyMarkMissing, "?"},
        {"髟", pyMarkMissing, "?"},
        {"〇", pyMarkMissing, "?"},
        {"佛", 0, ""},
        {"给", pyFullSyllable, ""},
    });
}

TEST(GetPyCode, NumberedSymbolsGiveTheirNumbers) {
    Check({
        {"ⅰⅹ", 0, "110"},
        {"⒈⒛", 0, "120"},
        {"⑴⒇", 0, "120"},
        {"①⑩", 0, "110"},
        {"㈠㈩", 0, "110"},
        {"ⅠⅫ", 0, "112"},
    });
    // The gaps of the row give nothing, even with pyMarkMissing; below 0xA1 it is unassigned.
    for (int trail : {0xAB, 0xB0, 0xE3, 0xE4, 0xEF, 0xF0, 0xFD, 0xFE}) {
        const std::string gap{'\xA2', static_cast<char>(trail)};
        EXPECT_EQ(GetPyCode(gap, pyMarkMissing, 255), "") << std::hex << trail;
    }
    EXPECT_EQ(GetPyCode("\xA2\x40", pyMarkMissing, 255), "?");
    EXPECT_EQ(GetPyCode("\xA2\x40", 0, 255), "");
}

TEST(GetPyCode, GreekLettersGiveTransliterations) {
    Check({
        {"ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ", 0, "ABGDEZETHIKLMNXOPRSTUPHKHPSO"},
        {"αβγδεζηθικλμνξοπρστυφχψω", 0, "ABGDEZETHIKLMNXOPRSTUPHKHPSO"},
    });
    // Between the capitals and the small letters: no reading.
    EXPECT_EQ(GetPyCode("\xA6\xB9", pyMarkMissing, 255), "?");
    EXPECT_EQ(GetPyCode("\xA6\xE0", pyMarkMissing, 255), "?");
}

TEST(GetPyCode, FullWidthAsciiBecomesAscii) {
    Check({
        {"ＡｂＣ", 0, "AbC"},
        {"１２３", 0, "123"},
        {"ａ＋１！", pyMarkMissing, "a1"},  // symbols drop out, without "?"
        {"ａ＋１！", pyKeepAll, "a+1!"},
        {"￥", pyKeepAll, "$"},
    });
    // Outside 0xA3A1..0xA3FE the row holds nothing that could be written as one byte.
    EXPECT_EQ(GetPyCode("\xA3\x41", pyKeepAll | pyMarkMissing, 255), "");
    EXPECT_EQ(GetPyCode("\xA3\xFF", pyKeepAll, 255), "");
}

TEST(GetPyCode, SingleBytes) {
    Check({
        {"abc XYZ 09", 0, "ABCXYZ09"},
        {"a-b_c.d", pyMarkMissing, "ABCD"},
        {"a-b_c.d", pyKeepAll, "A-B_C.D"},
        {"　", pyMarkMissing, "?"},  // the ideographic space is a character without a reading
        {"　", 0, ""},
        {"、。", pyMarkMissing, "??"},  // row 0xA1 has no readings, even with pyKeepAll
        {"、。", pyKeepAll, ""},
        {"，", pyMarkMissing, ""},  // full-width comma: a symbol of row 0xA3
        {"，", pyKeepAll, ","},
    });
    // A lead byte with no trail after it is read as a single byte: dropped, or kept with pyKeepAll.
    EXPECT_EQ(GetPyCode("A\xB0", pyMarkMissing, 255), "A");
    EXPECT_EQ(GetPyCode("A\xB0", pyKeepAll, 255), "A\xB0");
    // A lead byte before a byte below 0x40 does not swallow it.
    EXPECT_EQ(GetPyCode("\xB0"
                        "1",
                        pyMarkMissing, 255),
              "1");
    EXPECT_EQ(GetPyCode("\x80"
                        "a",
                        pyMarkMissing, 255),
              "A");
    // Codes GBK does not assign, or that lie outside the table, have no reading.
    EXPECT_EQ(GetPyCode("\x81\x7F", pyMarkMissing, 255), "?");
    EXPECT_EQ(GetPyCode("\xB0\xFF", pyMarkMissing, 255), "?");
    EXPECT_EQ(GetPyCode("\xFF\xA1", pyMarkMissing, 255), "?");
}

TEST(GetPyCode, EmptyResults) {
    EXPECT_EQ(GetPyCode("", pyMarkMissing, 255), "");
    EXPECT_EQ(GetPyCode("", -1, 255), "");
    EXPECT_EQ(Code("王小明", -1), "");
    EXPECT_EQ(Code("王小明", -4), "");
    EXPECT_EQ(Code("王小明", pyMarkMissing, 0), "");
    EXPECT_EQ(Code("王小明", pyMarkMissing, -1), "");
    EXPECT_EQ(Code("!!!", pyMarkMissing), "");
}

TEST(GetPyCode, OutputIsCutToTheMaximumLength) {
    EXPECT_EQ(Code("王小明", pyMarkMissing, 2), "WX");
    EXPECT_EQ(Code("王小明", pyMarkMissing, 3), "WXM");
    EXPECT_EQ(Code("张三", pyFullSyllable, 3), "ZHA");  // a syllable may be cut in the middle
    EXPECT_EQ(Code("⒛⒛", 0, 3), "202");
    const std::string longText(1000, 'a');
    EXPECT_EQ(GetPyCode(longText, 0, 255), std::string(255, 'A'));
}

// The character table against the rules it was generated by.
TEST(PyTable, ReadingsCoverGb2312AndNoSymbols) {
    int gb2312 = 0;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            if (GbkToUtf8(code) == "?") continue;  // D7FA..D7FE are unassigned
            if (PySyllableNumber(lead, trail) != 0) {
                ++gb2312;
            } else {
                const std::string ch = GbkToUtf8(code);
                EXPECT_TRUE(ch == "佛" || ch == "给" || ch == "髟") << ch;
            }
        }
    }
    EXPECT_EQ(gb2312, 6763 - 3);

    int symbols = 0, trail7F = 0, badNumbers = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        trail7F += PySyllableNumber(lead, 0x7F) != 0;
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const int n = PySyllableNumber(lead, trail);
            if (lead >= 0xA1 && lead <= 0xA9) symbols += n != 0;
            badNumbers += n < 0 || n > kPySyllableCount || n == 394;
        }
    }
    EXPECT_EQ(symbols, 0);
    EXPECT_EQ(trail7F, 0);
    EXPECT_EQ(badNumbers, 0);
}

TEST(PyTable, MostExtensionCharactersHaveReadings) {
    int assigned = 0, read = 0;
    auto visit = [&](int lead, int trail) {
        const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
        if (trail == 0x7F || GbkToUtf8(code) == "?") return;
        ++assigned;
        read += PySyllableNumber(lead, trail) != 0;
    };
    for (int lead = 0x81; lead <= 0xA0; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) visit(lead, trail);
    for (int lead = 0xAA; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xA0; ++trail) visit(lead, trail);
    EXPECT_GT(assigned, 14000);
    EXPECT_GT(read, assigned * 99 / 100);
}

}  // namespace
