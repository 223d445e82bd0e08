#include "numerology/Grids.h"

#include "numerology/Unscramble.h"
#include "store/ConnStr.h"
#include "store/Errors.h"
#include "store/JetSql.h"
#include "store/Lookup.h"
#include "text/Convert.h"
#include "text/Gbk.h"

namespace {

// Byte ranges of a part: the first character, the second, and the second onward.
std::string_view First(std::string_view part) { return part.substr(0, 2); }
std::string_view Second(std::string_view part) {
    return part.size() > 2 ? part.substr(2, 2) : std::string_view();
}
std::string_view SecondOnward(std::string_view part) {
    return part.size() > 2 ? part.substr(2, 4) : std::string_view();
}
bool OneCharacter(std::string_view part) { return part.size() <= 2; }

// The strokes of the second character onward. Each character is counted on its own and the
// counts added: looked up together, two characters match only where a row happens to hold
// them side by side, and the grid would come out near zero.
int SecondOnwardStrokes(std::string_view part, const StrokeLookup& strokes) {
    std::string_view rest = SecondOnward(part);
    int sum = 0;
    for (size_t at = 0; at < rest.size(); at += 2) sum += strokes(rest.substr(at, 2));
    return sum;
}

int PartTotal(std::string_view part, const StrokeLookup& strokes) {
    if (OneCharacter(part)) return strokes(part);
    return strokes(First(part)) + SecondOnwardStrokes(part, strokes);
}

const char* ElementOf(int n) {
    static const char* const kElements[] = {"水", "木", "木", "火", "火", "土", "土", "金", "金", "水"};
    const int digit = n % 10;  // truncating: negative for a negative number
    return digit < 0 ? "" : kElements[digit];
}

}  // namespace

int GetStrokeNum(std::string_view gbk) {
    const std::string pattern = "%" + GbkToUtf8(gbk) + "%";
    auto row = LookupRow(GetFileConnStr(), "Select num from bihua where hanzi like " + Quote(pattern));
    if (!row || row->empty()) return 0;
    try {
        return StrToInt((*row)[0]);
    } catch (const ConversionError&) {
        throw AbortCommand();  // a stored count that is no number fails like the lookup
    }
}

int GetGridNum(std::string_view s, std::string_view g, int selector, const StrokeLookup& n) {
    switch (selector) {
        case kTianGe:
            return OneCharacter(s) ? n(s) + 1 : n(First(s)) + n(Second(s));
        case kDiGe:
            return OneCharacter(g) ? n(g) + 1 : n(First(g)) + n(Second(g));
        case kRenGe:
            return (OneCharacter(s) ? n(s) : n(Second(s))) + n(First(g));
        case kZongGe:
            return PartTotal(s, n) + PartTotal(g, n);
        case kWaiGe:
            if (s.size() == 2 && g.size() == 2) return 2;
            return GetGridNum(s, g, kZongGe, n) - GetGridNum(s, g, kRenGe, n) + 1;
        default:
            return 0;
    }
}

std::string GetElementTitle(int tianGe, int renGe, int diGe) {
    return std::string(ElementOf(tianGe)) + ElementOf(renGe) + ElementOf(diGe);
}

std::string ShownReading(const std::string& stored, int* badPairs) {
    if (stored == kNoReading) return stored;
    return GbkToUtf8(UnscrambleText(stored, kReadingKey, kReadingRounds, badPairs));
}

std::vector<std::string> NameAnalysisLines(std::string_view surname, std::string_view givenName,
                                           const int grids[5], const std::string readings[5]) {
    const auto num = [&](int selector) { return std::to_string(grids[selector]); };
    const std::string indent = "    ";
    return {
        std::string(surname) + std::string(givenName) + ",您的姓名经过系统的分析,结果如下:",
        "",
        "",
        "天格: " + num(kTianGe),
        "地格: " + num(kDiGe),
        "人格: " + num(kRenGe),
        "总格: " + num(kZongGe),
        "外格: " + num(kWaiGe),
        "",
        "",
        readings[kZongGe],
        "",
        "补充:",
        "天格" + num(kTianGe) + "分析:",
        indent + readings[kTianGe],
        "",
        "地格" + num(kDiGe) + "分析:",
        indent + readings[kDiGe],
        "",
        "人格" + num(kRenGe) + "分析:",
        indent + readings[kRenGe],
        "",
        "外格" + num(kWaiGe) + "分析:",
        indent + readings[kWaiGe],
    };
}

std::vector<std::string> ThreeTalentLines(std::string_view surname, std::string_view givenName,
                                          std::string_view title, std::string_view reading) {
    return {std::string(surname) + std::string(givenName) + ",您的三才为" + std::string(title) +
                ",经系统分析如下:",
            "", "", "    " + std::string(reading)};
}

std::string NamefxStatement(int grid) {
    return "Select content from namefx where num = " + Quote(std::to_string(grid));
}

std::string SancaiStatement(std::string_view title) {
    return "Select content from sancai where title = " + Quote(title) + " ";
}
