#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>

#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (int fieldCount : papyrka::fuzz::kFieldCounts) {
        std::string broken = papyrka::fuzz::CheckRoundTrip(bytes, fieldCount);
        if (!broken.empty()) {
            std::fprintf(stderr, "%d fields: %s\n", fieldCount, broken.c_str());
            std::abort();
        }
    }
    return 0;
}
