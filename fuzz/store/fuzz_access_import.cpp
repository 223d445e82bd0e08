// Any bytes as an Access file: the header check and the date conversion run here, libmdb in
// the import's child. The import must fail or succeed, never crash or hang this process.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>

#include "store/AccessImport.h"
#include "store/Errors.h"
#include "store/JetHeader.h"
#include "store/JetValues.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static const std::string dir = [] {
        char tmpl[] = "/tmp/kelvaro-fuzz-XXXXXX";
        std::string d = mkdtemp(tmpl) ? tmpl : "/tmp";
        setenv("XDG_CACHE_HOME", (d + "/cache").c_str(), 1);
        return d;
    }();
    if (size >= 8) {
        double days;
        std::memcpy(&days, data, sizeof days);
        const std::string text = JetDateText(days);
        if (!text.empty() && text.size() != 10 && text.size() != 19) __builtin_trap();
    }
    const std::string path = dir + "/input.mdb";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    CheckJetHeader(path);
    ForgetAccessImports();
    try {
        ImportAccessDatabase(path);
    } catch (const QueryError&) {
    }
    return 0;
}
