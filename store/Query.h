#pragma once
// The query object through which every lookup runs: bound to a connection string, given an
// SQL text, opened, read, closed. Opening reads every row at once; the content tables are
// small and a lookup reads the first row.
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// One value of a row as SQLite hands it over.
using Value = std::variant<std::monostate, long long, double, std::string>;

class Field {
public:
    Field(std::string name, Value value) : name_(std::move(name)), value_(std::move(value)) {}
    const std::string& Name() const { return name_; }
    bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
    // Text of the value; a null reads as "", numbers in their shortest decimal form.
    std::string AsString() const;
    // Floating-point value; a null reads as 0. Throws QueryError for text that is no number.
    double AsFloat() const;

private:
    std::string name_;
    Value value_;
};

class Query {
public:
    Query();
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    void SetConnectionString(std::string connectionString);
    const std::string& ConnectionString() const { return connectionString_; }
    void SetSql(std::string sql);
    void ClearSql() { sql_.clear(); }
    const std::string& Sql() const { return sql_; }

    // Connects to the Data Source of the connection string and runs the SQL text.
    // Throws QueryError for a missing, unreadable or foreign file, an empty or failing
    // statement, a missing table or column. On failure the query stays closed.
    void Open();
    void Close();
    bool Active() const { return active_; }

    bool IsEmpty() const { return rows_.empty(); }
    int RecordCount() const { return static_cast<int>(rows_.size()); }
    int FieldCount() const { return static_cast<int>(columns_.size()); }
    // Fields of the current (first) row. Throw QueryError when closed, empty or out of range.
    Field FieldAt(int index) const;
    Field FieldByName(std::string_view name) const;
    // Moves the current row; false past the last row.
    bool Next();

private:
    std::string connectionString_;
    std::string sql_;
    bool active_ = false;
    std::vector<std::string> columns_;
    std::vector<std::vector<Value>> rows_;
    size_t current_ = 0;
};
