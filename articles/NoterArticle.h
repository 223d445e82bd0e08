#pragma once
// The plain articles of VorBirth.dll's `Noter` table, looked up by their code ("a1", "b13").
// Texts are UTF-8.
#include <string>
#include <string_view>

// The caption of an article window whose code has no row.
inline constexpr char kNoArticleTitle[] = "算命";

// "select Tite,content from Noter where Cid = " and the code as a quoted literal.
std::string NoterSql(std::string_view code);

struct NoterArticle {
    bool found = false;
    std::string title;  // `Tite`, trimmed; kNoArticleTitle when not found
    std::string body;   // `content`, trimmed, line breaks as "\n"; empty when not found
};

// Looks the article up on a fresh query bound to GetBirthConnStr(). A statement that cannot
// run (missing or foreign file, missing table or column) throws AbortCommand.
NoterArticle FetchNoterArticle(std::string_view code);

// CR LF and lone CR as LF: texts stored on the original platform end their lines with CR LF.
std::string UnifyLineBreaks(std::string_view text);
