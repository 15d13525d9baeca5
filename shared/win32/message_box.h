#pragma once
// Message boxes with the program's title and no icon, as every message of the suite.
#include <windows.h>

#include <string_view>

#include "base/reporter.h"
#include "win32/wide.h"

namespace papyrka::win {

void ShowMessage(HWND owner, std::u16string_view title, std::u16string_view text);
bool AskYesNo(HWND owner, std::u16string_view title, std::u16string_view text);
int AskYesNoCancel(HWND owner, std::u16string_view title, std::u16string_view text);   // IDYES, IDNO or IDCANCEL

// Sends the portable code's messages to ShowMessage and its questions to AskYesNo.
class MessageBoxReporter : public Reporter {
public:
    MessageBoxReporter(HWND* owner, std::u16string_view title) : owner_(owner), title_(title) {}
    void Message(const std::u16string& text) override;
    bool Ask(const std::u16string& question) override;

private:
    HWND* owner_;
    std::u16string_view title_;
};

}  // namespace papyrka::win
