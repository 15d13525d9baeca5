#ifndef _WIN32
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "base/unique_handle.h"
#include "record/file_io.h"
#include "record/save_temp_name.h"

namespace papyrka {
namespace {

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            ++i;
        }
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

// strerror's text; in the C locale it is ASCII, so a byte-wise widening is enough.
FileError ErrorFrom(int code) {
    FileError error;
    error.kind = code == ENOENT || code == ENOTDIR ? FileError::Kind::Missing
               : code == EEXIST                    ? FileError::Kind::Exists
                                                   : FileError::Kind::Other;
    const char* text = std::strerror(code);
    error.description.assign(text, text + std::strlen(text));
    return error;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Close reports late write errors (NFS, quotas), so a save looks at it.
    int Close() {
        int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

// Writes, optionally flushes and closes; the error number of the first failure, or 0.
int FinishFile(Descriptor& file, std::string_view bytes, Durability durability) {
    if (int code = WriteAll(file.get(), bytes)) return code;
    if (durability == Durability::Flushed && ::fsync(file.get()) != 0) return errno;
    if (file.Close() != 0) return errno;
    return 0;
}

struct CloseDirectory {
    void operator()(DIR* directory) const { ::closedir(directory); }
};
using Directory = UniqueHandle<DIR*, CloseDirectory>;

class PosixFileSystem : public FileSystem {
public:
    explicit PosixFileSystem(SaveStepCheck check = {}) : check_(std::move(check)) {}

    bool Exists(const std::u16string& path) override {
        struct stat info;
        return ::lstat(ToUtf8(path).c_str(), &info) == 0;
    }

    FileStamp Stamp(const std::u16string& path) override {
        struct stat info;
        FileStamp stamp;
        if (::stat(ToUtf8(path).c_str(), &info) != 0) {
            if (errno == ENOENT || errno == ENOTDIR) stamp.state = FileStamp::State::Missing;
            return stamp;
        }
        stamp.state = FileStamp::State::Present;
        stamp.size = static_cast<std::uint64_t>(info.st_size);
        stamp.writeTime = static_cast<std::uint64_t>(info.st_mtim.tv_sec) * 1000000000u +
                          static_cast<std::uint64_t>(info.st_mtim.tv_nsec);
        stamp.identity = static_cast<std::uint64_t>(info.st_ino);
        stamp.volume = static_cast<std::uint64_t>(info.st_dev);
        return stamp;
    }

    FileError ReadAll(const std::u16string& path, std::string& bytes) override {
        bytes.clear();
        Descriptor file(::open(ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC));
        if (file.get() < 0) return ErrorFrom(errno);
        // Read straight into the result; one byte more than the size sees the end at once.
        struct stat info;
        const bool sized = ::fstat(file.get(), &info) == 0 && info.st_size > 0;
        bytes.resize(sized ? static_cast<size_t>(info.st_size) + 1 : 65536);
        size_t filled = 0;
        for (;;) {
            if (filled == bytes.size()) bytes.resize(bytes.size() * 2);
            ssize_t got = ::read(file.get(), &bytes[filled], bytes.size() - filled);
            if (got < 0) {
                if (errno == EINTR) continue;
                FileError error = ErrorFrom(errno);
                bytes.clear();
                return error;
            }
            if (got == 0) {
                bytes.resize(filled);
                return {};
            }
            filled += static_cast<size_t>(got);
        }
    }

    FileError CreateNew(const std::u16string& path, std::string_view bytes) override {
        const std::string name = ToUtf8(path);
        Descriptor file(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (file.get() < 0) return ErrorFrom(errno);
        if (int code = FinishFile(file, bytes, Durability::Flushed)) {
            ::unlink(name.c_str());
            return ErrorFrom(code);
        }
        return {};
    }

    FileError Replace(const std::u16string& path, const Pieces& pieces, Durability durability) override {
        // rename replaces a file whatever its own permissions say, and root may write anything:
        // a file nobody may write to is the user's way of keeping it as it is.
        struct stat info {};
        if (::stat(ToUtf8(path).c_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return ReadOnlyError();
        RemoveLeftovers(path);
        if (FileError error = Check(SaveStep::Create)) return error;
        std::string temp;
        Descriptor file(CreateTemp(path, temp));
        if (file.get() < 0) return Failed(SaveStep::Create, errno);
        // The temporary file is removed whatever fails; the target is untouched then.
        auto abandon = [&](FileError error) {
            ::unlink(temp.c_str());
            return error;
        };
        if (FileError error = Check(SaveStep::Write)) return abandon(error);
        for (std::string_view piece : pieces)
            if (int code = WriteAll(file.get(), piece)) return abandon(Failed(SaveStep::Write, code));
        if (FileError error = Check(SaveStep::Flush)) return abandon(error);
        if (durability == Durability::Flushed && ::fsync(file.get()) != 0) return abandon(Failed(SaveStep::Flush, errno));
        if (file.Close() != 0) return abandon(Failed(SaveStep::Flush, errno));
        if (FileError error = Check(SaveStep::Replace)) return abandon(error);
        if (::rename(temp.c_str(), ToUtf8(path).c_str()) != 0) return abandon(Failed(SaveStep::Replace, errno));
        return {};
    }

private:
    FileError Check(SaveStep step) {
        FileError error = check_ ? check_(step) : FileError();
        if (error) error.step = step;
        return error;
    }

    static FileError Failed(SaveStep step, int code) {
        FileError error = ErrorFrom(code);
        // A missing folder is a failure here, not the silent case it is for reading.
        error.kind = FileError::Kind::Other;
        error.step = step;
        return error;
    }

    // A new temporary file, created exclusively and locked while this save writes it, so that
    // another copy's clean-up leaves it alone. -1 with errno set when none can be made.
    static int CreateTemp(const std::u16string& path, std::string& temp) {
        for (int attempt = 1;; ++attempt) {
            temp = ToUtf8(NewSaveTempPath(path));
            const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && (errno != EEXIST || attempt == kAttempts)) return -1;
            if (fd < 0) continue;
            // A file system without locks still saves; its leftovers just stay.
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK) return fd;
            // Another copy's clean-up took this file for a leftover in the instant after it was made.
            ::close(fd);
            if (attempt == kAttempts) return errno = EEXIST, -1;
        }
    }

    // Only regular files of the temporary files' own shape whose lock is free: a save that
    // is still writing holds its lock, and a killed one's lock went with its process.
    static void RemoveLeftovers(const std::u16string& path) {
        const std::u16string folder = FolderOf(path), name = NameOf(path);
        const std::string folder8 = folder.empty() ? std::string(".") : ToUtf8(folder), name8 = ToUtf8(name);
        Directory directory(::opendir(folder8.c_str()));
        if (!directory) return;   // the save itself then says what is wrong with the folder
        while (const dirent* entry = ::readdir(directory.get())) {
            const std::string_view entryName(entry->d_name);
            if (entryName.substr(0, name8.size()) != name8) continue;
            const std::string_view rest = entryName.substr(name8.size());
            if (!IsSaveTempName(name + std::u16string(rest.begin(), rest.end()), name)) continue;
            const std::string leftover = folder8 + '/' + std::string(entryName);
            Descriptor file(::open(leftover.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
            struct stat info;
            if (file.get() >= 0 && ::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode) &&
                ::flock(file.get(), LOCK_EX | LOCK_NB) == 0)
                ::unlink(leftover.c_str());
        }
    }

    static constexpr int kAttempts = 10;
    SaveStepCheck check_;
};

}  // namespace

FileSystem& SystemFileSystem() {
    static PosixFileSystem fileSystem;
    return fileSystem;
}

std::unique_ptr<FileSystem> SystemFileSystemChecking(SaveStepCheck check) {
    return std::make_unique<PosixFileSystem>(std::move(check));
}

}  // namespace papyrka
#endif  // _WIN32
