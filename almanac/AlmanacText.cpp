#include "almanac/AlmanacText.h"

#include "text/Convert.h"

namespace {

struct LabelledColumn {
    const char* label;
    const char* column;
};

// In the order the entry is written.
constexpr LabelledColumn kEntries[] = {
    {"岁次:", "suici"}, {"每日胎神占方:", "tszf"}, {"五行:", "wuhang"},
    {"冲:", "cong"},    {"彭祖百忌:", "pzbj"},     {"吉神宜趋:", "jsyq"},
    {"宜:", "yi"},      {"凶神宜忌:", "xsyq"},     {"忌:", "ji"},
};

std::string TrimmedColumn(const ColumnReader& column, std::string_view name) {
    return std::string(Trim(column(name)));
}

}  // namespace

std::string AlmanacKey(std::string_view year, std::string_view month, std::string_view day) {
    std::string key(Trim(year));
    key += '-';
    key += Trim(month);
    key += '-';
    key += Trim(day);
    return key;
}

DateTextCheck CheckDateTexts(std::string_view year, std::string_view month, std::string_view day,
                             const std::function<bool(const std::string& key)>& readsAsDate) {
    if (Trim(year).empty()) return {DateTextFault::NoYear, {}};
    if (Trim(month).empty()) return {DateTextFault::NoMonth, {}};
    if (Trim(day).empty()) return {DateTextFault::NoDay, {}};
    DateTextCheck check{DateTextFault::None, AlmanacKey(year, month, day)};
    if (!readsAsDate(check.key)) check.fault = DateTextFault::NotADate;
    return check;
}

std::string DateTextMessage(DateTextFault fault) {
    switch (fault) {
        case DateTextFault::NoYear:
            return "请选择年!";
        case DateTextFault::NoMonth:
            return "请选择月!";
        case DateTextFault::NoDay:
            return "请选择日!";
        case DateTextFault::NotADate:
            return "请选择有效的日期!";
        case DateTextFault::None:
            break;
    }
    return {};
}

std::string HuangdaoSql(std::string_view key) {
    return "Select top 1 * from huangdao where gn = #" + std::string(key) + "#";
}

std::string AlmanacSummary(std::string_view key, const ColumnReader& column) {
    return std::string(key) + "  " + TrimmedColumn(column, "nn");
}

std::vector<std::string> AlmanacLines(const ColumnReader& column, bool withHours) {
    std::vector<std::string> lines;
    for (const LabelledColumn& entry : kEntries) {
        if (!lines.empty()) lines.emplace_back();
        lines.push_back(entry.label + TrimmedColumn(column, entry.column));
    }
    if (!withHours) return lines;
    std::string hours;
    try {
        hours = TrimmedColumn(column, "jishi");
    } catch (...) {
        // The hours are an extra; a row without them still shows its entry.
        return lines;
    }
    lines.emplace_back();
    lines.emplace_back("本日吉时如下:");
    lines.push_back(std::move(hours));
    return lines;
}
