#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "readings/BabySex.h"

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

// Byte offset of the character that starts on grid column `column`; npos when none does.
size_t OffsetAtColumn(const std::string& line, int column) {
    for (size_t i = 0; i < line.size(); ++i) {
        if ((static_cast<unsigned char>(line[i]) & 0xC0) == 0x80) continue;
        if (GridColumns(line.substr(0, i)) == column) return i;
    }
    return std::string::npos;
}

TEST(BabySex, CellsOfTheChart) {
    struct Case {
        int age, month;
        std::optional<BabySex> sex;
    };
    const auto boy = BabySex::Boy, girl = BabySex::Girl;
    const Case cases[] = {
        {18, 1, girl},
        {18, 2, boy},
        {18, 12, boy},
        {21, 1, boy},
        {21, 2, girl},
        {21, 12, girl},
        {30, 10, girl},
        {30, 11, boy},
        {37, 4, boy},
        {38, 12, girl},
        {44, 2, boy},
        {45, 1, girl},
        {45, 12, boy},
        // No row below 18 or above 45, no column outside the twelve months.
        {17, 1, std::nullopt},
        {46, 1, std::nullopt},
        {0, 6, std::nullopt},
        {18, 0, std::nullopt},
        {18, 13, std::nullopt},
        {-30, -1, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(BabySexOf(c.age, c.month), c.sex) << c.age << "/" << c.month;

    // The chart's own balance: 21 has a single boy, 43 has boys in every odd month and
    // from the ninth on.
    int boys21 = 0;
    for (int m = 1; m <= 12; ++m) boys21 += BabySexOf(21, m) == boy;
    EXPECT_EQ(boys21, 1);
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(BabySexOf(43, m), (m % 2 || m >= 9) ? boy : girl) << m;
}

TEST(BabySex, TextShowsEveryCellUnderItsMonth) {
    const std::vector<std::string> lines = Lines(BabySexChartText());
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines[0], "年龄   1月    2月   3月   4月   5月   6月   7月   8月   9月  10月   11月   12月");
    EXPECT_EQ(lines[0], BabySexChartHeader());

    std::vector<int> monthColumns;
    for (size_t at = lines[0].find("月"); at != std::string::npos; at = lines[0].find("月", at + 1))
        monthColumns.push_back(GridColumns(lines[0].substr(0, at)));
    ASSERT_EQ(monthColumns.size(), 12u);

    for (int age = kChartFirstAge; age <= kChartLastAge; ++age) {
        const std::string& line = lines[static_cast<size_t>(age - kChartFirstAge + 1)];
        SCOPED_TRACE(line);
        EXPECT_EQ(line.substr(0, 2), std::to_string(age));
        EXPECT_EQ(line.find("  "), 2u);  // blanks after the age, nothing else before the cells
        std::string rest = line.substr(2);
        for (int month = 1; month <= 12; ++month) {
            const size_t at = OffsetAtColumn(line, monthColumns[static_cast<size_t>(month - 1)]);
            ASSERT_NE(at, std::string::npos) << month;
            EXPECT_EQ(line.substr(at, 3), BabySexText(*BabySexOf(age, month))) << month;
        }
        // Nothing but the twelve cells and blanks.
        int cells = 0;
        for (size_t i = 2; i < line.size();) {
            if (line[i] == ' ') {
                ++i;
                continue;
            }
            const std::string cell = line.substr(i, 3);
            EXPECT_TRUE(cell == "男" || cell == "女") << cell;
            ++cells;
            i += 3;
        }
        EXPECT_EQ(cells, 12);
        EXPECT_NE(line.back(), ' ');
    }
}

TEST(BabySex, GridColumnsCountChineseAsTwo) {
    EXPECT_EQ(GridColumns(""), 0);
    EXPECT_EQ(GridColumns("18  "), 4);
    EXPECT_EQ(GridColumns("年龄"), 4);
    EXPECT_EQ(GridColumns("10月"), 4);
    EXPECT_EQ(GridColumns("年龄   1"), 8);
}

}  // namespace
