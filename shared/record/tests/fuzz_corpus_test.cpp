#include <gtest/gtest.h>

#include <filesystem>

#include "../fuzz/round_trip.h"
#include "test_support.h"

namespace papyrka {
namespace {

// The fuzz target's property over its seed corpus, so every build checks it without libFuzzer.
TEST(FuzzCorpus, EveryFileLoadsBackTheSame) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::u8path(PAPYRKA_FUZZ_CORPUS))) {
        const std::string bytes = test::ReadBytes(entry.path());
        for (int fieldCount : fuzz::kFieldCounts)
            EXPECT_EQ(fuzz::CheckRoundTrip(bytes, fieldCount), "") << entry.path() << ", " << fieldCount << " fields";
        ++files;
    }
    EXPECT_GE(files, 5);
}

}  // namespace
}  // namespace papyrka
