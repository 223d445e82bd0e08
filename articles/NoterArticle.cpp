#include "articles/NoterArticle.h"

#include "store/ConnStr.h"
#include "store/JetSql.h"
#include "store/Lookup.h"

std::string NoterSql(std::string_view code) {
    return "select Tite,content from Noter where Cid = " + Quote(code);
}

NoterArticle FetchNoterArticle(std::string_view code) {
    const auto row = LookupRow(GetBirthConnStr(), NoterSql(code));
    if (!row) return {false, kNoArticleTitle, {}};
    NoterArticle article;
    article.found = true;
    article.title = row->size() > 0 ? (*row)[0] : std::string();
    article.body = row->size() > 1 ? UnifyLineBreaks((*row)[1]) : std::string();
    return article;
}

std::string UnifyLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out.push_back(text[i]);
        } else {
            out.push_back('\n');
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        }
    }
    return out;
}
