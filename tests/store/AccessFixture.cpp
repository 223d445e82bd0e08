#include "tests/store/AccessFixture.h"

#include <glib.h>
#include <mdbtools.h>
#include <zlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

std::string AccessSampleDir() {
    const std::filesystem::path dir =
        std::filesystem::path(KELVARO_SOURCE_DIR) / ".." / "shared" / "fixtures" / "access";
    std::error_code ec;
    return std::filesystem::is_directory(dir, ec) ? dir.lexically_normal().string() : std::string();
}

bool UnpackAccessSample(const std::string& name, const std::string& dest) {
    const std::string dir = AccessSampleDir();
    if (dir.empty()) return false;
    gzFile in = gzopen((dir + "/" + name).c_str(), "rb");
    if (!in) return false;
    std::ofstream out(dest, std::ios::binary | std::ios::trunc);
    char buf[65536];
    int n;
    while ((n = gzread(in, buf, sizeof buf)) > 0) out.write(buf, n);
    const bool ok = n == 0 && gzclose(in) == Z_OK;
    return ok && static_cast<bool>(out);
}

std::string InsertTable1Row(const std::string& path, const Table1Row& row) {
    MdbHandle* mdb = mdb_open(path.c_str(), MDB_WRITABLE);
    if (!mdb) return "mdb_open failed";
    MdbTableDef* table = mdb_read_table_by_name(mdb, const_cast<gchar*>("Table1"), MDB_TABLE);
    if (!table) {
        mdb_close(mdb);
        return "no Table1";
    }
    mdb_read_columns(table);
    mdb_read_indices(table);
    mdb_rewind_table(table);

    std::string error;
    std::vector<MdbField> fields(table->num_cols);
    std::vector<std::vector<char>> storage(table->num_cols);
    for (unsigned i = 0; i < table->num_cols && error.empty(); ++i) {
        auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        std::vector<char>& buf = storage[i];
        auto raw = [&](const void* p, size_t n) {
            buf.assign(static_cast<const char*>(p), static_cast<const char*>(p) + n);
        };
        bool isNull = false;
        const std::string name = col->name;
        if (name == "A" || name == "B") {
            const std::string& text = name == "A" ? row.a : row.b;
            buf.resize(text.size() * 4 + 16);
            const int n = mdb_ascii2unicode(mdb, text.c_str(), text.size(), buf.data(), buf.size());
            buf.resize(static_cast<size_t>(n));
        } else if (name == "C") {
            const unsigned char v = static_cast<unsigned char>(row.c);
            raw(&v, 1);
        } else if (name == "D") {
            const std::int16_t v = static_cast<std::int16_t>(row.d);
            raw(&v, 2);
        } else if (name == "E") {
            raw(&row.e, 4);
        } else if (name == "F") {
            raw(&row.f, 8);
        } else if (name == "G") {
            raw(&row.gDays, 8);
        } else if (name == "H") {
            raw(&row.hTenThousandths, 8);
        } else if (name == "I") {
            // A boolean is its null bit: clear for false.
            buf.assign(1, 0);
            isNull = !row.i;
        } else {
            error = "unexpected column " + name;
        }
        mdb_fill_temp_field(&fields[i], buf.data(), static_cast<int>(buf.size()), col->is_fixed, isNull, 0,
                            static_cast<int>(i));
    }
    if (error.empty() && !mdb_insert_row(table, static_cast<int>(fields.size()), fields.data()))
        error = "mdb_insert_row failed";
    mdb_free_tabledef(table);
    mdb_close(mdb);
    return error;
}
