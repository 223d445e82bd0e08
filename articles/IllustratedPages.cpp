#include "articles/IllustratedPages.h"

#include <algorithm>
#include <charconv>

#include "articles/NoterArticle.h"
#include "store/Errors.h"
#include "store/JetSql.h"
#include "store/Lookup.h"
#include "store/Query.h"

namespace {
std::optional<int> ParsePage(const std::string& text) {
    const std::string t = TrimSpaces(text);
    int value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return value;
}
}  // namespace

std::string IllustratedSql(int code) {
    return "select page,format,picture,content from tuwen where code = " + Quote(std::to_string(code)) +
           " order by page";
}

std::vector<IllustratedPage> ArrangePages(std::vector<IllustratedPage> rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const IllustratedPage& a, const IllustratedPage& b) { return a.page < b.page; });
    std::vector<IllustratedPage> pages;
    for (IllustratedPage& row : rows) {
        if (row.page < 1) continue;
        if (!pages.empty() && row.page == pages.back().page) continue;
        if (row.page != static_cast<int>(pages.size()) + 1 || row.page > kMaxIllustratedPages) break;
        pages.push_back(std::move(row));
    }
    return pages;
}

std::vector<IllustratedPage> ReadIllustratedPages(Query& query, int code) {
    query.Close();
    query.ClearSql();
    query.SetSql(IllustratedSql(code));
    std::vector<IllustratedPage> rows;
    try {
        query.Open();
        if (!query.IsEmpty()) {
            do {
                const std::optional<int> page = ParsePage(query.FieldAt(0).AsString());
                if (!page) continue;
                rows.push_back({*page, TrimSpaces(query.FieldAt(1).AsString()), query.FieldAt(2).AsString(),
                                UnifyLineBreaks(TrimSpaces(query.FieldAt(3).AsString()))});
            } while (query.Next());
        }
        query.Close();
    } catch (const std::exception&) {
        query.Close();
        throw AbortCommand();
    }
    return ArrangePages(std::move(rows));
}

int NumberOfButton(std::string_view objectName) {
    constexpr std::string_view prefix = "ABtn";
    if (!objectName.starts_with(prefix)) return 0;
    const std::string_view digits = objectName.substr(prefix.size());
    int value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || value < 0) return 0;
    return value;
}

void PageNavigator::Reset(int pageCount) {
    count_ = std::clamp(pageCount, 0, kMaxIllustratedPages);
    current_ = 1;
}

std::optional<int> PageNavigator::Shown() const {
    if (count_ == 0) return std::nullopt;
    return current_;
}

std::optional<int> PageNavigator::First() {
    current_ = 1;
    return Shown();
}

std::optional<int> PageNavigator::Last() {
    current_ = std::max(1, count_);
    return Shown();
}

std::optional<int> PageNavigator::Previous() {
    if (current_ > 1) --current_;
    return Shown();
}

std::optional<int> PageNavigator::Next() {
    if (current_ < count_) ++current_;
    return Shown();
}

std::optional<int> PageNavigator::Go(int k) {
    if (Allows(k)) current_ = k;
    return Shown();
}
