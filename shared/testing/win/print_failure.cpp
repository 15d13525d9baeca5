#include "print_failure.h"

#include <cwchar>

namespace papyrka::test {

namespace {

constexpr const wchar_t* kWindowsKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

MessageBoxCloser* activeCloser = nullptr;

void SetDevice(HKEY key, const std::wstring& device) {
    RegSetValueExW(key, L"Device", 0, REG_SZ, reinterpret_cast<const BYTE*>(device.c_str()),
                   static_cast<DWORD>((device.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

DefaultPrinterSetting::DefaultPrinterSetting() {
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kWindowsKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key_) != ERROR_SUCCESS) {
        key_ = nullptr;
        return;
    }
    wchar_t value[1024]{};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    had_ = RegQueryValueExW(key_, L"Device", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
    if (had_) saved_ = value;
}

DefaultPrinterSetting::~DefaultPrinterSetting() {
    if (!key_) return;
    if (had_) {
        SetDevice(key_, saved_);
    } else {
        RegDeleteValueW(key_, L"Device");
    }
    RegCloseKey(key_);
}

void DefaultPrinterSetting::SetMissingPrinter(const std::wstring& name) { SetDevice(key_, name + L",winspool,FILE:"); }

void DefaultPrinterSetting::Remove() { RegDeleteValueW(key_, L"Device"); }

MessageBoxCloser::MessageBoxCloser() {
    activeCloser = this;
    hook_ = SetWindowsHookExW(WH_CBT, &MessageBoxCloser::Hook, nullptr, GetCurrentThreadId());
}

MessageBoxCloser::~MessageBoxCloser() {
    if (hook_) UnhookWindowsHookEx(hook_);
    activeCloser = nullptr;
}

LRESULT CALLBACK MessageBoxCloser::Hook(int code, WPARAM wParam, LPARAM lParam) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    wchar_t className[32]{};
    if (code == HCBT_ACTIVATE && activeCloser && GetClassNameW(window, className, 32) &&
        std::wcscmp(className, L"#32770") == 0) {
        wchar_t buffer[1024]{};
        GetWindowTextW(window, buffer, 1024);
        activeCloser->title = buffer;
        GetDlgItemTextW(window, 0xFFFF, buffer, 1024);   // a message box's text control
        activeCloser->text = buffer;
        ++activeCloser->shown;
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace papyrka::test
