#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "record/fuzz/round_trip.h"

// One field count per input, chosen by its length: the fuzzer's mutations reach every count,
// and each input costs one parse instead of six.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int fieldCount = papyrka::fuzz::kFieldCounts[size % std::size(papyrka::fuzz::kFieldCounts)];
    const std::string broken = papyrka::fuzz::CheckRoundTrip({reinterpret_cast<const char*>(data), size}, fieldCount);
    if (!broken.empty()) {
        std::fprintf(stderr, "%d fields: %s\n", fieldCount, broken.c_str());
        std::abort();
    }
    return 0;
}
