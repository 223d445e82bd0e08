#include "content/Builder.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <map>
#include <set>
#include <variant>

#include "content/Bihua.h"
#include "content/Sources.h"
#include "numerology/Unscramble.h"
#include "text/Gbk.h"

namespace fs = std::filesystem;

namespace {

// ---- Schema -------------------------------------------------------------------------

struct Column {
    std::string name;
    std::string type;
};

struct TableSpec {
    std::string file;
    std::string table;
    std::vector<Column> columns;
    std::vector<std::string> key;  // indexed, unique
};

std::vector<Column> TextColumns(const std::vector<std::string>& names) {
    std::vector<Column> cols;
    for (const auto& n : names) cols.push_back({n, "TEXT"});
    return cols;
}

const std::vector<TableSpec>& Schema() {
    static const std::vector<TableSpec> schema = [] {
        std::vector<TableSpec> s;
        s.push_back({"dream.dll", "shouji", TextColumns({"num", "title", "jx", "content"}), {"num"}});
        s.push_back({"dream.dll", "chenggu1", {{"year", "TEXT"}, {"weight", "REAL"}}, {"year"}});
        s.push_back({"dream.dll", "chenggu2", {{"month", "TEXT"}, {"weight", "REAL"}}, {"month"}});
        s.push_back({"dream.dll", "chenggu3", {{"day", "TEXT"}, {"weight", "REAL"}}, {"day"}});
        s.push_back({"dream.dll", "chenggu4", {{"time", "TEXT"}, {"weight", "REAL"}}, {"time"}});
        s.push_back({"dream.dll", "chenggu", TextColumns({"weight", "content"}), {"weight"}});
        s.push_back({"VorFile.dll", "bihua", {{"hanzi", "TEXT"}, {"num", "INTEGER"}}, {"hanzi"}});
        s.push_back({"VorFile.dll", "namefx", TextColumns({"num", "content"}), {"num"}});
        s.push_back({"VorFile.dll", "sancai", TextColumns({"title", "content"}), {"title"}});
        for (const auto& t : kStarTables)
            s.push_back({"VorFile.dll", t, TextColumns({"title", "content"}), {"title"}});
        s.push_back({"VorFile.dll", "huangdao", TextColumns(kHuangdaoColumns), {"gn"}});
        s.push_back({"VorFile.dll",
                     "tuwen",
                     {{"code", "TEXT"},
                      {"page", "INTEGER"},
                      {"format", "TEXT"},
                      {"picture", "BLOB"},
                      {"content", "TEXT"}},
                     {"code", "page"}});
        s.push_back({"VorBirth.dll", "Noter", TextColumns({"Cid", "Tite", "content"}), {"Cid"}});
        return s;
    }();
    return schema;
}

const std::vector<std::string> kFiles = {"dream.dll", "VorFile.dll", "VorBirth.dll"};

// ---- Rows ---------------------------------------------------------------------------

struct Blob {
    std::string bytes;
};
using Cell = std::variant<std::string, double, long long, Blob>;
using Row = std::vector<Cell>;

struct TableData {
    std::vector<Row> rows;
    long long placeholders = 0;
};

void RequireGbk(const std::string& text, const std::string& where) {
    if (!FitsGbk(text)) throw ContentError(where + ": text that GBK cannot hold");
}

std::string Stem(const fs::path& p) { return p.stem().string(); }

bool IsDecimalWithoutLeadingZero(std::string_view s) {
    if (s.empty() || s.size() > 9 || (s.size() > 1 && s[0] == '0')) return false;
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int ToInt(std::string_view s) {
    int v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

// ---- Almanac ------------------------------------------------------------------------

std::chrono::year_month_day ParseDay(const std::string& text) {
    int y = 0, m = 0, d = 0;
    char tail = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &tail) != 3)
        throw ContentError("not a date: " + text);
    std::chrono::year_month_day day{std::chrono::year(y), std::chrono::month(static_cast<unsigned>(m)),
                                    std::chrono::day(static_cast<unsigned>(d))};
    if (!day.ok()) throw ContentError("not a date: " + text);
    return day;
}

std::string DayText(std::chrono::year_month_day d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(d.year()),
                  static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()));
    return buf;
}

