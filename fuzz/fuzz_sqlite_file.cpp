// A content file replaced by anything at all must fail the lookup, never crash or hang.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "store/ConnStr.h"
#include "store/Errors.h"
#include "store/Lookup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string dir = [] {
        char tmpl[] = "/tmp/kelvaro-fuzz-XXXXXX";
        return std::string(mkdtemp(tmpl)) + "/";
    }();
    static ScopedProgramDir programDir(dir);
    FILE* f = std::fopen((dir + "VorFile.dll").c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    try {
        (void)LookupRow(GetFileConnStr(), "Select top 1 * from huangdao where gn = #2010-5-1#");
        (void)LookupRow(GetFileConnStr(), "Select num from bihua where hanzi like '%a%'");
    } catch (const AbortCommand&) {
    }
    return 0;
}
