#include "store/AccessReader.h"

// glib first: mdbtools.h uses its types without including it.
#include <glib.h>
#include <mdbtools.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

#include "store/JetValues.h"

namespace {

constexpr int kOffsetMask = 0x1fff;  // row offsets carry two flag bits above the offset
constexpr size_t kMemoHeader = 12;   // length with flags, page and row, unused

[[noreturn]] void Fail(const std::string& why) { throw std::runtime_error(why); }

std::uint32_t Le32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

template <typename T>
T LoadLe(const unsigned char* p) {
    // Jet files are little-endian, as is every machine this runs on; memcpy avoids unaligned reads.
    T value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

struct HandleCloser {
    void operator()(MdbHandle* h) const { mdb_close(h); }
};
struct TableFreer {
    void operator()(MdbTableDef* t) const { mdb_free_tabledef(t); }
};
struct DbCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtFreer {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;
using Table = std::unique_ptr<MdbTableDef, TableFreer>;
using Db = std::unique_ptr<sqlite3, DbCloser>;
using Stmt = std::unique_ptr<sqlite3_stmt, StmtFreer>;

std::string QuoteName(const char* name) {
    std::string out = "\"";
    for (const char* p = name; *p; ++p) {
        if (*p == '"') out.push_back('"');
        out.push_back(*p);
    }
    out.push_back('"');
    return out;
}

void Exec(sqlite3* db, const std::string& sql) {
    char* err = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string why = err ? err : sqlite3_errmsg(db);
        sqlite3_free(err);
        Fail("cannot write the imported copy (" + why + "): " + sql.substr(0, 200));
    }
}

const char* DeclaredType(int colType) {
    switch (colType) {
        case MDB_BOOL:
        case MDB_BYTE:
        case MDB_INT:
        case MDB_LONGINT:
        case MDB_COMPLEX:
            return "INTEGER";
        case MDB_FLOAT:
        case MDB_DOUBLE:
            return "REAL";
        case MDB_TEXT:
        case MDB_MEMO:
            return "TEXT COLLATE NOCASE";
        case MDB_BINARY:
        case MDB_OLE:
            return "BLOB";
        default:
            return "TEXT";  // currency, decimal, date, replication id: texts of their own form
    }
}

// Text in the file's encoding (UCS-2, possibly compressed, or a Jet 3 code page) to UTF-8.
std::string ToUtf8(MdbHandle* mdb, const unsigned char* src, size_t len) {
    if (len == 0) return {};
    // One source byte never grows past three bytes of UTF-8; one more for the terminator.
    std::vector<char> out(len * 4 + 16);
    const int n = mdb_unicode2ascii(mdb, reinterpret_cast<const char*>(src), len, out.data(), out.size() - 1);
    if (n < 0 || static_cast<size_t>(n) >= out.size()) Fail("text conversion failed");
    return std::string(out.data(), static_cast<size_t>(n));
}

// The bytes of a memo or OLE value, which lie in the row itself or in a chain of long-value
// rows on other pages. The chain is followed at most as many steps as the file has pages.
std::string ReadLongValue(MdbHandle* mdb, int start, int size, size_t maxSteps) {
    if (size < static_cast<int>(kMemoHeader)) return {};
    const unsigned char* head = mdb->pg_buf + start;
    const std::uint32_t word = Le32(head);
    if (word & 0x80000000u)  // stored in the row
        return std::string(reinterpret_cast<const char*>(head + kMemoHeader),
                           static_cast<size_t>(size) - kMemoHeader);
    std::int32_t pgRow = static_cast<std::int32_t>(Le32(head + 4));
    void* buf = nullptr;
    int off = 0;
    size_t len = 0;
    if (word & 0x40000000u) {  // one long-value row
        if (mdb_find_pg_row(mdb, pgRow, &buf, &off, &len) != 0) Fail("memo row not found");
        return std::string(static_cast<const char*>(buf) + off, len);
    }
    if ((word & 0xff000000u) != 0) Fail("unknown memo kind");
    const size_t total = word & 0x00ffffffu;
    std::string out;
    out.reserve(std::min<size_t>(total, 1 << 24));
    for (size_t step = 0; pgRow != 0; ++step) {
        if (step > maxSteps) Fail("memo chain does not end");
        if (mdb_find_pg_row(mdb, pgRow, &buf, &off, &len) != 0 || len < 4) Fail("memo page not found");
        const auto* row = static_cast<const unsigned char*>(buf) + off;
        out.append(reinterpret_cast<const char*>(row + 4), len - 4);
        if (out.size() > total) Fail("memo longer than its length");
        pgRow = static_cast<std::int32_t>(Le32(row));
    }
    return out;
}

class TableCopier {
public:
    TableCopier(MdbHandle* mdb, sqlite3* db, size_t pageCount) : mdb_(mdb), db_(db), pageCount_(pageCount) {}

    void Copy(MdbCatalogEntry* entry) {
        Table table(mdb_read_table(entry));
        if (!table) Fail(std::string("cannot read table ") + entry->object_name);
        if (!mdb_read_columns(table.get()))
            Fail(std::string("cannot read the columns of ") + entry->object_name);
        mdb_read_indices(table.get());  // before the rows, as libmdb expects
        const unsigned cols = table->num_cols;
        if (cols == 0 || !table->columns || table->columns->len != cols)
            Fail(std::string("table without columns: ") + entry->object_name);
        const std::string name = QuoteName(entry->object_name);

        std::string create = "CREATE TABLE " + name + " (";
        std::string insert = "INSERT INTO " + name + " VALUES (";
        for (unsigned i = 0; i < cols; ++i) {
            const auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
            create += (i ? ", " : "") + QuoteName(col->name) + " " + DeclaredType(col->col_type);
            insert += i ? ", ?" : "?";
        }
        Exec(db_, create + ")");

        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(db_, (insert + ")").c_str(), -1, &raw, nullptr) != SQLITE_OK)
            Fail(std::string("cannot prepare rows: ") + sqlite3_errmsg(db_));
        Stmt stmt(raw);

        std::vector<MdbField> fields(cols);
        unsigned rows = 0;
        mdb_rewind_table(table.get());
        while (mdb_fetch_row(table.get())) {
            ++rows;
            // mdb_fetch_row leaves the row's page in pg_buf and has moved past it.
            int start = 0;
            size_t size = 0;
            if (mdb_find_row(mdb_, static_cast<int>(table->cur_row) - 1, &start, &size) != 0)
                Fail("row not found again");
            if (mdb_crack_row(table.get(), start & kOffsetMask, size, fields.data()) < 0) Fail("damaged row");
            for (unsigned i = 0; i < cols; ++i) {
                const auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
                Bind(stmt.get(), static_cast<int>(i) + 1, col, fields[i]);
            }
            if (sqlite3_step(stmt.get()) != SQLITE_DONE)
                Fail(std::string("cannot write a row: ") + sqlite3_errmsg(db_));
            sqlite3_reset(stmt.get());
            sqlite3_clear_bindings(stmt.get());
        }
        // libmdb skips what it cannot read; the definition's row count tells when it did. More
        // rows than counted are kept: writers such as libmdb itself do not update the count.
        if (rows < table->num_rows)
            Fail(std::string("table ") + entry->object_name + " holds " + std::to_string(table->num_rows) +
                 " rows, " + std::to_string(rows) + " could be read");
        CopyIndexes(table.get(), entry->object_name);
    }

private:
    void Bind(sqlite3_stmt* stmt, int n, const MdbColumn* col, const MdbField& f) {
        if (col->col_type == MDB_BOOL) {
            // A boolean keeps its value in the null mask: a set bit is true.
            sqlite3_bind_int(stmt, n, f.is_null ? 0 : 1);
            return;
        }
        if (f.is_null) {
            sqlite3_bind_null(stmt, n);
            return;
        }
        const long pageSize = mdb_->fmt->pg_size;
        if (f.start < 0 || f.siz < 0 || f.start + f.siz > pageSize) Fail("value outside its page");
        const unsigned char* p = mdb_->pg_buf + f.start;
        auto need = [&](int bytes) {
            if (f.siz < bytes) Fail(std::string("short value in column ") + col->name);
        };
        switch (col->col_type) {
            case MDB_BYTE:
                need(1);
                sqlite3_bind_int(stmt, n, p[0]);
                break;
            case MDB_INT:
                need(2);
                sqlite3_bind_int(stmt, n, LoadLe<std::int16_t>(p));
                break;
            case MDB_LONGINT:
            case MDB_COMPLEX:
                need(4);
                sqlite3_bind_int64(stmt, n, LoadLe<std::int32_t>(p));
                break;
            case MDB_FLOAT:
                need(4);
                sqlite3_bind_double(stmt, n, JetSingleAsDouble(LoadLe<float>(p)));
                break;
            case MDB_DOUBLE:
                need(8);
                sqlite3_bind_double(stmt, n, LoadLe<double>(p));
                break;
            case MDB_MONEY:
                need(8);
                BindText(stmt, n, JetCurrencyText(LoadLe<std::int64_t>(p)));
                break;
            case MDB_DATETIME: {
                need(8);
                const double days = LoadLe<double>(p);
                std::string text = JetDateText(days);
                if (text.empty())
                    sqlite3_bind_double(stmt, n, days);  // no date Jet could show; keep the number
                else
                    BindText(stmt, n, text);
                break;
            }
            case MDB_TEXT:
                BindText(stmt, n, ToUtf8(mdb_, p, static_cast<size_t>(f.siz)));
                break;
            case MDB_MEMO: {
                const std::string raw = ReadLongValue(mdb_, f.start, f.siz, pageCount_);
                BindText(stmt, n,
                         ToUtf8(mdb_, reinterpret_cast<const unsigned char*>(raw.data()), raw.size()));
                break;
            }
            case MDB_OLE:
                BindBlob(stmt, n, ReadLongValue(mdb_, f.start, f.siz, pageCount_));
                break;
            case MDB_BINARY:
                BindBlob(stmt, n, std::string(reinterpret_cast<const char*>(p), static_cast<size_t>(f.siz)));
                break;
            case MDB_REPID:
                need(16);
                BindText(stmt, n, JetGuidText(p));
                break;
            case MDB_NUMERIC: {
                need(17);
                char* text = mdb_numeric_to_string(mdb_, f.start, col->col_scale, col->col_prec);
                BindText(stmt, n, text ? text : "");
                g_free(text);
                break;
            }
            default:
                sqlite3_bind_null(stmt, n);
                break;
        }
    }

    static void BindText(sqlite3_stmt* stmt, int n, const std::string& text) {
        sqlite3_bind_text(stmt, n, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    static void BindBlob(sqlite3_stmt* stmt, int n, const std::string& bytes) {
        sqlite3_bind_blob(stmt, n, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    }

    // The file's own indexes make the lookups on the copy as quick as on the original.
    void CopyIndexes(MdbTableDef* table, const char* tableName) {
        if (!table->indices) return;
        std::vector<std::string> made;  // Jet keeps several indexes on one key (primary key, relation)
        for (unsigned i = 0; i < table->num_idxs && i < table->indices->len; ++i) {
            const auto* idx = static_cast<MdbIndex*>(g_ptr_array_index(table->indices, i));
            if (idx->index_type == 2 || idx->num_keys == 0 || idx->num_keys > MDB_MAX_IDX_COLS)
                continue;  // 2: a foreign key's reference
            std::string keys;
            bool sound = true;
            for (unsigned k = 0; k < idx->num_keys; ++k) {
                const int c = idx->key_col_num[k] - 1;  // 1-based
                if (c < 0 || static_cast<unsigned>(c) >= table->num_cols) {
                    sound = false;
                    break;
                }
                const auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
                keys += (k ? ", " : "") + QuoteName(col->name);
            }
            if (!sound || std::find(made.begin(), made.end(), keys) != made.end()) continue;
            made.push_back(keys);
            const std::string indexName = std::string(tableName) + "#" + std::to_string(i);
            Exec(db_, "CREATE INDEX " + QuoteName(indexName.c_str()) + " ON " + QuoteName(tableName) + " (" +
                          keys + ")");
        }
    }

    MdbHandle* mdb_;
    sqlite3* db_;
    size_t pageCount_;
};

}  // namespace

void CopyAccessTables(const std::string& mdbPath, const std::string& sqlitePath) {
    // libmdb takes its output encoding, and a Jet 3 file's code page, from the environment
    // when it opens a file: texts must come out as UTF-8, read in the file's own code page.
    setenv("MDBICONV", "UTF-8", 1);
    unsetenv("MDB_JET3_CHARSET");
    Handle mdb(mdb_open(mdbPath.c_str(), MDB_NOFLAGS));
    if (!mdb) Fail("libmdb cannot open the file");
    if (!mdb_read_catalog(mdb.get(), MDB_TABLE) || !mdb->catalog) Fail("cannot read the catalogue");

    struct stat st {};
    const size_t pageCount =
        stat(mdbPath.c_str(), &st) == 0 ? static_cast<size_t>(st.st_size) / mdb->fmt->pg_size : 0;

    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(sqlitePath.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(raw);
        Fail("cannot create the imported copy");
    }
    Db db(raw);
    // The copy is written to a temporary name and discarded unless complete: no journal needed.
    Exec(db.get(), "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN");
    TableCopier copier(mdb.get(), db.get(), pageCount);
    unsigned tables = 0;
    for (unsigned i = 0; i < mdb->num_catalog && i < mdb->catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type != MDB_TABLE || !mdb_is_user_table(entry)) continue;
        copier.Copy(entry);
        ++tables;
    }
    // A content file without tables serves no lookup; in practice its catalogue is damaged.
    if (tables == 0) Fail("the file holds no tables");
    Exec(db.get(), "COMMIT");
    if (sqlite3_close(db.release()) != SQLITE_OK) Fail("cannot finish the imported copy");
}
