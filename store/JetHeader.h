#pragma once
// The first page of an Access (Jet) file, checked before anything else reads the file.
#include <string>

struct JetFileInfo {
    int version = 0;        // 0 for Jet 3, 1 for Jet 4
    unsigned pageSize = 0;  // 2048 for Jet 3, 4096 for Jet 4
    unsigned long long size = 0;
};

// Checks the signature bytes, the version byte at 0x14 and that the file is a whole number
// of pages (at least one). Returns an empty text when sound, else the reason; fills `info`
// when given and sound.
std::string CheckJetHeader(const std::string& path, JetFileInfo* info = nullptr);
