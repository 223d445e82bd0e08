#pragma once
// The lookup of one row, as every reading makes it: open, read the first row's fields by
// position as trimmed texts, release.
#include <optional>
#include <string>
#include <vector>

class Query;

// Runs `sql` on a fresh query bound to `connectionString`. Returns the first row's fields
// as trimmed texts, or nullopt when the result is empty. Any failure throws AbortCommand.
std::optional<std::vector<std::string>> LookupRow(const std::string& connectionString,
                                                  const std::string& sql);

// The same on a window's own query, which keeps its binding.
std::optional<std::vector<std::string>> LookupRow(Query& query, const std::string& sql);

// Leading and trailing spaces removed.
std::string TrimSpaces(const std::string& text);
