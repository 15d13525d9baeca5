#pragma once
// The thin window base: one static window procedure binds the object to its HWND on
// WM_NCCREATE and unbinds it on WM_NCDESTROY; subclasses only dispatch in HandleMessage.
// No exception crosses into Windows.
#include <windows.h>

namespace papyrka::win {

struct WindowSpec {
    const wchar_t* className = nullptr;
    const wchar_t* title = L"";
    DWORD style = WS_POPUP;
    DWORD exStyle = WS_EX_TOOLWINDOW;   // no taskbar button
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = 0, height = 0;   // device pixels
    HWND owner = nullptr;
    HICON icon = nullptr;
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    bool Create(const WindowSpec& spec);   // registers the class on first use
    void Destroy();

protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// Runs the message loop until WM_QUIT; dialog-style keyboard handling for `dialog`.
int RunMessageLoop(HWND dialog = nullptr);

}  // namespace papyrka::win