TableData Huangdao(const BuildOptions& o) {
    const fs::path file = o.sources / "huangdao.tsv.xz";
    const std::string text = ReadXzFile(file);
    if (!FitsGbk(text)) throw ContentError(file.string() + ": text that GBK cannot hold");
    const std::vector<TsvRow> rows = ParseTsv(text, kHuangdaoColumns.size(), file.string());
    if (rows.empty() || rows[0].fields != kHuangdaoColumns)
        throw ContentError(file.string() + ": the first line must name the columns gn … jishi");
    std::chrono::sys_days day = ParseDay(o.firstDay);
    const std::chrono::sys_days last = ParseDay(o.lastDay);
    TableData data;
    for (size_t i = 1; i < rows.size(); ++i) {
        const auto& f = rows[i].fields;
        const std::string where = file.string() + ":" + std::to_string(rows[i].line);
        if (day > last) throw ContentError(where + ": a day after " + o.lastDay);
        if (f[0] != DayText(day))
            throw ContentError(where + ": expected the day " + DayText(day) + ", found " + f[0]);
        // Twelve double hours, each a stem-branch and its luck.
        size_t hours = 0;
        for (size_t pos = 0; pos <= f[11].size(); ++hours) {
            size_t end = std::min(f[11].find(' ', pos), f[11].size());
            std::string_view h = std::string_view(f[11]).substr(pos, end - pos);
            if (!h.ends_with("吉") && !h.ends_with("凶"))
                throw ContentError(where + ": jishi entry without 吉 or 凶");
            pos = end + 1;
        }
        if (hours != 12) throw ContentError(where + ": jishi must list twelve double hours");
        Row row;
        for (const auto& field : f) row.emplace_back(field);
        data.rows.push_back(std::move(row));
        day += std::chrono::days(1);
    }
    if (day != last + std::chrono::days(1))
        throw ContentError(file.string() + ": the days end at " + DayText(day - std::chrono::days(1)) +
                           ", not " + o.lastDay);
    return data;
}

// ---- Stroke counts ------------------------------------------------------------------

TableData Bihua(const BuildOptions& o, long long& characters) {
    const fs::path overridesFile = o.sources / "bihua-overrides.tsv";
    const StrokeOverrides overrides =
        ParseStrokeOverrides(ReadFileBytes(overridesFile), overridesFile.string());
    const std::vector<char32_t> chars = GbkHanzi();
    for (const auto& [c, _] : overrides)
        if (!std::binary_search(chars.begin(), chars.end(), c))
            throw ContentError(overridesFile.string() + ": " + Utf8Of(c) + " is not a GBK character");
    // Unihan is the same for every build a process makes; read it once.
    static std::map<fs::path, UnihanStrokeData> unihan;
    auto it = unihan.find(o.unihan);
    if (it == unihan.end()) it = unihan.emplace(o.unihan, LoadUnihan(o.unihan)).first;
    std::string undecided;
    for (char32_t c : OwnFormCharacters(chars, it->second))
        if (!overrides.count(c)) undecided += Utf8Of(c);
    if (!undecided.empty())
        throw ContentError(overridesFile.string() + ": decide the form names write for " + undecided);
    const auto byCount = StrokeRows(chars, it->second, overrides);
    TableData data;
    for (const auto& [n, hanzi] : byCount) data.rows.push_back({hanzi, static_cast<long long>(n)});
    characters = static_cast<long long>(chars.size());
    return data;
}

// ---- Bone weights -------------------------------------------------------------------

constexpr const char* kStems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr const char* kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
const std::vector<std::string> kMonthNames = {"正", "二", "三", "四", "五",   "六",
                                              "七", "八", "九", "十", "十一", "腊"};
const std::vector<std::string> kDayNames = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
                                            "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
                                            "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四",
                                            "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
constexpr int kFirstYear = 1900, kLastYear = 2019;

