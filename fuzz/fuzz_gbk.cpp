// Saved result files and database texts arrive as arbitrary bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/Gbk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = GbkToUtf8(bytes);
    // What came out converts back and forth without change.
    if (GbkToUtf8(Utf8ToGbk(utf8)) != utf8) std::abort();
    (void)Utf8ToGbk(bytes);
    return 0;
}
