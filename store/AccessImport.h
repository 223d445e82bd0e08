#pragma once
#include <string>

// Imports the user tables of an Access (Jet 3/4) file into an SQLite file and returns that
// file's path; throws QueryError when the file cannot be imported.
std::string ImportAccessDatabase(const std::string& path);
