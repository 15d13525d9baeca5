#pragma once
// The little the record file needs from the file system, so that the format code stays pure
// and tests can put a failing disk underneath. One implementation per platform.
#include <string>
#include <string_view>

namespace papyrka {

struct FileError {
    enum class Kind { None, Missing, Exists, Other };
    Kind kind = Kind::None;
    std::u16string description;   // the system's own words, empty for None

    explicit operator bool() const { return kind != Kind::None; }
};

enum class Durability { Flushed, Unflushed };

class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool Exists(const std::u16string& path) = 0;
    virtual FileError ReadAll(const std::u16string& path, std::string& bytes) = 0;
    // Never touches a file that is already there (Kind::Exists instead).
    virtual FileError CreateNew(const std::u16string& path, std::string_view bytes) = 0;
    // Afterwards path holds bytes, or is exactly as it was: the bytes go to a temporary file
    // beside it, which then takes its place in one step.
    virtual FileError Replace(const std::u16string& path, std::string_view bytes, Durability durability) = 0;
};

FileSystem& SystemFileSystem();

}  // namespace papyrka