std::string StemBranchOfYear(int year) {
    const int i = ((year - 1984) % 60 + 60) % 60;  // 1984 is 甲子
    return std::string(kStems[i % 10]) + kBranches[i % 12];
}

struct Weights {
    std::map<std::string, int> year;  // stem-branch -> qian
    std::map<int, int> month, day;    // 1..12, 1..30
    std::map<std::string, int> hour;  // branch
};

Weights ReadWeights(const fs::path& file) {
    Weights w;
    std::set<std::string> stemBranches, branches(std::begin(kBranches), std::end(kBranches));
    for (int i = 0; i < 60; ++i) stemBranches.insert(std::string(kStems[i % 10]) + kBranches[i % 12]);
    for (const auto& row : ParseTsv(ReadFileBytes(file), 3, file.string())) {
        const std::string where = file.string() + ":" + std::to_string(row.line);
        const std::string& table = row.fields[0];
        const std::string& key = row.fields[1];
        const std::string& qianText = row.fields[2];
        if (!IsDecimalWithoutLeadingZero(qianText) || ToInt(qianText) < 1 || ToInt(qianText) > 99)
            throw ContentError(where + ": the weight must be a whole number of qian");
        const int qian = ToInt(qianText);
        bool fresh = false;
        if (table == "year" && stemBranches.count(key)) {
            fresh = w.year.emplace(key, qian).second;
        } else if (table == "month" && IsDecimalWithoutLeadingZero(key) && ToInt(key) >= 1 &&
                   ToInt(key) <= 12) {
            fresh = w.month.emplace(ToInt(key), qian).second;
        } else if (table == "day" && IsDecimalWithoutLeadingZero(key) && ToInt(key) >= 1 &&
                   ToInt(key) <= 30) {
            fresh = w.day.emplace(ToInt(key), qian).second;
        } else if (table == "hour" && branches.count(key)) {
            fresh = w.hour.emplace(key, qian).second;
        } else {
            throw ContentError(where + ": unknown table or key");
        }
        if (!fresh) throw ContentError(where + ": key given twice");
    }
    if (w.year.size() != 60 || w.month.size() != 12 || w.day.size() != 30 || w.hour.size() != 12)
        throw ContentError(file.string() + ": needs 60 years, 12 months, 30 days and 12 hours");
    return w;
}

double Liang(int qian) { return qian / 10.0; }

// The weight key of a total in qian: the digit of whole liang, then the digit of qian.
std::string WeightKey(int qian) { return std::to_string(qian / 10) + std::to_string(qian % 10); }

// Every total that a birth can reach, in qian.
std::set<int> ReachableTotals(const Weights& w) {
    std::set<int> sums = {0};
    auto add = [&](auto const& part) {
        std::set<int> next;
        for (int s : sums)
            for (const auto& [_, q] : part) next.insert(s + q);
        sums = std::move(next);
    };
    add(w.year);
    add(w.month);
    add(w.day);
    add(w.hour);
    return sums;
}

// ---- Readings -----------------------------------------------------------------------

struct ReadingSet {
    std::string table;
    fs::path dir;
    std::vector<std::string> headers;  // columns read from the file's header lines
    bool scrambled = false;
};

template <typename KeyCheck>
TableData Readings(const ReadingSet& set, KeyCheck validKey, const char* keyRule) {
    TableData data;
    for (const fs::path& file : FilesIn(set.dir, ".txt")) {
        const std::string key = Stem(file);
        if (!validKey(key)) throw ContentError(file.string() + ": the file name must be " + keyRule);
        const ReadingFile r = ParseReadingFile(ReadFileBytes(file), set.headers, file.string());
        if (r.body.empty()) throw ContentError(file.string() + ": the reading is empty");
        Row row{key};
        for (const auto& h : set.headers) {
            RequireGbk(r.headers.at(h), file.string());
            row.emplace_back(r.headers.at(h));
        }
        RequireGbk(r.body, file.string());
        if (IsPlaceholder(r.body)) ++data.placeholders;
        row.emplace_back(set.scrambled ? ScrambleText(Utf8ToGbk(r.body), kReadingKey, kReadingRounds)
                                       : r.body);
        data.rows.push_back(std::move(row));
    }
    return data;
}

