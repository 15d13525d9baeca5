#pragma once
// Driving a record editor window in-process, as a user would: mouse messages at pixel
// positions, typed characters, and scripted answers to the message boxes and the search
// dialog that come up modally on this thread (a WH_CBT hook answers them on activation).
#include <windows.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "designer/win/editor_window.h"
#include "designer/win/search_dialog.h"
#include "testing/test_support.h"
#include "win32/wide.h"

namespace papyrka::test {

inline std::wstring W(std::u16string_view text) { return std::wstring(win::Wide(text), text.size()); }

inline std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline void PumpMessages() {
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// What a modal window showed, how its owner stood and where it was when it came up.
struct SeenModal {
    std::wstring title, text;   // text: a message box's
    bool ownerVisible = false, ownerEnabled = true;
    RECT frame{};
};

// An answer to the next modal window: a message box button, or a search text typed into
// frmSearch followed by Enter, Esc, its "Koniec" label or its "Hľadať" button.
struct ModalAnswer {
    enum Kind { Button, SearchEnter, SearchEscape, SearchKoniec, SearchConfirmButton, LeftAlone } kind;
    int button = IDOK;
    std::wstring text;
};

class ModalAnswers {
public:
    ModalAnswers() : hook_(SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId())) { active_ = this; }
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;
    ~ModalAnswers() { UnhookWindowsHookEx(hook_), active_ = nullptr; }
    void Push(ModalAnswer answer) { answers_.push_back(std::move(answer)); }

    std::vector<SeenModal> seen;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && active_) active_->Answer(reinterpret_cast<HWND>(wParam));
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    void Answer(HWND window) {
        wchar_t kind[64] = {}, text[1024] = {};
        GetClassNameW(window, kind, 64);
        const bool search = std::wstring(kind) == L"PapyrkafrmSearch", progress = std::wstring(kind) == L"PapyrkaPrintProgress";
        if ((std::wstring(kind) != L"#32770" && !search && !progress) || !handled_.insert(window).second) return;
        HWND owner = GetWindow(window, GW_OWNER), box = GetDlgItem(window, SearchDialog::kFindWhatId);
        GetDlgItemTextW(window, 0xFFFF, text, 1024);   // a message box's or the print progress's text
        RECT frame{};
        GetWindowRect(window, &frame);
        seen.push_back({TextOf(window), text, owner && IsWindowVisible(owner), owner && IsWindowEnabled(owner), frame});
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected " << (search ? "search dialog" : progress ? "print progress" : "message box");
            answers_.push_back({search ? ModalAnswer::SearchEscape : ModalAnswer::Button,
                                GetDlgItem(window, IDNO) ? IDNO : IDOK, {}});
        }
        const ModalAnswer answer = answers_.front();
        answers_.pop_front();
        for (wchar_t ch : answer.text) PostMessageW(box, WM_CHAR, ch, 1);
        const LPARAM koniec = MAKELPARAM(3000 / 15, 1440 / 15);   // inside Label19 at 96 dpi
        switch (answer.kind) {
        case ModalAnswer::LeftAlone: break;   // seen only: it goes by itself
        case ModalAnswer::Button:
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(answer.button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(window, answer.button)));
            break;
        case ModalAnswer::SearchEnter: PostMessageW(box, WM_KEYDOWN, VK_RETURN, 1); break;
        case ModalAnswer::SearchEscape: PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 1); break;
        case ModalAnswer::SearchConfirmButton:
            PostMessageW(GetDlgItem(window, SearchDialog::kFindFirstId), BM_CLICK, 0, 0);
            break;
        case ModalAnswer::SearchKoniec:
            PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, koniec);
            PostMessageW(window, WM_LBUTTONUP, 0, koniec);
        }
    }

    static inline ModalAnswers* active_ = nullptr;
    HHOOK hook_;
    std::deque<ModalAnswer> answers_;
    std::set<HWND> handled_;
};

// Mouse and keyboard on a Form3, at the pixels its own mapping gives.
class EditorDriver {
public:
    explicit EditorDriver(EditorWindow& form) : form_(form) {}

    HWND window() const { return form_.hwnd(); }
    POINT AtTwips(int x, int y) const { return POINT{form_.Mapping().X(x), form_.Mapping().Y(y)}; }
    std::u16string Caption(std::string_view label) const { return form_.Labels()[form_.Labels().Find(label)].caption; }
    COLORREF Colour(std::string_view label) const { return form_.Labels()[form_.Labels().Find(label)].colour; }
    HWND Box(std::string_view control) const { return form_.Box(control); }

    void Click(POINT pixel) const {
        for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
            SendMessageW(window(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(pixel.x, pixel.y));
    }
    void ClickLabel(std::string_view name) const {
        const RECT r = form_.Labels().PixelRect(form_.Mapping(), form_.Labels().Find(name));
        Click(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    void Type(HWND box, std::u16string_view text) const {
        for (char16_t ch : text) SendMessageW(box, WM_CHAR, ch, 1);
    }

private:
    EditorWindow& form_;
};

}  // namespace papyrka::test
