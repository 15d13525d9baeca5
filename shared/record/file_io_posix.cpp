#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "record/file_io.h"

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

class PosixFileSystem : public FileSystem {
public:
    bool Exists(const std::u16string& path) override {
        struct stat info;
        return ::lstat(ToUtf8(path).c_str(), &info) == 0;
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

    FileError Replace(const std::u16string& path, std::string_view bytes, Durability durability) override {
        const std::string target = ToUtf8(path);
        // One temporary name per process, so two running copies never write into each other's.
        const std::string temp = target + '.' + std::to_string(::getpid()) + ".tmp";
        Descriptor file(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
        if (file.get() < 0) return ErrorFrom(errno);
        int code = FinishFile(file, bytes, durability);
        if (code == 0 && ::rename(temp.c_str(), target.c_str()) != 0) code = errno;
        if (code != 0) {
            ::unlink(temp.c_str());
            FileError error = ErrorFrom(code);
            // A missing folder is a failure here, not the silent case it is for reading.
            error.kind = FileError::Kind::Other;
            return error;
        }
        return {};
    }
};

}  // namespace

FileSystem& SystemFileSystem() {
    static PosixFileSystem fileSystem;
    return fileSystem;
}

}  // namespace papyrka
#endif  // _WIN32
