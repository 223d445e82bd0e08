#pragma once
#include <stdexcept>
#include <string>

// Thrown by a lookup that cannot run: the command that made it ends silently.
class AbortCommand : public std::exception {
public:
    const char* what() const noexcept override { return "command abandoned"; }
};

// A query that could not be opened or read: missing or foreign file, bad statement,
// missing table or column.
class QueryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
