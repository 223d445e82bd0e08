#pragma once
// Small SQLite database files built from SQL text inside a test's own temporary folder.
#include <filesystem>
#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Creates (or replaces) the SQLite file at `path` and runs `sql` in it; aborts the test
// program with a message when the SQL fails, since the fixture itself is then wrong.
void MakeSqliteDb(const std::string& path, const std::string& sql);

// Writes bytes to a file.
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
