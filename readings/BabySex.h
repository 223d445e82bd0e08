#pragma once
// The baby-sex chart (生男生女): the sex foretold by the mother's nominal age (虚岁) and the
// lunar month of conception. A fixed table; the window only shows it.
#include <optional>
#include <string>
#include <string_view>

enum class BabySex { Boy, Girl };

inline constexpr int kChartFirstAge = 18;
inline constexpr int kChartLastAge = 45;

// nullopt for an age outside 18..45 or a month outside 1..12: the chart has no such row.
std::optional<BabySex> BabySexOf(int age, int month);

// "男" or "女".
std::string_view BabySexText(BabySex sex);

// "年龄   1月    2月 …  12月", the chart's first line.
std::string_view BabySexChartHeader();

// Width of a text on a half-width grid: an ASCII character takes one column, any other two,
// as in a Song face whose Latin letters are half as wide as its Chinese characters.
int GridColumns(std::string_view utf8);

// The whole chart: the header, then one line per age; each cell stands on the columns of
// its month's "月" in the header, so the cells line up under their months in such a face.
std::string BabySexChartText();
