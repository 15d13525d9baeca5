#pragma once
// Owns one handle of the system (a GDI object, an icon, a file, a printer's DC) and gives it
// back with `Release` exactly once: move-only, so no handle is ever released twice. An empty
// owner holds nullptr.
#include <utility>

namespace papyrka {

template <typename Handle, typename Release>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) { reset(); handle_ = std::exchange(other.handle_, nullptr); }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_) Release()(handle_);
        handle_ = handle;
    }
    // Gives up ownership, for a caller that must see whether releasing succeeded.
    Handle release() { return std::exchange(handle_, nullptr); }

private:
    Handle handle_ = nullptr;
};

}  // namespace papyrka
