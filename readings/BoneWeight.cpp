#include "readings/BoneWeight.h"

#include <array>
#include <charconv>
#include <exception>
#include <vector>

#include "store/Errors.h"
#include "store/JetSql.h"
#include "store/Lookup.h"
#include "store/Query.h"

namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2019;

constexpr std::string_view kMonths[] = {"正", "二", "三", "四", "五",   "六",
                                        "七", "八", "九", "十", "十一", "腊"};
constexpr std::string_view kDays[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
                                      "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
                                      "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四",
                                      "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
constexpr std::string_view kHours[] = {"0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",
                                       "8",  "9",  "10", "11", "12", "13", "14", "15",
                                       "16", "17", "18", "19", "20", "21", "22", "23"};

bool IsDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// A statement on the window's query; an empty result weighs nothing.
double PartWeight(Query& query, const std::string& sql) {
    query.Close();
    query.ClearSql();
    query.SetSql(sql);
    try {
        query.Open();
        if (query.IsEmpty()) return 0;
        return query.FieldAt(0).AsFloat();
    } catch (const std::exception&) {
        query.Close();
        throw AbortCommand();
    }
}

}  // namespace

std::span<const std::string> BoneYears() {
    static const std::vector<std::string> years = [] {
        std::vector<std::string> v;
        for (int y = kFirstYear; y <= kLastYear; ++y) v.push_back(std::to_string(y));
        return v;
    }();
    return years;
}

std::span<const std::string_view> BoneMonths() { return kMonths; }
std::span<const std::string_view> BoneDays() { return kDays; }
std::span<const std::string_view> BoneHours() { return kHours; }

std::string BonePartSql(BonePart part, std::string_view key) {
    static constexpr std::array<std::string_view, 4> kHeads = {
        "Select weight from chenggu1 where year =",
        "Select weight from chenggu2 where month =",
        "Select weight from chenggu3 where day =",
        "Select weight from chenggu4 where time =",
    };
    return std::string(kHeads[static_cast<size_t>(part)]) + Quote(key);
}

std::string BoneVerseSql(std::string_view weightKey) {
    return "Select content from chenggu where weight =" + Quote(weightKey);
}

std::string WeightTotalText(double total) {
    // to_chars rather than printf: the decimal point must not follow the user's locale.
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, total, std::chars_format::general, 15);
    return std::string(buf, result.ptr);
}

std::optional<std::string> WeightKeyOf(std::string_view totalText) {
    const size_t point = totalText.find('.');
    const std::string_view whole = totalText.substr(0, point);
    if (!IsDigits(whole)) return std::nullopt;
    if (point == std::string_view::npos) return std::string(whole) + "0";
    const std::string_view fraction = totalText.substr(point + 1);
    if (!IsDigits(fraction)) return std::nullopt;
    return std::string(whole) + fraction[0];
}

std::string WeightLineOf(std::string_view weightKey) {
    if (weightKey.empty()) return {};
    const std::string_view liang = weightKey.substr(0, weightKey.size() - 1);
    const char qian = weightKey.back();
    std::string line = "你的骨重为：" + std::string(liang) + "两";
    if (qian != '0') line += std::string(1, qian) + "钱";
    return line;
}

BoneReading ReadBoneWeight(Query& query, const BoneBirth& birth) {
    BoneReading reading;
    reading.total += PartWeight(query, BonePartSql(BonePart::Year, birth.year));
    reading.total += PartWeight(query, BonePartSql(BonePart::Month, birth.month));
    reading.total += PartWeight(query, BonePartSql(BonePart::Day, birth.day));
    reading.total += PartWeight(query, BonePartSql(BonePart::Hour, birth.hour));

    const std::optional<std::string> key = WeightKeyOf(WeightTotalText(reading.total));
    if (!key) return reading;  // no weight that a verse could be stored under
    reading.key = *key;
    const auto row = LookupRow(query, BoneVerseSql(reading.key));
    if (!row || row->empty()) return reading;
    reading.verse = row->front();
    reading.line = WeightLineOf(reading.key);
    return reading;
}
