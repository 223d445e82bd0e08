// kelvaro-content: builds dream.dll, VorFile.dll and VorBirth.dll from the content sources.
//   kelvaro-content --sources DIR --unihan DIR --out DIR
#include <cstdio>
#include <cstring>
#include <exception>

#include "content/Builder.h"

int main(int argc, char** argv) {
    BuildOptions options;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--sources")) {
            options.sources = argv[i + 1];
        } else if (!std::strcmp(argv[i], "--unihan")) {
            options.unihan = argv[i + 1];
        } else if (!std::strcmp(argv[i], "--out")) {
            options.out = argv[i + 1];
        } else {
            break;
        }
    }
    if (argc != 7 || options.sources.empty() || options.unihan.empty() || options.out.empty()) {
        std::fprintf(stderr, "usage: kelvaro-content --sources DIR --unihan DIR --out DIR\n");
        return 2;
    }
    try {
        long long placeholders = 0;
        for (const TableCount& t : BuildContent(options)) {
            std::printf("%-12s %-9s %6lld rows", t.file.c_str(), t.table.c_str(), t.rows);
            if (t.placeholders) std::printf(" (%lld placeholders)", t.placeholders);
            std::printf("\n");
            placeholders += t.placeholders;
        }
        if (placeholders) std::printf("%lld rows still hold placeholder texts\n", placeholders);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kelvaro-content: error: %s\n", e.what());
        return 1;
    }
    return 0;
}
