#pragma once
// Driving a record editor window in-process, as a user would: mouse messages at pixel
// positions, typed characters, and scripted answers to the message boxes and the search
// dialog that come up modally on this thread (a WH_CBT hook answers them on activation).
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "designer/win/editor_window.h"
#include "designer/win/search_dialog.h"
#include "win32/wide.h"

namespace papyrka::test {

inline std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline std::wstring W(std::u16string_view text) { return std::wstring(win::Wide(text), text.size()); }

// A folder of its own under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        for (unsigned attempt = GetTickCount() ^ GetCurrentProcessId();; ++attempt) {
            path_ = std::filesystem::temp_directory_path() / (L"papyrka-editor-" + std::to_wstring(attempt));
            if (std::filesystem::create_directory(path_)) break;
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::u16string path() const { return path_.u16string(); }
    std::wstring File(const wchar_t* name) const { return (path_ / name).wstring(); }
    std::string Read(const wchar_t* name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
    }
    void Write(const wchar_t* name, const std::string& bytes) const {
        std::ofstream out(path_ / name, std::ios::binary);
        ASSERT_TRUE((out << bytes).good());
    }

private:
    std::filesystem::path path_;
};

inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// What a modal window showed and how its owner stood when it came up.
struct SeenModal {
    std::wstring title;
    std::wstring text;          // a message box's text
    bool ownerVisible = false;
    bool ownerEnabled = true;   // false while a modal window holds it
    RECT frame{};               // screen position when it came up
};

// Answers to the modal windows that come up, in order: a message box button, or a search
// text typed into frmSearch and then Enter, the "Hľadať" button, Esc or its "Koniec" label.
struct ModalAnswer {
    enum Kind { Button, SearchEnter, SearchEscape, SearchKoniec, SearchConfirmButton } kind;
    int button = IDOK;
    std::wstring text;
};

class ModalAnswers {
public:
    ModalAnswers() : hook_(SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId())) { active_ = this; }
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;
    ~ModalAnswers() {
        UnhookWindowsHookEx(hook_);
        active_ = nullptr;
    }
    void Push(ModalAnswer answer) { answers_.push_back(std::move(answer)); }
    bool AllUsed() const { return answers_.empty(); }

    std::vector<SeenModal> seen;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && active_) active_->Answer(reinterpret_cast<HWND>(wParam));
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    void Answer(HWND window) {
        wchar_t className[64] = {};
        GetClassNameW(window, className, 64);
        const std::wstring kind = className;
        const bool search = kind == L"PapyrkafrmSearch";
        if ((kind != L"#32770" && !search) || !handled_.insert(window).second) return;
        HWND owner = GetWindow(window, GW_OWNER);
        wchar_t text[1024] = {};
        GetDlgItemTextW(window, 0xFFFF, text, 1024);   // a message box's text
        RECT frame{};
        GetWindowRect(window, &frame);
        seen.push_back(
            SeenModal{TextOf(window), text, owner && IsWindowVisible(owner), owner && IsWindowEnabled(owner), frame});

        ModalAnswer answer{search ? ModalAnswer::SearchEscape : ModalAnswer::Button,
                           GetDlgItem(window, IDNO) ? IDNO : IDOK, {}};
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected modal window: " << std::string(kind.begin(), kind.end());
        } else {
            answer = answers_.front();
            answers_.pop_front();
        }
        if (answer.kind == ModalAnswer::Button) {
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(answer.button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(window, answer.button)));
            return;
        }
        HWND box = GetDlgItem(window, SearchDialog::kFindWhatId);
        for (wchar_t ch : answer.text) PostMessageW(box, WM_CHAR, ch, 1);
        const LPARAM koniec = MAKELPARAM(3000 / 15, 1440 / 15);   // inside Label19 at 96 dpi
        switch (answer.kind) {
        case ModalAnswer::SearchEnter: PostMessageW(box, WM_KEYDOWN, VK_RETURN, 1); break;
        case ModalAnswer::SearchEscape: PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 1); break;
        case ModalAnswer::SearchConfirmButton:
            PostMessageW(GetDlgItem(window, SearchDialog::kFindFirstId), BM_CLICK, 0, 0);
            break;
        default:
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
    int Label(std::string_view name) const { return form_.Labels().Find(name); }
    RECT LabelRect(std::string_view name) const { return form_.Labels().PixelRect(form_.Mapping(), Label(name)); }
    POINT Centre(std::string_view label) const {
        const RECT r = LabelRect(label);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    POINT AtTwips(int x, int y) const { return POINT{form_.Mapping().X(x), form_.Mapping().Y(y)}; }
    COLORREF Colour(std::string_view label) const { return form_.Labels()[Label(label)].colour; }
    std::u16string Caption(std::string_view label) const { return form_.Labels()[Label(label)].caption; }
    HWND Box(std::string_view control) const { return form_.Box(control); }

    void MoveTo(POINT pixel) const { SendMessageW(window(), WM_MOUSEMOVE, 0, MAKELPARAM(pixel.x, pixel.y)); }
    void Click(POINT pixel) const {
        MoveTo(pixel);
        SendMessageW(window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pixel.x, pixel.y));
        SendMessageW(window(), WM_LBUTTONUP, 0, MAKELPARAM(pixel.x, pixel.y));
    }
    void ClickLabel(std::string_view name) const { Click(Centre(name)); }
    void Type(HWND box, std::u16string_view text) const {
        for (char16_t ch : text) SendMessageW(box, WM_CHAR, ch, 1);
    }
    // The cursor the window sets with the mouse at `pixel`.
    HCURSOR CursorAt(POINT pixel) const {
        ClientToScreen(window(), &pixel);
        SetCursorPos(pixel.x, pixel.y);
        SetCursor(nullptr);
        SendMessageW(window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    }

private:
    EditorWindow& form_;
};

}  // namespace papyrka::test
