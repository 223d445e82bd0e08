#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "app/MenuTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        (void)ParseMenuTable(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const std::invalid_argument&) {
    }
    return 0;
}
