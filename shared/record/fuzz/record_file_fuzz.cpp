#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "record/fuzz/round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (int fieldCount : papyrka::fuzz::kFieldCounts) {
        const std::string broken = papyrka::fuzz::CheckRoundTrip({reinterpret_cast<const char*>(data), size}, fieldCount);
        if (!broken.empty()) {
            std::fprintf(stderr, "%d fields: %s\n", fieldCount, broken.c_str());
            std::abort();
        }
    }
    return 0;
}
