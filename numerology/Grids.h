#pragma once
// The five grids (五格) of a name from the stroke counts of its characters, and the three
// talents (三才) from three of them. Name parts are GBK: a character is two bytes.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Grid selectors.
enum GridSelector { kTianGe = 0, kDiGe = 1, kRenGe = 2, kZongGe = 3, kWaiGe = 4 };

// Stroke count of one GBK character (or a short GBK text).
using StrokeLookup = std::function<int(std::string_view gbk)>;

// The stroke count from the content database: the first `bihua` row whose characters
// contain `gbk`, 0 when none does. Any failure throws AbortCommand.
int GetStrokeNum(std::string_view gbk);

// One grid number of the name. A part of at most two bytes counts as one character.
int GetGridNum(std::string_view surname, std::string_view givenName, int selector,
               const StrokeLookup& strokes);
inline int GetGridNum(std::string_view surname, std::string_view givenName, int selector) {
    return GetGridNum(surname, givenName, selector, GetStrokeNum);
}

// The element of each number by its last digit, joined heaven, man, earth: "金木土" (UTF-8).
std::string GetElementTitle(int tianGe, int renGe, int diGe);

// The reading of a grid or title when the database has none.
inline constexpr char kNoReading[] = "无结果,请听下回分解";

// The stored reading as shown (UTF-8): the no-result text unchanged, anything else
// unscrambled with the readings' key. Bad hexadecimal pairs are counted into *badPairs.
std::string ShownReading(const std::string& stored, int* badPairs);

// The result-pane lines of the name analysis (UTF-8 in and out): grids in selector order,
// readings in the same order, already in their shown form.
std::vector<std::string> NameAnalysisLines(std::string_view surname, std::string_view givenName,
                                           const int grids[5], const std::string readings[5]);

// The result-pane lines of the three-talent reading (UTF-8).
std::vector<std::string> ThreeTalentLines(std::string_view surname, std::string_view givenName,
                                          std::string_view title, std::string_view reading);

// The statements of the two readings' lookups.
std::string NamefxStatement(int grid);
std::string SancaiStatement(std::string_view title);
