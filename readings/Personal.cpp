#include "readings/Personal.h"

#include "readings/PersonalTexts.h"
#include "store/ConnStr.h"
#include "store/Errors.h"
#include "store/JetSql.h"
#include "store/Lookup.h"

namespace {
std::string Find(const PersonalText* table, size_t count, std::string_view key) {
    for (size_t i = 0; i < count; ++i)
        if (key == table[i].key) return table[i].text;
    return kNoPersonalReading;
}

void RemoveAll(std::string& text, std::string_view mark) {
    for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at))
        text.erase(at, mark.size());
}
}  // namespace

std::string GetBloodTypeText(std::string_view bloodType) {
    return Find(kBloodTypeTexts, kBloodTypeCount, bloodType);
}
std::string GetZodiacText(std::string_view animal) { return Find(kZodiacTexts, kZodiacCount, animal); }
std::string GetStarSignText(std::string_view starSign) {
    return Find(kStarSignTexts, kStarSignCount, starSign);
}

std::string StripParagraphTags(std::string text) {
    RemoveAll(text, "<p>");
    RemoveAll(text, "</p>");
    return text;
}

std::string StarSignArticleStatement(int kind, std::string_view starSign) {
    static const char* const kTables[] = {"ndeq", "aiqing", "mingren", "baojian", "qingxv", nullptr, "shiye"};
    if (kind < 0 || kind > 6 || !kTables[kind]) return {};
    return std::string("select content from ") + kTables[kind] + " where title = " + Quote(starSign);
}

std::string GetStarSignArticle(std::string_view starSign, int kind) {
    // A kind without a table has no statement, so its query cannot open.
    auto row = LookupRow(GetFileConnStr(), StarSignArticleStatement(kind, starSign));
    if (!row || row->empty()) return {};
    return StripParagraphTags((*row)[0]);
}

std::vector<std::string> PersonalReadingLines(std::string_view surname, std::string_view givenName,
                                              std::string_view label, std::string_view value,
                                              std::string_view reading) {
    return {std::string(surname) + std::string(givenName) + std::string(label) + std::string(value) +
                ",经系统分析如下:",
            "", "", "    " + std::string(reading)};
}

std::string StarSignArticleHeader(std::string_view surname, std::string_view givenName,
                                  std::string_view starSign) {
    return std::string(surname) + std::string(givenName) + ",您的星座为" + std::string(starSign) + "...";
}
