#pragma once
// A small window over a print of many pages: which page is being spooled, and a button that
// stops the job. While it is up its owner is disabled, as under any dialog, but the thread's
// messages go on being handled between pages, so every window keeps painting and the button
// answers.
#include <windows.h>

#include <string>

#include "win32/gdi.h"
#include "win32/window.h"

namespace papyrka::win {

class PrintProgress final : public Window {
public:
    PrintProgress(HWND owner, std::u16string_view title) : owner_(owner), title_(title) {}
    ~PrintProgress() override;

    // Called as page `number` starts. The window comes up with the second page, so that a
    // short print shows nothing. False once the user has asked to stop.
    bool Page(int number);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool Form_Create();
    void cmdCancel_Click() { cancelled_ = true; }
    bool Open();
    void HandWaitingMessages();

    HWND owner_;
    std::u16string title_;
    HWND label_ = nullptr;
    Font font_;
    bool ownerDisabled_ = false;
    bool cancelled_ = false;
};

}  // namespace papyrka::win
