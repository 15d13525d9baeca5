#pragma once
// For tests of what the user sees when printing cannot happen: the user's default printer
// replaced for one test (and put back), and the message boxes that follow, closed and read.
#include <windows.h>

#include <string>

namespace papyrka::test {

// The per-user "Device" setting that names the default printer.
class DefaultPrinterSetting {
public:
    DefaultPrinterSetting();
    DefaultPrinterSetting(const DefaultPrinterSetting&) = delete;
    DefaultPrinterSetting& operator=(const DefaultPrinterSetting&) = delete;
    ~DefaultPrinterSetting();   // puts the setting back as it was

    bool ok() const { return key_ != nullptr; }
    void SetMissingPrinter(const std::wstring& name);   // a default printer that does not exist
    void Remove();                                       // no default printer at all

private:
    void Set(const std::wstring& device);
    HKEY key_ = nullptr;
    bool had_ = false;
    std::wstring saved_;
};

// While it lives, every message box this thread shows is closed with OK as it appears; the
// last one's title and text are kept.
class MessageBoxCloser {
public:
    MessageBoxCloser();
    MessageBoxCloser(const MessageBoxCloser&) = delete;
    MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;
    ~MessageBoxCloser();

    int shown = 0;
    std::wstring title;
    std::wstring text;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    static inline MessageBoxCloser* active_ = nullptr;
    HHOOK hook_ = nullptr;
};

}  // namespace papyrka::test
