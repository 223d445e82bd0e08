#include "store/Query.h"

#include <sqlite3.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "store/ConnStr.h"
#include "store/Engines.h"
#include "store/Errors.h"
#include "store/JetSql.h"

namespace {

// No statement of the program needs long; a damaged file that sends SQLite in circles
// is cut off so the program never hangs.
constexpr auto kStatementDeadline = std::chrono::seconds(5);

struct Db {
    sqlite3* handle = nullptr;
    ~Db() { sqlite3_close_v2(handle); }
};

struct Stmt {
    sqlite3_stmt* handle = nullptr;
    ~Stmt() { sqlite3_finalize(handle); }
};

int OnProgress(void* deadline) {
    return std::chrono::steady_clock::now() > *static_cast<std::chrono::steady_clock::time_point*>(deadline);
}

std::string Trimmed(const std::string& s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

}  // namespace

std::string Field::AsString() const {
    struct Visitor {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(long long v) const { return std::to_string(v); }
        std::string operator()(double v) const {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.15g", v);
            return buf;
        }
        std::string operator()(const std::string& v) const { return v; }
    };
    return std::visit(Visitor{}, value_);
}

double Field::AsFloat() const {
    struct Visitor {
        double operator()(std::monostate) const { return 0; }
        double operator()(long long v) const { return static_cast<double>(v); }
        double operator()(double v) const { return v; }
        double operator()(const std::string& v) const {
            std::string t = Trimmed(v);
            if (t.empty()) throw QueryError("'' is not a floating point value");
            char* end = nullptr;
            double d = std::strtod(t.c_str(), &end);
            if (end != t.c_str() + t.size()) throw QueryError("'" + v + "' is not a floating point value");
            return d;
        }
    };
    return std::visit(Visitor{}, value_);
}

Query::Query() = default;
Query::~Query() = default;

void Query::SetConnectionString(std::string connectionString) {
    Close();
    connectionString_ = std::move(connectionString);
}

void Query::SetSql(std::string sql) {
    Close();
    sql_ = std::move(sql);
}

void Query::Close() {
    active_ = false;
    columns_.clear();
    rows_.clear();
    current_ = 0;
}

void Query::Open() {
    Close();
    if (Trimmed(sql_).empty()) throw QueryError("the query has no SQL text");
    const std::string source = DataSourceOf(connectionString_);
    if (source.empty()) throw QueryError("the connection string names no data source");
    const std::string file = ResolveDatabase(source);
    const std::string sql = TranslateJetSql(sql_);

    Db db;
    if (sqlite3_open_v2(file.c_str(), &db.handle, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK)
        throw QueryError("cannot open " + file + ": " + sqlite3_errmsg(db.handle));
    sqlite3_exec(db.handle, "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
    auto deadline = std::chrono::steady_clock::now() + kStatementDeadline;
    sqlite3_progress_handler(db.handle, 1000, OnProgress, &deadline);

    Stmt stmt;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db.handle, sql.c_str(), static_cast<int>(sql.size()), &stmt.handle, &tail) !=
        SQLITE_OK)
        throw QueryError(std::string("statement failed: ") + sqlite3_errmsg(db.handle));
    if (stmt.handle == nullptr) throw QueryError("the SQL text holds no statement");
    if (!sqlite3_stmt_readonly(stmt.handle)) throw QueryError("only reading statements are run");

    std::vector<std::string> columns;
    const int n = sqlite3_column_count(stmt.handle);
    for (int i = 0; i < n; ++i) columns.emplace_back(sqlite3_column_name(stmt.handle, i));

    std::vector<std::vector<Value>> rows;
    int rc;
    while ((rc = sqlite3_step(stmt.handle)) == SQLITE_ROW) {
        std::vector<Value> row;
        row.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            switch (sqlite3_column_type(stmt.handle, i)) {
                case SQLITE_INTEGER:
                    row.emplace_back(static_cast<long long>(sqlite3_column_int64(stmt.handle, i)));
                    break;
                case SQLITE_FLOAT:
                    row.emplace_back(sqlite3_column_double(stmt.handle, i));
                    break;
                case SQLITE_NULL:
                    row.emplace_back(std::monostate{});
                    break;
                default: {
                    const auto* p = static_cast<const char*>(sqlite3_column_blob(stmt.handle, i));
                    row.emplace_back(
                        std::string(p ? p : "", static_cast<size_t>(sqlite3_column_bytes(stmt.handle, i))));
                }
            }
        }
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) throw QueryError(std::string("reading failed: ") + sqlite3_errmsg(db.handle));

    columns_ = std::move(columns);
    rows_ = std::move(rows);
    active_ = true;
}

Field Query::FieldAt(int index) const {
    if (!active_) throw QueryError("the query is closed");
    if (index < 0 || index >= FieldCount()) throw QueryError("field index out of range");
    if (current_ >= rows_.size()) throw QueryError("no current record");
    return Field(columns_[static_cast<size_t>(index)], rows_[current_][static_cast<size_t>(index)]);
}

Field Query::FieldByName(std::string_view name) const {
    for (size_t i = 0; i < columns_.size(); ++i) {
        const std::string& c = columns_[i];
        if (c.size() == name.size() && std::equal(c.begin(), c.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            }))
            return FieldAt(static_cast<int>(i));
    }
    throw QueryError("field not found: " + std::string(name));
}

bool Query::Next() {
    if (current_ < rows_.size()) ++current_;
    return current_ < rows_.size();
}