const std::set<std::string>& StarSigns() {
    static const std::set<std::string> signs = {"白羊座", "金牛座", "双子座", "巨蟹座", "狮子座", "处女座",
                                                "天秤座", "天蝎座", "射手座", "摩羯座", "水瓶座", "双鱼座"};
    return signs;
}

bool IsElementTitle(const std::string& s) {
    static const std::set<std::u32string> elements = {U"木", U"火", U"土", U"金", U"水"};
    std::u32string cps;
    try {
        cps = CodePointsOf(s);
    } catch (const ContentError&) {
        return false;
    }
    if (cps.size() != 3) return false;
    return std::all_of(cps.begin(), cps.end(),
                       [](char32_t c) { return elements.count(std::u32string(1, c)) > 0; });
}

bool IsArticleCode(const std::string& s) {
    static const std::map<char, int> last = {{'a', 8}, {'b', 13}, {'c', 9}};
    if (s.size() < 2 || !last.count(s[0]) || !IsDecimalWithoutLeadingZero(s.substr(1))) return false;
    const int n = ToInt(s.substr(1));
    return n >= 1 && n <= last.at(s[0]);
}

TableData Pictures(const fs::path& root) {
    TableData data;
    std::error_code ec;
    if (!fs::is_directory(root, ec)) return data;
    std::vector<fs::path> dirs;
    for (const auto& e : fs::directory_iterator(root)) {
        if (!e.is_directory())
            throw ContentError(e.path().string() + ": only one folder per article belongs here");
        dirs.push_back(e.path());
    }
    std::sort(dirs.begin(), dirs.end());
    for (const fs::path& dir : dirs) {
        const std::string code = dir.filename().string();
        if (!IsDecimalWithoutLeadingZero(code) || std::find(kPictureArticles.begin(), kPictureArticles.end(),
                                                            ToInt(code)) == kPictureArticles.end())
            throw ContentError(dir.string() + ": not the code of an illustrated article");
        std::set<int> pages;
        for (const auto& e : fs::directory_iterator(dir)) {
            const fs::path& p = e.path();
            const std::string stem = Stem(p), ext = p.extension().string();
            if (!e.is_regular_file() || !IsDecimalWithoutLeadingZero(stem) || ToInt(stem) < 1 ||
                ToInt(stem) > kMaxPicturePages || (ext != ".txt" && ext != ".svg" && ext != ".png"))
                throw ContentError(p.string() + ": pages are N.txt with N.svg or N.png, N from 1 to 15");
            pages.insert(ToInt(stem));
        }
        int expected = 1;
        for (int page : pages) {
            const std::string where = (dir / std::to_string(page)).string();
            if (page != expected++) throw ContentError(where + ": pages must run from 1 without a gap");
            const fs::path txt = dir / (std::to_string(page) + ".txt");
            const fs::path svg = dir / (std::to_string(page) + ".svg");
            const fs::path png = dir / (std::to_string(page) + ".png");
            if (!fs::exists(txt)) throw ContentError(where + ": the page has no text (.txt)");
            if (fs::exists(svg) == fs::exists(png))
                throw ContentError(where + ": the page needs one picture, .svg or .png");
            const bool isSvg = fs::exists(svg);
            std::string picture = ReadFileBytes(isSvg ? svg : png);
            if (isSvg ? picture.find("<svg") == std::string::npos : !picture.starts_with("\x89PNG\r\n\x1a\n"))
                throw ContentError(where + ": the picture is not " + (isSvg ? "SVG" : "PNG"));
            const ReadingFile text = ParseReadingFile(ReadFileBytes(txt), {}, txt.string());
            RequireGbk(text.body, txt.string());
            if (IsPlaceholder(text.body)) ++data.placeholders;
            data.rows.push_back({code, static_cast<long long>(page), std::string(isSvg ? "svg" : "png"),
                                 Blob{std::move(picture)}, text.body});
        }
    }
    return data;
}

