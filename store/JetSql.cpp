#include "store/JetSql.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "store/Errors.h"
#include "text/Convert.h"

std::string Quote(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out.push_back('\'');
        out.push_back(c);
    }
    out.push_back('\'');
    return out;
}

namespace {

bool IsDigits(std::string_view s) {
    if (s.empty() || s.size() > 4) return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

int ToInt(std::string_view s) {
    int v = 0;
    for (char c : s) v = v * 10 + (c - '0');
    return v;
}

std::vector<std::string_view> Split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    size_t pos = 0;
    while (true) {
        size_t end = s.find(sep, pos);
        parts.push_back(s.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
        if (end == std::string_view::npos) break;
        pos = end + 1;
    }
    return parts;
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool ValidDate(int y, int m, int d) {
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= kDays[m - 1] + (m == 2 && leap ? 1 : 0);
}

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

bool MatchWord(std::string_view s, size_t at, std::string_view word) {
    if (at + word.size() > s.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[at + i])) != word[i]) return false;
    if (at > 0 && IsWordChar(s[at - 1])) return false;
    return at + word.size() == s.size() || !IsWordChar(s[at + word.size()]);
}

size_t SkipSpace(std::string_view s, size_t at) {
    while (at < s.size() && std::isspace(static_cast<unsigned char>(s[at]))) ++at;
    return at;
}

}  // namespace

std::string CanonicalDateText(std::string_view text) {
    text = TrimBlanks(text);
    std::string_view datePart = text, timePart;
    if (size_t sp = text.find(' '); sp != std::string_view::npos) {
        datePart = text.substr(0, sp);
        timePart = TrimBlanks(text.substr(sp + 1));
    }
    int y, m, d;
    if (auto p = Split(datePart, '-'); p.size() == 3) {
        if (!IsDigits(p[0]) || !IsDigits(p[1]) || !IsDigits(p[2])) return {};
        y = FullYear(ToInt(p[0]), p[0].size()), m = ToInt(p[1]), d = ToInt(p[2]);
    } else if (auto q = Split(datePart, '/'); q.size() == 3) {
        // Jet reads a slashed literal as month/day/year.
        if (!IsDigits(q[0]) || !IsDigits(q[1]) || !IsDigits(q[2])) return {};
        m = ToInt(q[0]), d = ToInt(q[1]), y = FullYear(ToInt(q[2]), q[2].size());
    } else {
        return {};
    }
    if (!ValidDate(y, m, d)) return {};
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    std::string out = buf;
    if (!timePart.empty()) {
        auto t = Split(timePart, ':');
        if (t.size() < 2 || t.size() > 3) return {};
        int hms[3] = {0, 0, 0};
        for (size_t i = 0; i < t.size(); ++i) {
            if (!IsDigits(t[i]) || t[i].size() > 2) return {};
            hms[i] = ToInt(t[i]);
        }
        if (hms[0] > 23 || hms[1] > 59 || hms[2] > 59) return {};
        if (hms[0] || hms[1] || hms[2]) {
            std::snprintf(buf, sizeof buf, " %02d:%02d:%02d", hms[0], hms[1], hms[2]);
            out += buf;
        }
    }
    return out;
}

std::string TranslateJetSql(std::string_view sql) {
    std::string out;
    out.reserve(sql.size() + 16);
    std::string limit;
    bool sawSelect = false;
    size_t i = 0;
    while (i < sql.size()) {
        char c = sql[i];
        if (c == '\'' || c == '"') {
            // A quoted literal is copied as it stands, doubled quotes included.
            size_t j = i + 1;
            while (j < sql.size()) {
                if (sql[j] == c) {
                    if (j + 1 < sql.size() && sql[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            if (j >= sql.size()) throw QueryError("unclosed quoted literal");
            out.append(sql.substr(i, j + 1 - i));
            i = j + 1;
            continue;
        }
        if (c == '#') {
            size_t close = sql.find('#', i + 1);
            if (close == std::string_view::npos) throw QueryError("unclosed date literal");
            std::string date = CanonicalDateText(sql.substr(i + 1, close - i - 1));
            if (date.empty())
                throw QueryError("invalid date literal: " + std::string(sql.substr(i, close + 1 - i)));
            out += Quote(date);
            i = close + 1;
            continue;
        }
        if (!sawSelect && MatchWord(sql, i, "select")) {
            sawSelect = true;
            out.append(sql.substr(i, 6));
            i += 6;
            size_t k = SkipSpace(sql, i);
            for (std::string_view pre : {"distinctrow", "distinct", "all"}) {
                if (k > i && MatchWord(sql, k, pre)) {
                    out.append(sql.substr(i, k + pre.size() - i));
                    i = k + pre.size();
                    k = SkipSpace(sql, i);
                    break;
                }
            }
            if (k > i && MatchWord(sql, k, "top")) {
                size_t n = SkipSpace(sql, k + 3);
                size_t e = n;
                while (e < sql.size() && std::isdigit(static_cast<unsigned char>(sql[e]))) ++e;
                if (e > n && n > k + 3 && (e == sql.size() || !IsWordChar(sql[e]))) {
                    limit = std::string(sql.substr(n, e - n));
                    i = e;  // the blank after N stays and separates select from its columns
                }
            }
            continue;
        }
        out.push_back(c);
        ++i;
    }
    if (!limit.empty()) out += " LIMIT " + limit;
    return out;
}
