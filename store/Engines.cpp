#include "store/Engines.h"

#include <cstring>
#include <filesystem>
#include <fstream>

#include "store/AccessImport.h"
#include "store/Errors.h"

namespace {
constexpr char kSqliteMagic[] = "SQLite format 3";  // 16 bytes with its NUL

unsigned Be16(const unsigned char* p) { return (unsigned(p[0]) << 8) | p[1]; }
unsigned long Be32(const unsigned char* p) {
    return (static_cast<unsigned long>(p[0]) << 24) | (static_cast<unsigned long>(p[1]) << 16) |
           (static_cast<unsigned long>(p[2]) << 8) | p[3];
}
}  // namespace

DbKind DetectDbKind(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return DbKind::Missing;
    std::ifstream in(path, std::ios::binary);
    if (!in) return DbKind::Unreadable;
    unsigned char head[32] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    const auto got = static_cast<size_t>(in.gcount());
    if (got >= 16 && std::memcmp(head, kSqliteMagic, 16) == 0) return DbKind::Sqlite;
    if (got >= 19 && head[0] == 0 && head[1] == 1 && head[2] == 0 && head[3] == 0 &&
        (std::memcmp(head + 4, "Standard Jet DB", 15) == 0 ||
         std::memcmp(head + 4, "Standard ACE DB", 15) == 0))
        return DbKind::Jet;
    return DbKind::Foreign;
}

std::string CheckSqliteHeader(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) return "cannot read the file size";
    std::ifstream in(path, std::ios::binary);
    unsigned char h[100] = {};
    in.read(reinterpret_cast<char*>(h), sizeof h);
    if (in.gcount() != 100) return "file shorter than its header";
    unsigned long pageSize = Be16(h + 16);
    if (pageSize == 1) pageSize = 65536;
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0) return "bad page size";
    if (size % pageSize != 0) return "size is not a whole number of pages";
    // The page count in the header is valid when its version stamp matches the change counter.
    const unsigned long pages = Be32(h + 28);
    if (Be32(h + 92) == Be32(h + 24) && pages != 0 &&
        static_cast<unsigned long long>(pages) * pageSize > size)
        return "file shorter than its page count";
    return {};
}

std::string ResolveDatabase(const std::string& path) {
    switch (DetectDbKind(path)) {
        case DbKind::Missing:
            throw QueryError("database file not found: " + path);
        case DbKind::Unreadable:
            throw QueryError("database file cannot be read: " + path);
        case DbKind::Foreign:
            throw QueryError("not a database file: " + path);
        case DbKind::Sqlite:
            if (std::string why = CheckSqliteHeader(path); !why.empty())
                throw QueryError("damaged database file (" + why + "): " + path);
            return path;
        case DbKind::Jet:
            return ImportAccessDatabase(path);
    }
    throw QueryError("unknown database kind");
}
