#pragma once
// The program writes its statements in Jet's dialect; SQLite lacks two of its forms.
#include <string>
#include <string_view>

// Q(x): x between single quotes, every single quote inside doubled; nothing else escaped,
// so "%" and "_" keep their LIKE meaning.
std::string Quote(std::string_view text);

// Rewrites "select [distinct] top N ..." as "select [distinct] ... LIMIT N" and a date
// literal #y-m-d# (or #m/d/y#, with an optional time) as the text 'YYYY-MM-DD' (or
// 'YYYY-MM-DD HH:MM:SS'), the form in which dates are stored. Quoted literals are never
// touched, nor anything else. Throws QueryError for an unclosed or invalid date literal.
std::string TranslateJetSql(std::string_view sql);

// The canonical stored form of a date text "y-m-d" or "m/d/y" with an optional time;
// empty when the text is not a valid date.
std::string CanonicalDateText(std::string_view text);
