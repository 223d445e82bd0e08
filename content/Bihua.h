#pragma once
// Stroke counts of every Chinese character GBK holds, as name numerology counts them:
// the strokes of the character's traditional form by the Kangxi dictionary, with each
// radical counted in its full form (氵 as 水 4, 扌 as 手 4, 艹 as 艸 6, 辶 as 辵 7,
// 阝 as 阜 8 on the left and 邑 7 on the right, 王 as 玉 5, 月 as 肉 6 where it is the
// meat radical, and so on). So 张 counts as 張 11, 陈 as 陳 16, 郑 as 鄭 19, 江 7, 海 11,
// 涛 as 濤 18.
//
// The counts are derived from the Unihan database that Debian's unicode-data ships:
// - traditional form: kTraditionalVariant. A character listed among its own traditional
//   variants keeps its own form when it is itself a character of traditional writing (it
//   has a Big5 code, kBigFive): 朱 beside 硃, 胡 beside 鬍, 干 beside 乾 and 幹, which
//   names write so. Unihan also lists 郑, 涛, 刘, 罗 among their own variants, but only as
//   rare old forms outside Big5; those, and every other character, take the first variant
//   that is not the character itself (鄭, 濤, 劉, 羅);
// - strokes: the full stroke count of the form's Kangxi radical (kRSKangXi, else
//   kRSUnicode) plus its residual strokes; a form that is its radical itself (王, 水, 門)
//   counts its own total strokes (kTotalStrokes);
// - the override list content/bihua-overrides.tsv corrects the cases the variant data
//   decides wrongly for names (万 as 萬, 云 as 雲, …) and holds the numeral convention:
//   the numerals 一 to 十 count as the number they stand for (四 4, 五 5, 六 6, 七 7, 九 9,
//   十 10), the common rule of name numerology; 百, 千, 零 and the rest keep their strokes.
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

struct UnihanStrokeData {
    std::unordered_map<char32_t, std::pair<int, int>> kangxi;     // radical 1..214, residual
    std::unordered_map<char32_t, std::pair<int, int>> unicodeRs;  // the same from kRSUnicode
    std::unordered_map<char32_t, int> totalStrokes;
    std::unordered_map<char32_t, std::vector<char32_t>> traditional;
    std::unordered_map<char32_t, char32_t> compatibility;  // compatibility ideograph -> unified
    std::unordered_set<char32_t> bigFive;                  // characters with a Big5 code
};

// Parses the text of Unihan_RadicalStrokeCounts.txt, Unihan_IRGSources.txt,
// Unihan_Variants.txt and Unihan_OtherMappings.txt (any of them may be empty).
UnihanStrokeData ParseUnihan(std::string_view radicalStrokeCounts, std::string_view irgSources,
                             std::string_view variants, std::string_view otherMappings);
// Reads the four files (bzip2-compressed, as Debian ships them) from `dir`.
UnihanStrokeData LoadUnihan(const std::filesystem::path& dir);

// Strokes of Kangxi radical 1..214 written in full; 0 outside that range.
int RadicalStrokes(int radical);

// One line of the override list: either a form to count instead, or a count.
struct StrokeOverride {
    char32_t form = 0;
    int strokes = 0;
};
using StrokeOverrides = std::map<char32_t, StrokeOverride>;
// Lines "character<TAB>form or count<TAB>reason". Throws ContentError for a bad line.
StrokeOverrides ParseStrokeOverrides(std::string_view tsv, const std::string& name);

// The characters of `chars` that the rule would count in their own form although they
// have other traditional variants (they are listed among their own variants and have a
// Big5 code). Each stands for two words, so the override list must decide each.
std::vector<char32_t> OwnFormCharacters(const std::vector<char32_t>& chars, const UnihanStrokeData& data);

// The name-numerology stroke count of `c`; 0 when Unihan has nothing to count by.
int KangxiStrokes(char32_t c, const UnihanStrokeData& data, const StrokeOverrides& overrides);

// Every ideograph that GBK encodes, in ascending code point order.
std::vector<char32_t> GbkHanzi();

// The bihua rows: stroke count -> all characters of that count (UTF-8, in code point
// order). Throws ContentError naming the characters that get no count.
std::map<int, std::string> StrokeRows(const std::vector<char32_t>& chars, const UnihanStrokeData& data,
                                      const StrokeOverrides& overrides);

std::string Utf8Of(char32_t c);
// The code points of a UTF-8 text; throws ContentError for malformed text.
std::u32string CodePointsOf(std::string_view utf8);
