#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <string>

#include "base/decimal.h"
#include "base/system_error.h"
#include "base/unique_handle.h"
#include "record/file_io.h"

namespace papyrka {
namespace {

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// Paths go to the system absolute: relative ones trip some file functions under Wine.
std::u16string Absolute(const std::u16string& path) {
    DWORD size = GetFullPathNameW(Wide(path), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::u16string full(size, u'\0');
    DWORD length = GetFullPathNameW(Wide(path), size, reinterpret_cast<wchar_t*>(&full[0]), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

FileError ErrorFrom(DWORD code) {
    FileError error;
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            error.kind = FileError::Kind::Missing;
            break;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            error.kind = FileError::Kind::Exists;
            break;
        default:
            error.kind = FileError::Kind::Other;
    }
    error.description = SystemErrorText(code);
    return error;
}

// Virus scanners and indexers hold files open for a moment on real Windows.
bool IsTransient(DWORD code) { return code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION; }

constexpr int kAttempts = 10;
constexpr DWORD kPauseMs = 15;

struct CloseFileHandle {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using File = UniqueHandle<HANDLE, CloseFileHandle>;   // empty where CreateFileW failed

// An empty File leaves the reason in GetLastError.
File OpenWithRetry(const std::u16string& path, DWORD access, DWORD share, DWORD disposition) {
    for (int attempt = 1;; ++attempt) {
        HANDLE handle = CreateFileW(Wide(path), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) return File(handle);
        if (attempt == kAttempts || !IsTransient(GetLastError())) return File();
        Sleep(kPauseMs);
    }
}

// Writes, optionally flushes and closes; the first failing error code, or 0.
DWORD FinishFile(File& file, std::string_view bytes, Durability durability) {
    while (!bytes.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data(), chunk, &written, nullptr)) return GetLastError();
        bytes.remove_prefix(written);
    }
    if (durability == Durability::Flushed && !FlushFileBuffers(file.get())) return GetLastError();
    if (!CloseHandle(file.release())) return GetLastError();
    return 0;
}

class Win32FileSystem : public FileSystem {
public:
    bool Exists(const std::u16string& path) override {
        return GetFileAttributesW(Wide(Absolute(path))) != INVALID_FILE_ATTRIBUTES;
    }

    FileError ReadAll(const std::u16string& path, std::string& bytes) override {
        bytes.clear();
        File file = OpenWithRetry(Absolute(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  OPEN_EXISTING);
        if (!file) return ErrorFrom(GetLastError());
        // Read straight into the result; one byte more than the size sees the end at once.
        LARGE_INTEGER size;
        const bool sized = GetFileSizeEx(file.get(), &size) && size.QuadPart > 0;
        bytes.resize(sized ? static_cast<size_t>(size.QuadPart) + 1 : 65536);
        size_t filled = 0;
        for (;;) {
            if (filled == bytes.size()) bytes.resize(bytes.size() * 2);
            const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - filled, 1u << 24));
            DWORD got = 0;
            if (!ReadFile(file.get(), &bytes[filled], want, &got, nullptr)) {
                FileError error = ErrorFrom(GetLastError());
                bytes.clear();
                return error;
            }
            if (got == 0) {
                bytes.resize(filled);
                return {};
            }
            filled += got;
        }
    }

    FileError CreateNew(const std::u16string& path, std::string_view bytes) override {
        const std::u16string target = Absolute(path);
        File file = OpenWithRetry(target, GENERIC_WRITE, 0, CREATE_NEW);
        if (!file) return ErrorFrom(GetLastError());
        if (DWORD code = FinishFile(file, bytes, Durability::Flushed)) {
            // A half-written backup is worth nothing; the caller reports the first error.
            DeleteFileW(Wide(target));
            return ErrorFrom(code);
        }
        return {};
    }

    FileError Replace(const std::u16string& path, std::string_view bytes, Durability durability) override {
        const std::u16string target = Absolute(path);
        // One temporary name per process, so two running copies never write into each other's.
        const std::u16string temp = target + u'.' + DecimalText(GetCurrentProcessId()) + u".tmp";
        DWORD code = 0;
        {
            File file = OpenWithRetry(temp, GENERIC_WRITE, 0, CREATE_ALWAYS);
            if (!file) {
                FileError error = ErrorFrom(GetLastError());
                error.kind = FileError::Kind::Other;
                return error;
            }
            code = FinishFile(file, bytes, durability);
        }
        for (int attempt = 1; code == 0; ++attempt) {
            if (MoveFileExW(Wide(temp), Wide(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) break;
            DWORD moveError = GetLastError();
            if (attempt == kAttempts || !IsTransient(moveError)) {
                code = moveError;
                break;
            }
            Sleep(kPauseMs);
        }
        if (code != 0) {
            // The target is untouched; a leftover temporary file would only be clutter.
            DeleteFileW(Wide(temp));
            FileError error = ErrorFrom(code);
            error.kind = FileError::Kind::Other;
            return error;
        }
        return {};
    }
};

}  // namespace

FileSystem& SystemFileSystem() {
    static Win32FileSystem fileSystem;
    return fileSystem;
}

}  // namespace papyrka
#endif  // _WIN32