// ---- SQLite -------------------------------------------------------------------------

class Database {
public:
    Database(const fs::path& path, int flags) : path_(path.string()) {
        if (sqlite3_open_v2(path_.c_str(), &db_, flags, nullptr) != SQLITE_OK) Fail("cannot open");
    }
    ~Database() { sqlite3_close_v2(db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void Exec(const std::string& sql) {
        char* err = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
            std::string msg = err ? err : "";
            sqlite3_free(err);
            throw ContentError(path_ + ": " + msg + " in: " + sql.substr(0, 200));
        }
    }

    void Insert(const std::string& table, size_t columns, const std::vector<Row>& rows) {
        std::string sql = "INSERT INTO " + table + " VALUES (";
        for (size_t i = 0; i < columns; ++i) sql += i ? ",?" : "?";
        sql += ")";
        sqlite3_stmt* stmt = Prepare(sql);
        for (const Row& row : rows) {
            for (size_t i = 0; i < row.size(); ++i) {
                const int n = static_cast<int>(i) + 1;
                if (auto s = std::get_if<std::string>(&row[i])) {
                    sqlite3_bind_text(stmt, n, s->data(), static_cast<int>(s->size()), SQLITE_STATIC);
                } else if (auto d = std::get_if<double>(&row[i])) {
                    sqlite3_bind_double(stmt, n, *d);
                } else if (auto v = std::get_if<long long>(&row[i])) {
                    sqlite3_bind_int64(stmt, n, *v);
                } else {
                    const auto& b = std::get<Blob>(row[i]).bytes;
                    sqlite3_bind_blob(stmt, n, b.data(), static_cast<int>(b.size()), SQLITE_STATIC);
                }
            }
            if (sqlite3_step(stmt) != SQLITE_DONE) {
                sqlite3_finalize(stmt);
                Fail("cannot insert into " + table);
            }
            sqlite3_reset(stmt);
        }
        sqlite3_finalize(stmt);
    }

    // Every row of a query, each value as text (a blob's bytes as they are).
    std::vector<std::vector<std::string>> Rows(const std::string& sql) {
        sqlite3_stmt* stmt = Prepare(sql);
        std::vector<std::vector<std::string>> rows;
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                const auto* p = static_cast<const char*>(sqlite3_column_blob(stmt, i));
                row.emplace_back(p ? p : "", static_cast<size_t>(sqlite3_column_bytes(stmt, i)));
            }
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE) Fail("cannot read");
        return rows;
    }

private:
    sqlite3_stmt* Prepare(const std::string& sql) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            Fail("cannot prepare " + sql);
        return stmt;
    }
    [[noreturn]] void Fail(const std::string& what) {
        throw ContentError(path_ + ": " + what + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory"));
    }

    std::string path_;
    sqlite3* db_ = nullptr;
};

std::string Join(const std::vector<std::string>& parts, const std::string& sep) {
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) out += (i ? sep : "") + parts[i];
    return out;
}

void WriteFileTables(const fs::path& path, const std::string& file,
                     const std::map<std::string, TableData>& data) {
    fs::remove(path);
    Database db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    db.Exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN");
    for (const TableSpec& t : Schema()) {
        if (t.file != file) continue;
        std::vector<std::string> cols;
        for (const auto& c : t.columns) cols.push_back(c.name + " " + c.type + " NOT NULL");
        db.Exec("CREATE TABLE " + t.table + " (" + Join(cols, ", ") + ")");
        db.Insert(t.table, t.columns.size(), data.at(t.table).rows);
        // Built after the rows, which is quicker, and unique, which checks the keys.
        db.Exec("CREATE UNIQUE INDEX " + t.table + "_" + Join(t.key, "_") + " ON " + t.table + " (" +
                Join(t.key, ", ") + ")");
    }
    db.Exec("COMMIT");
}

// ---- Checks of the built files --------------------------------------------------------

void Check(bool ok, const std::string& what) {
    if (!ok) throw ContentError("check failed: " + what);
}

