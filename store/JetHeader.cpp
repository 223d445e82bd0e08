#include "store/JetHeader.h"

#include <cstring>
#include <filesystem>
#include <fstream>

namespace {
constexpr unsigned char kMagic[4] = {0x00, 0x01, 0x00, 0x00};
constexpr char kSignature[] = "Standard Jet DB";  // 15 bytes from offset 4
constexpr int kVersionOffset = 0x14;
}  // namespace

std::string CheckJetHeader(const std::string& path, JetFileInfo* info) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) return "cannot read the file size";
    std::ifstream in(path, std::ios::binary);
    if (!in) return "cannot open the file";
    unsigned char head[kVersionOffset + 1] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    if (in.gcount() != static_cast<std::streamsize>(sizeof head)) return "file shorter than its header";
    if (std::memcmp(head, kMagic, sizeof kMagic) != 0) return "no Jet magic number";
    if (std::memcmp(head + 4, kSignature, sizeof kSignature - 1) != 0) return "no Jet signature";
    unsigned pageSize = 0;
    switch (head[kVersionOffset]) {
        case 0:
            pageSize = 2048;
            break;
        case 1:
            pageSize = 4096;
            break;
        default:
            return "unsupported Jet version " + std::to_string(head[kVersionOffset]);
    }
    if (size < pageSize || size % pageSize != 0) return "size is not a whole number of pages";
    if (info) *info = JetFileInfo{head[kVersionOffset], pageSize, static_cast<unsigned long long>(size)};
    return {};
}
