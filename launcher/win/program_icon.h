#pragma once
// The program icon as a Windows icon handle, made at run time from the same geometry that
// the build step writes into the .exe.
#include <windows.h>

#include <utility>

namespace papyrka::launcher {

// Owns an icon handle made by CreateIconIndirect; move-only.
class Icon {
public:
    Icon() = default;
    explicit Icon(HICON icon) : icon_(icon) {}
    Icon(Icon&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
    Icon& operator=(Icon&& other) noexcept {
        if (this != &other) {
            reset();
            icon_ = std::exchange(other.icon_, nullptr);
        }
        return *this;
    }
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;
    ~Icon() { reset(); }

    HICON get() const { return icon_; }
    explicit operator bool() const { return icon_ != nullptr; }
    void reset() {
        if (icon_) DestroyIcon(icon_);
        icon_ = nullptr;
    }

private:
    HICON icon_ = nullptr;
};

// The walking figure at `size` x `size` pixels in 16 colours; empty when the system refuses.
Icon MakeProgramIcon(int size);

}  // namespace papyrka::launcher
