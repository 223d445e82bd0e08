#pragma once
// Which engine reads a database file, decided by its first bytes.
#include <string>

enum class DbKind { Missing, Unreadable, Sqlite, Jet, Foreign };

DbKind DetectDbKind(const std::string& path);

// Checks an SQLite file's header against its size: a truncated copy, a bad page size or
// a page count beyond the file fails. Returns an empty text when sound, else the reason.
std::string CheckSqliteHeader(const std::string& path);

// The SQLite file on which statements for `path` run: the file itself, or for an Access
// file its imported copy. Throws QueryError when the file cannot be read.
std::string ResolveDatabase(const std::string& path);
