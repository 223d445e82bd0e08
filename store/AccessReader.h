#pragma once
// The libmdb side of the Access import. libmdb trusts the file it reads and can crash, hang
// or run out of memory on a damaged one: call this only inside a disposable process
// (RunInChild), never in the program's own.
#include <string>

// Writes every user table of the Access file at `mdbPath` (absolute), with its rows and
// indexes, into a new SQLite file at `sqlitePath`. Texts and memos become UTF-8 TEXT,
// integers and booleans (1 or 0) INTEGER, SINGLE and DOUBLE REAL, CURRENCY and DECIMAL exact
// decimal TEXT, DATETIME 'YYYY-MM-DD[ HH:MM:SS]' TEXT, binary and OLE data BLOB. Text columns
// compare without regard to ASCII case, as Jet's do. Throws std::runtime_error when the
// file cannot be read.
void CopyAccessTables(const std::string& mdbPath, const std::string& sqlitePath);
