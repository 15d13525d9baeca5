#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

#include "base/system_error.h"
#include "base/unique_handle.h"
#include "record/file_io.h"
#include "record/save_temp_name.h"

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

struct CloseFind {
    void operator()(HANDLE handle) const { FindClose(handle); }
};
using Find = UniqueHandle<HANDLE, CloseFind>;

// The first failing error code, or 0.
DWORD WriteAll(File& file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data(), chunk, &written, nullptr)) return GetLastError();
        bytes.remove_prefix(written);
    }
    return 0;
}

// Flushes if asked and closes; the first failing error code, or 0.
DWORD FlushAndClose(File& file, Durability durability) {
    if (durability == Durability::Flushed && !FlushFileBuffers(file.get())) return GetLastError();
    if (!CloseHandle(file.release())) return GetLastError();
    return 0;
}

FileError Failed(SaveStep step, DWORD code) {
    FileError error = ErrorFrom(code);
    error.kind = FileError::Kind::Other;
    error.step = step;
    return error;
}

// Only files of the temporary files' own shape: a save that is still writing holds its file
// open without delete sharing, so the delete fails on it and it stays.
void RemoveLeftovers(const std::u16string& path) {
    const std::u16string folder = FolderOf(path), name = NameOf(path);
    WIN32_FIND_DATAW found;
    const HANDLE first = FindFirstFileW(Wide(path + u".~*.tmp"), &found);
    if (first == INVALID_HANDLE_VALUE) return;   // nothing found, or the save itself will say what is wrong
    const Find find(first);
    do {
        const std::u16string foundName(reinterpret_cast<const char16_t*>(found.cFileName));
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsSaveTempName(foundName, name))
            DeleteFileW(Wide(folder + foundName));
    } while (FindNextFileW(find.get(), &found));
}

class Win32FileSystem : public FileSystem {
public:
    explicit Win32FileSystem(SaveStepCheck check = {}) : check_(std::move(check)) {}

    bool Exists(const std::u16string& path) override {
        return GetFileAttributesW(Wide(Absolute(path))) != INVALID_FILE_ATTRIBUTES;
    }

    FileStamp Stamp(const std::u16string& path) override {
        FileStamp stamp;
        // No access asked for: another program's open handle, whatever its sharing, never stops this.
        File file = OpenWithRetry(Absolute(path), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
        if (!file) {
            if (ErrorFrom(GetLastError()).kind == FileError::Kind::Missing) stamp.state = FileStamp::State::Missing;
            return stamp;
        }
        BY_HANDLE_FILE_INFORMATION info;
        if (!GetFileInformationByHandle(file.get(), &info)) return stamp;
        auto join = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
        stamp.state = FileStamp::State::Present;
        stamp.size = join(info.nFileSizeHigh, info.nFileSizeLow);
        stamp.writeTime = join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime);
        stamp.identity = join(info.nFileIndexHigh, info.nFileIndexLow);
        stamp.volume = info.dwVolumeSerialNumber;
        return stamp;
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
        DWORD code = WriteAll(file, bytes);
        if (code == 0) code = FlushAndClose(file, Durability::Flushed);
        if (code != 0) {
            // A half-written backup is worth nothing. Closed first: Windows deletes no open file.
            file.reset();
            DeleteFileW(Wide(target));
            return ErrorFrom(code);
        }
        return {};
    }

    FileError Replace(const std::u16string& path, const Pieces& pieces, Durability durability) override {
        const std::u16string target = Absolute(path);
        // Wine lets the rename below replace a read-only file, Windows does not: both refuse it here.
        const DWORD attributes = GetFileAttributesW(Wide(target));
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return ReadOnlyError();
        RemoveLeftovers(target);
        if (FileError error = Check(SaveStep::Create)) return error;
        std::u16string temp;
        File file;
        for (int attempt = 1; !file; ++attempt) {
            temp = NewSaveTempPath(target);
            file = OpenWithRetry(temp, GENERIC_WRITE, 0, CREATE_NEW);
            const DWORD code = file ? 0 : GetLastError();
            if (code != 0 && (code != ERROR_FILE_EXISTS || attempt == kAttempts)) return Failed(SaveStep::Create, code);
        }
        // The temporary file goes whatever fails; the target is untouched then.
        auto abandon = [&](FileError error) {
            file.reset();
            DeleteFileW(Wide(temp));
            return error;
        };
        if (FileError error = Check(SaveStep::Write)) return abandon(error);
        for (std::string_view piece : pieces)
            if (DWORD code = WriteAll(file, piece)) return abandon(Failed(SaveStep::Write, code));
        if (FileError error = Check(SaveStep::Flush)) return abandon(error);
        if (DWORD code = FlushAndClose(file, durability)) return abandon(Failed(SaveStep::Flush, code));
        if (FileError error = Check(SaveStep::Replace)) return abandon(error);
        for (int attempt = 1;; ++attempt) {
            if (MoveFileExW(Wide(temp), Wide(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
            const DWORD code = GetLastError();
            if (attempt == kAttempts || !IsTransient(code)) return abandon(Failed(SaveStep::Replace, code));
            Sleep(kPauseMs);
        }
    }

private:
    FileError Check(SaveStep step) {
        FileError error = check_ ? check_(step) : FileError();
        if (error) error.step = step;
        return error;
    }

    SaveStepCheck check_;
};

}  // namespace

FileSystem& SystemFileSystem() {
    static Win32FileSystem fileSystem;
    return fileSystem;
}

std::unique_ptr<FileSystem> SystemFileSystemChecking(SaveStepCheck check) {
    return std::make_unique<Win32FileSystem>(std::move(check));
}

}  // namespace papyrka
#endif  // _WIN32
