#include "readings/BabySex.h"

#include <algorithm>
#include <array>

namespace {

// One row per age from 18 to 45, one letter per month from 1 to 12: B for 男, G for 女.
constexpr std::string_view kChart[] = {
    "GBGBBBBBBBBB",  // 18
    "BGBGGBBBBBGG",  // 19
    "GBGBBBBBBGBB",  // 20
    "BGGGGGGGGGGG",  // 21
    "GBBGBGGBGGGG",  // 22
    "BBGBBGBGBBBG",  // 23
    "BGBBGBBGGGGG",  // 24
    "GBBGGBGBBBBB",  // 25
    "BGBGGBGBGGGG",  // 26
    "GBGBGGBBBBGB",  // 27
    "BGBGGGBBBBGG",  // 28
    "GBGGBBBBBBBG",  // 29
    "BGGGGGGGGGBB",  // 30
    "BGBGGGGGGGGB",  // 31
    "BGBGGGGGGGGB",  // 32
    "GBGBGGGBGGGB",  // 33
    "BGBGGGGGGGBB",  // 34
    "BBGBGGGBGGBB",  // 35
    "GBBGBGGGBBBB",  // 36
    "BGBBGBGBGBGB",  // 37
    "GBGBBGBGBGBG",  // 38
    "BGBBBGGBGBGG",  // 39
    "GBGBGBBGBGBG",  // 40
    "BGBGBGBBGBGB",  // 41
    "GBGBGBGBBGBG",  // 42
    "BGBGBGBGBBBB",  // 43
    "BBGBBBGBGBGG",  // 44
    "GBBGGGBGBGBB",  // 45
};

constexpr std::string_view kHeader =
    "年龄   1月    2月   3月   4月   5月   6月   7月   8月   9月  10月   11月   12月";
constexpr std::string_view kMonthMark = "月";

// Start of a UTF-8 character: anything but a continuation byte.
bool StartsCharacter(unsigned char c) { return (c & 0xC0) != 0x80; }

// The grid column of each "月" of the header, month by month.
std::array<int, 12> MonthColumns() {
    std::array<int, 12> columns{};
    size_t month = 0;
    size_t from = 0;
    while (month < columns.size()) {
        const size_t at = kHeader.find(kMonthMark, from);
        columns[month++] = GridColumns(kHeader.substr(0, at));
        from = at + kMonthMark.size();
    }
    return columns;
}

}  // namespace

std::optional<BabySex> BabySexOf(int age, int month) {
    if (age < kChartFirstAge || age > kChartLastAge || month < 1 || month > 12) return std::nullopt;
    return kChart[age - kChartFirstAge][month - 1] == 'B' ? BabySex::Boy : BabySex::Girl;
}

std::string_view BabySexText(BabySex sex) { return sex == BabySex::Boy ? "男" : "女"; }

std::string_view BabySexChartHeader() { return kHeader; }

int GridColumns(std::string_view utf8) {
    int columns = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (!StartsCharacter(c)) continue;
        columns += c < 0x80 ? 1 : 2;
    }
    return columns;
}

std::string BabySexChartText() {
    static const std::array<int, 12> columns = MonthColumns();
    std::string text(kHeader);
    for (int age = kChartFirstAge; age <= kChartLastAge; ++age) {
        std::string line = std::to_string(age);
        int width = GridColumns(line);
        for (int month = 1; month <= 12; ++month) {
            const int column = columns[static_cast<size_t>(month - 1)];
            // At least one blank between cells, even if a header were ever packed tighter.
            line.append(static_cast<size_t>(std::max(column - width, 1)), ' ');
            line += BabySexText(*BabySexOf(age, month));
            width = GridColumns(line);
        }
        text += '\n';
        text += line;
    }
    return text;
}
