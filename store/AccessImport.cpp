#include "store/AccessImport.h"

#include "store/Errors.h"

std::string ImportAccessDatabase(const std::string& path) {
    throw QueryError("no engine for Access files: " + path);
}
