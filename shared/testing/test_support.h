#pragma once
// Helpers for the record store's tests: a scratch folder that cleans up after itself,
// whole-file reads and writes, and a reporter that keeps what it is told.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "base/reporter.h"

namespace papyrka::test {

class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device seed;
        do path_ = std::filesystem::temp_directory_path() / ("papyrka-record-" + std::to_string(seed()));
        while (!std::filesystem::create_directory(path_));
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;   // a leftover temp folder must not fail a test
        std::filesystem::remove_all(path_, ignored);
    }
    std::filesystem::path operator/(const char* name) const { return path_ / name; }
    std::u16string File(const char* name) const { return (path_ / name).u16string(); }

private:
    std::filesystem::path path_;
};

struct RecordingReporter : Reporter {
    void Message(const std::u16string& text) override { messages.push_back(text); }
    std::vector<std::u16string> messages;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    ASSERT_TRUE((std::ofstream(path, std::ios::binary) << bytes).good()) << path;
}

}  // namespace papyrka::test
