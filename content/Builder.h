#pragma once
// Builds the three content databases (SQLite files named dream.dll, VorFile.dll and
// VorBirth.dll) from the sources in content/, checks what it wrote, and only then puts
// the files in place. Any fault in a source or in a built file throws ContentError
// (content/Sources.h) and leaves the previous files untouched.
#include <filesystem>
#include <string>
#include <vector>

struct BuildOptions {
    std::filesystem::path sources;  // the content/ folder
    std::filesystem::path unihan;   // where unicode-data keeps Unihan_*.txt.bz2
    std::filesystem::path out;      // where the three files go
    // The almanac must hold every day of this range, no more and no less.
    std::string firstDay = "1901-01-01";
    std::string lastDay = "2050-12-31";
};

struct TableCount {
    std::string file;
    std::string table;
    long long rows = 0;
    long long placeholders = 0;  // rows whose text still stands in for a reading
};

std::vector<TableCount> BuildContent(const BuildOptions& options);

// The almanac columns in the order of the generated file.
inline const std::vector<std::string> kHuangdaoColumns = {"gn",   "nn",   "suici", "tszf", "wuhang", "cong",
                                                          "pzbj", "jsyq", "yi",    "xsyq", "ji",     "jishi"};
// Tables of the six star-sign articles.
inline const std::vector<std::string> kStarTables = {"ndeq",    "aiqing", "mingren",
                                                     "baojian", "qingxv", "shiye"};
// Codes of the illustrated articles that the menus open.
inline const std::vector<int> kPictureArticles = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                                  11, 12, 13, 14, 15, 16, 17, 18, 20, 21};
inline constexpr int kMaxPicturePages = 15;
