#pragma once
// The little the record file needs from the file system, so that the format code stays pure
// and tests can put a failing disk underneath. One implementation per platform.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace papyrka {

// The steps of a save, in order; a failed save names the one that failed.
enum class SaveStep { None, Create, Write, Flush, Replace };

struct FileError {
    enum class Kind { None, Missing, Exists, ReadOnly, Other };
    Kind kind = Kind::None;
    std::u16string description;   // the system's own words, empty for None
    SaveStep step = SaveStep::None;   // where Replace failed

    explicit operator bool() const { return kind != Kind::None; }
};

enum class Durability { Flushed, Unflushed };

// A file's bytes as pieces written one after the other: a list saves the bytes its records
// hold where they are, without first copying megabytes into one block.
using Pieces = std::vector<std::string_view>;

// What tells one state of a file on disk from another without reading it. Whoever writes the
// file changes its size, its write time or, when it is replaced by a rename as our saves do,
// its identity. A file that cannot be looked at matches nothing, so that doubt leads to a
// question rather than to an overwrite.
struct FileStamp {
    enum class State { Unknown, Missing, Present };
    State state = State::Unknown;
    std::uint64_t size = 0, writeTime = 0, identity = 0, volume = 0;

    bool operator==(const FileStamp& other) const {
        if (state == State::Unknown || state != other.state) return false;
        return state == State::Missing || (size == other.size && writeTime == other.writeTime &&
                                           identity == other.identity && volume == other.volume);
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool Exists(const std::u16string& path) = 0;
    virtual FileStamp Stamp(const std::u16string& path) = 0;
    virtual FileError ReadAll(const std::u16string& path, std::string& bytes) = 0;
    // Never touches a file that is already there (Kind::Exists instead).
    virtual FileError CreateNew(const std::u16string& path, std::string_view bytes) = 0;
    // Afterwards path holds the pieces, or is exactly as it was: they go to a new temporary
    // file beside it, which then takes its place in one step. Temporary files that earlier
    // saves of path left behind when they were cut short are removed first. A path marked
    // read-only is refused (Kind::ReadOnly) before anything is written.
    virtual FileError Replace(const std::u16string& path, const Pieces& pieces, Durability durability) = 0;
};

FileSystem& SystemFileSystem();

// What Replace returns for a file marked read-only.
inline FileError ReadOnlyError() { return {FileError::Kind::ReadOnly, u"súbor je len na čítanie"}; }

// The system's file system with a check run before each step of Replace: an error it returns
// fails that step as the disk would, and an exception thrown from it stops the save dead, as
// a killed process would. Lets tests interrupt a save anywhere.
using SaveStepCheck = std::function<FileError(SaveStep)>;
std::unique_ptr<FileSystem> SystemFileSystemChecking(SaveStepCheck check);

}  // namespace papyrka
