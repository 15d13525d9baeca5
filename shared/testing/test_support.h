#pragma once
// A folder of a test's own, removed with everything in it, and a reporter that keeps what it
// is told.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "base/reporter.h"

namespace papyrka::test {

class TempFolder {
public:
    TempFolder() {
        std::random_device seed;
        do path_ = std::filesystem::temp_directory_path() / ("papyrka-test-" + std::to_string(seed()));
        while (!std::filesystem::create_directory(path_));
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;   // a leftover temp folder must not fail a test
        std::filesystem::remove_all(path_, ignored);
    }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }
    std::u16string path() const { return path_.u16string(); }
    std::u16string File(const std::filesystem::path& name) const { return (path_ / name).u16string(); }
    std::string Read(const std::filesystem::path& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Write(const std::filesystem::path& name, const std::string& bytes) const {
        ASSERT_TRUE((std::ofstream(path_ / name, std::ios::binary) << bytes).good()) << name;
    }

private:
    std::filesystem::path path_;
};

struct RecordingReporter : Reporter {
    void Message(const std::u16string& text) override { messages.push_back(text); }
    bool Ask(const std::u16string& question) override { return questions.push_back(question), answerYes; }
    std::vector<std::u16string> messages, questions;
    bool answerYes = false;
};

}  // namespace papyrka::test
