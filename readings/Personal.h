#pragma once
// The subject's personality readings: blood type, zodiac animal and star sign from built-in
// tables, and the star-sign articles from the content database. UTF-8 throughout.
#include <string>
#include <string_view>
#include <vector>

// The reading of a key that no table row holds.
inline constexpr char kNoPersonalReading[] = "请听下回分解!";

// Exact matches only; "a型" reads as "A型", but "Ab型" or "A型 " do not.
std::string GetBloodTypeText(std::string_view bloodType);
std::string GetZodiacText(std::string_view animal);
std::string GetStarSignText(std::string_view starSign);

// Every "<p>" and then every "</p>" removed; other case is left alone.
std::string StripParagraphTags(std::string text);

// The statement of an article kind (0 ndeq, 1 aiqing, 2 mingren, 3 baojian, 4 qingxv,
// 6 shiye); empty for any other kind.
std::string StarSignArticleStatement(int kind, std::string_view starSign);

// The article of a star sign, trimmed and without paragraph marks; empty when the table has
// no row. A statement that cannot run (no file, no table, a kind without one) throws
// AbortCommand.
std::string GetStarSignArticle(std::string_view starSign, int kind);

// The four lines of a built-in reading: header, two empty lines, the indented reading.
std::vector<std::string> PersonalReadingLines(std::string_view surname, std::string_view givenName,
                                              std::string_view label, std::string_view value,
                                              std::string_view reading);

// The header line of a star-sign article.
std::string StarSignArticleHeader(std::string_view surname, std::string_view givenName,
                                  std::string_view starSign);

// The article kinds whose command ends by bringing the pane back to its top.
constexpr bool ArticleScrollsToTop(int kind) { return kind == 0 || kind == 3; }