void CheckBuiltFile(const fs::path& path, const std::string& file,
                    const std::map<std::string, long long>& expected, long long bihuaCharacters) {
    Database db(path, SQLITE_OPEN_READONLY);
    Check(db.Rows("PRAGMA integrity_check") == std::vector<std::vector<std::string>>{{"ok"}},
          file + " integrity");
    std::set<std::string> tables;
    for (const auto& r : db.Rows("SELECT name FROM sqlite_master WHERE type = 'table'")) tables.insert(r[0]);
    for (const TableSpec& t : Schema()) {
        if (t.file != file) continue;
        const std::string name = file + " " + t.table;
        Check(tables.erase(t.table) == 1, name + " is present");
        std::vector<std::string> cols;
        for (const auto& r : db.Rows("PRAGMA table_info(" + t.table + ")")) cols.push_back(r[1] + " " + r[2]);
        std::vector<std::string> want;
        for (const auto& c : t.columns) want.push_back(c.name + " " + c.type);
        Check(cols == want, name + " has the columns " + Join(want, ", "));
        bool indexed = false;
        for (const auto& idx : db.Rows("PRAGMA index_list(" + t.table + ")")) {
            std::vector<std::string> keyCols;
            for (const auto& r : db.Rows("PRAGMA index_info(" + idx[1] + ")")) keyCols.push_back(r[2]);
            indexed = indexed || (keyCols == t.key && idx[2] == "1");
        }
        Check(indexed, name + " has a unique index on " + Join(t.key, ", "));
        const long long rows = std::stoll(db.Rows("SELECT count(*) FROM " + t.table)[0][0]);
        Check(rows == expected.at(t.table), name + " holds " + std::to_string(rows) + " rows, expected " +
                                                std::to_string(expected.at(t.table)));
    }
    Check(tables.empty(), file + " holds no other table");

    if (file == "VorFile.dll") {
        // Every stored reading must unscramble, without a bad pair, to GBK text.
        for (const char* table : {"namefx", "sancai"}) {
            for (const auto& r : db.Rows(std::string("SELECT content FROM ") + table)) {
                int bad = 0;
                const std::string gbk = UnscrambleText(r[0], kReadingKey, kReadingRounds, &bad);
                Check(bad == 0 && !gbk.empty() && Utf8ToGbk(GbkToUtf8(gbk)) == gbk,
                      std::string(table) + " text unscrambles to valid GBK: " + r[0].substr(0, 40));
            }
        }
        // Each GBK character stands in exactly one bihua row.
        std::set<char32_t> seen;
        long long total = 0;
        for (const auto& r : db.Rows("SELECT hanzi FROM bihua")) {
            for (char32_t c : CodePointsOf(r[0])) {
                ++total;
                Check(seen.insert(c).second, "bihua holds " + Utf8Of(c) + " once");
            }
        }
        Check(total == bihuaCharacters, "bihua holds every GBK character");
    }
}

}  // namespace

