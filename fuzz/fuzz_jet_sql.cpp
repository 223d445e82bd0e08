// Statements are built from typed text; translation must never crash or loop.
#include <cstdint>
#include <string>

#include "store/Errors.h"
#include "store/JetSql.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        (void)TranslateJetSql(text);
    } catch (const QueryError&) {
    }
    (void)CanonicalDateText(text);
    (void)Quote(text);
    return 0;
}
