#include "content/Bihua.h"

#include <algorithm>
#include <charconv>

#include "content/Sources.h"
#include "text/Gbk.h"

namespace {

char32_t ParseCodePoint(std::string_view s) {
    if (!s.starts_with("U+")) return 0;
    unsigned value = 0;
    auto [p, ec] = std::from_chars(s.data() + 2, s.data() + s.size(), value, 16);
    if (ec != std::errc() || p != s.data() + s.size()) return 0;
    return static_cast<char32_t>(value);
}

// "57.8" or "149'.2" (the apostrophes mark a simplified radical form).
bool ParseRadicalStroke(std::string_view s, std::pair<int, int>& out) {
    const size_t dot = s.find('.');
    if (dot == std::string_view::npos) return false;
    std::string_view rad = s.substr(0, dot), rest = s.substr(dot + 1);
    while (!rad.empty() && rad.back() == '\'') rad.remove_suffix(1);
    int r = 0, n = 0;
    auto a = std::from_chars(rad.data(), rad.data() + rad.size(), r);
    auto b = std::from_chars(rest.data(), rest.data() + rest.size(), n);
    if (a.ec != std::errc() || a.ptr != rad.data() + rad.size() || b.ec != std::errc() ||
        b.ptr != rest.data() + rest.size())
        return false;
    out = {r, n};
    return true;
}

std::vector<std::string_view> Words(std::string_view s) {
    std::vector<std::string_view> words;
    size_t pos = 0;
    while (pos < s.size()) {
        size_t end = s.find(' ', pos);
        if (end == std::string_view::npos) end = s.size();
        if (end > pos) words.push_back(s.substr(pos, end - pos));
        pos = end + 1;
    }
    return words;
}

// Calls fn(codePoint, field, value) for every data line "U+XXXX<TAB>field<TAB>value".
template <typename Fn>
void ForEachUnihanLine(std::string_view text, Fn fn) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        const size_t t1 = line.find('\t');
        const size_t t2 = t1 == std::string_view::npos ? t1 : line.find('\t', t1 + 1);
        if (t2 == std::string_view::npos) continue;
        const char32_t cp = ParseCodePoint(line.substr(0, t1));
        if (cp) fn(cp, line.substr(t1 + 1, t2 - t1 - 1), line.substr(t2 + 1));
    }
}

bool IsIdeograph(char32_t c) {
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0x20000 && c <= 0x3FFFF);
}

}  // namespace

std::string Utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return out;
}

std::u32string CodePointsOf(std::string_view s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size()) throw ContentError("malformed UTF-8 text");
        char32_t c = n == 1 ? b : n == 2 ? (b & 0x1F) : n == 3 ? (b & 0x0F) : (b & 0x07);
        for (size_t k = 1; k < n; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80) throw ContentError("malformed UTF-8 text");
            c = (c << 6) | (t & 0x3F);
        }
        out.push_back(c);
        i += n;
    }
    return out;
}

UnihanStrokeData ParseUnihan(std::string_view radicalStrokeCounts, std::string_view irgSources,
                             std::string_view variants, std::string_view otherMappings) {
    UnihanStrokeData data;
    ForEachUnihanLine(radicalStrokeCounts, [&](char32_t cp, std::string_view field, std::string_view value) {
        std::pair<int, int> rs;
        if (field == "kRSKangXi" && !Words(value).empty() && ParseRadicalStroke(Words(value)[0], rs))
            data.kangxi[cp] = rs;
    });
    ForEachUnihanLine(irgSources, [&](char32_t cp, std::string_view field, std::string_view value) {
        const auto words = Words(value);
        if (words.empty()) return;
        if (field == "kRSUnicode") {
            std::pair<int, int> rs;
            if (ParseRadicalStroke(words[0], rs)) data.unicodeRs[cp] = rs;
        } else if (field == "kTotalStrokes") {
            // Two values give the mainland count first and the traditional one second.
            std::string_view last = words.back();
            int n = 0;
            if (std::from_chars(last.data(), last.data() + last.size(), n).ec == std::errc())
                data.totalStrokes[cp] = n;
        } else if (field == "kCompatibilityVariant") {
            if (char32_t u = ParseCodePoint(words[0])) data.compatibility[cp] = u;
        }
    });
    ForEachUnihanLine(variants, [&](char32_t cp, std::string_view field, std::string_view value) {
        if (field != "kTraditionalVariant") return;
        auto& list = data.traditional[cp];
        for (std::string_view w : Words(value))
            if (char32_t v = ParseCodePoint(w.substr(0, w.find('<')))) list.push_back(v);
    });
    ForEachUnihanLine(otherMappings, [&](char32_t cp, std::string_view field, std::string_view) {
        if (field == "kBigFive") data.bigFive.insert(cp);
    });
    return data;
}

UnihanStrokeData LoadUnihan(const std::filesystem::path& dir) {
    return ParseUnihan(ReadBz2File(dir / "Unihan_RadicalStrokeCounts.txt.bz2"),
                       ReadBz2File(dir / "Unihan_IRGSources.txt.bz2"),
                       ReadBz2File(dir / "Unihan_Variants.txt.bz2"),
                       ReadBz2File(dir / "Unihan_OtherMappings.txt.bz2"));
}