std::vector<TableCount> BuildContent(const BuildOptions& o) {
    const fs::path& src = o.sources;
    if (!fs::is_directory(src)) throw ContentError(src.string() + " is not a folder of content sources");
    std::map<std::string, TableData> data;

    data["huangdao"] = Huangdao(o);
    long long bihuaCharacters = 0;
    data["bihua"] = Bihua(o, bihuaCharacters);

    const Weights w = ReadWeights(src / "chenggu-weights.tsv");
    for (int y = kFirstYear; y <= kLastYear; ++y)
        data["chenggu1"].rows.push_back({std::to_string(y), Liang(w.year.at(StemBranchOfYear(y)))});
    for (int m = 1; m <= 12; ++m) data["chenggu2"].rows.push_back({kMonthNames[m - 1], Liang(w.month.at(m))});
    for (int d = 1; d <= 30; ++d) data["chenggu3"].rows.push_back({kDayNames[d - 1], Liang(w.day.at(d))});
    // Clock hours: 23 and 0 fall in 子, 1 and 2 in 丑, …, 21 and 22 in 亥.
    for (int h = 0; h <= 23; ++h)
        data["chenggu4"].rows.push_back({std::to_string(h), Liang(w.hour.at(kBranches[(h + 1) / 2 % 12]))});

    // The readings of the bone weights: every reachable total, and 7两2钱 beside them.
    std::set<std::string> weightKeys;
    for (int q : ReachableTotals(w)) {
        if (q >= 100) throw ContentError("a bone weight of 10 liang or more has no two-digit key");
        weightKeys.insert(WeightKey(q));
    }
    weightKeys.insert("72");
    {
        const fs::path file = src / "readings" / "chenggu.tsv";
        TableData& t = data["chenggu"];
        std::set<std::string> missing = weightKeys;
        for (const auto& row : ParseTsv(ReadFileBytes(file), 2, file.string())) {
            const std::string where = file.string() + ":" + std::to_string(row.line);
            if (!weightKeys.count(row.fields[0]))
                throw ContentError(where + ": no birth weighs " + row.fields[0]);
            if (!missing.erase(row.fields[0])) throw ContentError(where + ": weight given twice");
            RequireGbk(row.fields[1], where);
            if (IsPlaceholder(row.fields[1])) ++t.placeholders;
            t.rows.push_back({row.fields[0], row.fields[1]});
        }
        if (!missing.empty())
            throw ContentError(file.string() + ": no reading for the weight " + *missing.begin());
    }

    const fs::path readings = src / "readings";
    data["namefx"] = Readings(
        {"namefx", readings / "namefx", {}, true},
        [](const std::string& k) { return IsDecimalWithoutLeadingZero(k) && k != "0"; },
        "a grid number such as 21");
    data["sancai"] =
        Readings({"sancai", readings / "sancai", {}, true}, IsElementTitle, "three elements such as 木火土");
    data["shouji"] = Readings(
        {"shouji", readings / "shouji", {"title", "jx"}, false},
        [](const std::string& k) { return IsDecimalWithoutLeadingZero(k) && ToInt(k) <= 79; },
        "a key from 0 to 79");
    for (const auto& table : kStarTables)
        data[table] = Readings(
            {table, readings / table, {}, false},
            [](const std::string& k) { return StarSigns().count(k) > 0; }, "a star sign such as 白羊座");
    data["Noter"] =
        Readings({"Noter", src / "articles", {"Tite"}, false}, IsArticleCode, "an article code such as a1");
    data["tuwen"] = Pictures(src / "pictures");

    std::map<std::string, long long> expected;
    for (const auto& [table, t] : data) expected[table] = static_cast<long long>(t.rows.size());
    const long long days =
        (std::chrono::sys_days(ParseDay(o.lastDay)) - std::chrono::sys_days(ParseDay(o.firstDay))).count() +
        1;
    Check(expected["huangdao"] == days, "huangdao holds one row per day");
    Check(expected["chenggu1"] == kLastYear - kFirstYear + 1 && expected["chenggu2"] == 12 &&
              expected["chenggu3"] == 30 && expected["chenggu4"] == 24,
          "chenggu1 to chenggu4 hold every year, month, day and hour");
    Check(expected["chenggu"] == static_cast<long long>(weightKeys.size()), "chenggu holds every weight");

    fs::create_directories(o.out);
    std::vector<fs::path> partial;
    try {
        for (const std::string& file : kFiles) {
            partial.push_back(o.out / (file + ".partial"));
            WriteFileTables(partial.back(), file, data);
            CheckBuiltFile(partial.back(), file, expected, bihuaCharacters);
        }
        for (size_t i = 0; i < kFiles.size(); ++i) fs::rename(partial[i], o.out / kFiles[i]);
    } catch (...) {
        std::error_code ec;
        for (const auto& p : partial) fs::remove(p, ec);
        throw;
    }

    std::vector<TableCount> counts;
    for (const TableSpec& t : Schema())
        counts.push_back({t.file, t.table, expected[t.table], data[t.table].placeholders});
    return counts;
}
