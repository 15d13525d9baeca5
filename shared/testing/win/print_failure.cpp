#include "print_failure.h"

namespace papyrka::test {

DefaultPrinterSetting::DefaultPrinterSetting() {
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", 0,
                      KEY_QUERY_VALUE | KEY_SET_VALUE, &key_) != ERROR_SUCCESS) {
        key_ = nullptr;
        return;
    }
    wchar_t value[1024]{};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    had_ = RegQueryValueExW(key_, L"Device", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
    saved_ = value;
}

DefaultPrinterSetting::~DefaultPrinterSetting() {
    if (!key_) return;
    had_ ? Set(saved_) : Remove();
    RegCloseKey(key_);
}

void DefaultPrinterSetting::Set(const std::wstring& device) {
    RegSetValueExW(key_, L"Device", 0, REG_SZ, reinterpret_cast<const BYTE*>(device.c_str()),
                   static_cast<DWORD>((device.size() + 1) * sizeof(wchar_t)));
}

void DefaultPrinterSetting::SetMissingPrinter(const std::wstring& name) { Set(name + L",winspool,FILE:"); }

void DefaultPrinterSetting::Remove() { RegDeleteValueW(key_, L"Device"); }

MessageBoxCloser::MessageBoxCloser() : hook_(SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId())) {
    active_ = this;
}

MessageBoxCloser::~MessageBoxCloser() {
    if (hook_) UnhookWindowsHookEx(hook_);
    active_ = nullptr;
}

LRESULT CALLBACK MessageBoxCloser::Hook(int code, WPARAM wParam, LPARAM lParam) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    wchar_t text[1024]{};
    if (code == HCBT_ACTIVATE && active_ && GetClassNameW(window, text, 1024) && std::wstring(text) == L"#32770") {
        GetWindowTextW(window, text, 1024);
        active_->title = text;
        GetDlgItemTextW(window, 0xFFFF, text, 1024);   // a message box's text control
        active_->text = text;
        ++active_->shown;
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace papyrka::test
