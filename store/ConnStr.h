#pragma once
// The three content databases and their connection strings.
#include <string>
#include <string_view>

// The directory of the running executable, with its trailing separator.
std::string ProgramDir();

// Points ProgramDir() elsewhere for its lifetime (tests and tools).
class ScopedProgramDir {
public:
    explicit ScopedProgramDir(std::string dir);
    ~ScopedProgramDir();
    ScopedProgramDir(const ScopedProgramDir&) = delete;
    ScopedProgramDir& operator=(const ScopedProgramDir&) = delete;

private:
    std::string saved_;
};

std::string GetDreamConnStr();
std::string GetFileConnStr();
std::string GetBirthConnStr();

// The value of "Data Source=" in a connection string; empty when there is none.
std::string DataSourceOf(std::string_view connectionString);
