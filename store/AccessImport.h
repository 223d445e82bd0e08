#pragma once
// Access (Jet 3/4) files are read through an SQLite copy of their tables, made once per
// version of the file and kept in the user's cache directory.
#include <string>

// Imports the user tables of an Access (Jet 3/4) file into an SQLite file and returns that
// file's path; throws QueryError when the file cannot be imported. The header is checked
// here; libmdb reads the file only in a child process under limits (AccessChild.h). The copy
// is keyed by the file's absolute path, size and modification time: in this process and on
// disk, so a second lookup, or a second run, reuses it and a changed file is imported again.
std::string ImportAccessDatabase(const std::string& path);

// $XDG_CACHE_HOME/kelvaro, else ~/.cache/kelvaro; not created here.
std::string AccessCacheDir();

// Forgets the copies this process knows of, so the next open looks at the disk again.
void ForgetAccessImports();
