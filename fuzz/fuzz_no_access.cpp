// The SQLite file target reads no Access files.
#include "store/AccessImport.h"
#include "store/Errors.h"

std::string ImportAccessDatabase(const std::string& path) { throw QueryError("not in this target: " + path); }
