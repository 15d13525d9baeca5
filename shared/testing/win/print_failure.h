#pragma once
// When printing cannot happen: the default printer replaced for one test, the messages read.
#include <windows.h>

#include <string>

namespace papyrka::test {

// The per-user "Device" setting that names the default printer, put back on destruction.
class DefaultPrinterSetting {
public:
    // Wine's spooler makes CUPS's default printer the default as it loads, and the programs
    // load it at their first print: loaded first, it cannot undo the setting made here.
    DefaultPrinterSetting() : spooler_(LoadLibraryW(L"winspool.drv")) {
        if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", 0,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, &key_))
            key_ = nullptr;
        wchar_t value[1024]{};
        DWORD size = sizeof(value) - sizeof(wchar_t);
        had_ = key_ && !RegQueryValueExW(key_, L"Device", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
        saved_ = value;
    }
    DefaultPrinterSetting(const DefaultPrinterSetting&) = delete;
    DefaultPrinterSetting& operator=(const DefaultPrinterSetting&) = delete;
    ~DefaultPrinterSetting() {
        if (spooler_) FreeLibrary(spooler_);
        if (!key_) return;
        had_ ? Set(saved_) : Remove();
        RegCloseKey(key_);
    }

    bool ok() const { return key_ != nullptr; }
    void SetMissingPrinter(const std::wstring& name) { Set(name + L",winspool,FILE:"); }
    void Remove() { RegDeleteValueW(key_, L"Device"); }   // no default printer at all

private:
    void Set(const std::wstring& device) {
        RegSetValueExW(key_, L"Device", 0, REG_SZ, reinterpret_cast<const BYTE*>(device.c_str()),
                       static_cast<DWORD>((device.size() + 1) * sizeof(wchar_t)));
    }
    HMODULE spooler_;
    HKEY key_ = nullptr;
    bool had_ = false;
    std::wstring saved_;
};

// While it lives, every message box this thread shows is closed with OK as it comes up; the
// last one's title and text are kept.
class MessageBoxCloser {
public:
    MessageBoxCloser() : hook_(SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId())) { active_ = this; }
    MessageBoxCloser(const MessageBoxCloser&) = delete;
    MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;
    ~MessageBoxCloser() {
        UnhookWindowsHookEx(hook_);
        active_ = nullptr;
    }

    int shown = 0;
    std::wstring title, text;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const HWND box = reinterpret_cast<HWND>(wParam);
        wchar_t buffer[1024]{};
        if (code == HCBT_ACTIVATE && active_ && GetClassNameW(box, buffer, 1024) && std::wstring(buffer) == L"#32770") {
            active_->title = GetWindowTextW(box, buffer, 1024) ? buffer : L"";
            active_->text = GetDlgItemTextW(box, 0xFFFF, buffer, 1024) ? buffer : L"";   // its text control
            ++active_->shown;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline MessageBoxCloser* active_ = nullptr;
    HHOOK hook_;
};

}  // namespace papyrka::test