int RadicalStrokes(int radical) {
    // The 214 radicals are numbered in order of their stroke count: the first radical
    // of each count.
    static constexpr int kFirstOfCount[] = {1,   7,   30,  61,  95,  118, 147, 167, 176,
                                            187, 195, 201, 205, 209, 211, 212, 214};
    if (radical < 1 || radical > 214) return 0;
    int strokes = 0;
    for (int first : kFirstOfCount)
        if (radical >= first) ++strokes;
    return strokes;
}

StrokeOverrides ParseStrokeOverrides(std::string_view tsv, const std::string& name) {
    StrokeOverrides overrides;
    for (const auto& row : ParseTsv(tsv, 3, name)) {
        const std::string where = name + ":" + std::to_string(row.line);
        std::u32string key;
        try {
            key = CodePointsOf(row.fields[0]);
        } catch (const ContentError&) {
            throw ContentError(where + ": malformed text");
        }
        if (key.size() != 1) throw ContentError(where + ": the first field must be one character");
        StrokeOverride o;
        const std::string& v = row.fields[1];
        int n = 0;
        auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
        if (ec == std::errc() && p == v.data() + v.size()) {
            if (n < 1 || n > 99) throw ContentError(where + ": stroke count out of range");
            o.strokes = n;
        } else {
            std::u32string form;
            try {
                form = CodePointsOf(v);
            } catch (const ContentError&) {
                throw ContentError(where + ": malformed text");
            }
            if (form.size() != 1)
                throw ContentError(where + ": the second field must be a count or one character");
            o.form = form[0];
        }
        if (!overrides.emplace(key[0], o).second) throw ContentError(where + ": character listed twice");
    }
    return overrides;
}

namespace {
bool KeepsOwnForm(char32_t c, const std::vector<char32_t>& variants, const UnihanStrokeData& data) {
    return std::find(variants.begin(), variants.end(), c) != variants.end() && data.bigFive.count(c);
}
}  // namespace

std::vector<char32_t> OwnFormCharacters(const std::vector<char32_t>& chars, const UnihanStrokeData& data) {
    std::vector<char32_t> own;
    for (char32_t c : chars) {
        auto t = data.traditional.find(c);
        if (t != data.traditional.end() && t->second.size() > 1 && KeepsOwnForm(c, t->second, data))
            own.push_back(c);
    }
    return own;
}

int KangxiStrokes(char32_t c, const UnihanStrokeData& data, const StrokeOverrides& overrides) {
    char32_t form = c;
    if (auto o = overrides.find(c); o != overrides.end()) {
        if (o->second.strokes) return o->second.strokes;
        form = o->second.form;
    } else if (auto t = data.traditional.find(c); t != data.traditional.end() && !t->second.empty()) {
        const auto& list = t->second;
        if (!KeepsOwnForm(c, list, data)) {
            for (char32_t v : list) {
                if (v != c) {
                    form = v;
                    break;
                }
            }
        }
    }
    for (int step = 0; step < 2; ++step) {
        std::pair<int, int> rs{0, 0};
        if (auto k = data.kangxi.find(form); k != data.kangxi.end()) {
            rs = k->second;
        } else if (auto u = data.unicodeRs.find(form); u != data.unicodeRs.end()) {
            rs = u->second;
        }
        const int radical = RadicalStrokes(rs.first);
        if (radical && rs.second > 0) return radical + rs.second;
        // The radical itself, or a form Unihan gives no radical for.
        if (auto t = data.totalStrokes.find(form); t != data.totalStrokes.end() && t->second > 0)
            return t->second;
        auto compat = data.compatibility.find(form);
        if (compat == data.compatibility.end()) break;
        form = compat->second;
    }
    return 0;
}

std::vector<char32_t> GbkHanzi() {
    std::vector<char32_t> chars;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = GbkToUtf8(std::string_view(bytes, 2));
            if (utf8 == "?") continue;
            const std::u32string cps = CodePointsOf(utf8);
            if (cps.size() == 1 && IsIdeograph(cps[0])) chars.push_back(cps[0]);
        }
    }
    std::sort(chars.begin(), chars.end());
    chars.erase(std::unique(chars.begin(), chars.end()), chars.end());
    return chars;
}

std::map<int, std::string> StrokeRows(const std::vector<char32_t>& chars, const UnihanStrokeData& data,
                                      const StrokeOverrides& overrides) {
    std::map<int, std::string> rows;
    std::string missing;
    int missingCount = 0;
    for (char32_t c : chars) {
        const int n = KangxiStrokes(c, data, overrides);
        if (n > 0) {
            rows[n] += Utf8Of(c);
        } else if (++missingCount <= 20) {
            missing += Utf8Of(c);
        }
    }
    if (missingCount)
        throw ContentError("no stroke count for " + std::to_string(missingCount) + " characters: " + missing +
                           (missingCount > 20 ? "…" : ""));
    return rows;
}
