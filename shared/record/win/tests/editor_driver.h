#pragma once
// Driving a record editor window in-process, as a user would: mouse messages at pixel
// positions, typed characters, and scripted answers to the message boxes and the search
// dialog that come up modally on this thread (a WH_CBT hook answers them on activation).
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "form3.h"
#include "frm_search.h"
#include "wide.h"

namespace papyrka::test {

// A folder of its own under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH + 1];
        const DWORD length = GetTempPathW(MAX_PATH + 1, base);
        for (unsigned attempt = GetTickCount() ^ GetCurrentProcessId();; ++attempt) {
            path_ = std::wstring(base, length) + L"papyrka-editor-" + std::to_wstring(attempt);
            if (CreateDirectoryW(path_.c_str(), nullptr)) break;
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do DeleteFileW((path_ + L"\\" + found.cFileName).c_str());
            while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(path_.c_str());
    }
    std::u16string path() const { return win::Utf16(path_); }
    std::wstring File(const wchar_t* name) const { return path_ + L"\\" + name; }
    bool Exists(const wchar_t* name) const { return GetFileAttributesW(File(name).c_str()) != INVALID_FILE_ATTRIBUTES; }
    std::string Read(const wchar_t* name) const {
        std::string bytes;
        HANDLE file = CreateFileW(File(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return "<missing>";
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
        CloseHandle(file);
        return bytes;
    }
    void Write(const wchar_t* name, const std::string& bytes) const {
        HANDLE file = CreateFileW(File(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        ASSERT_EQ(written, bytes.size());
    }

private:
    std::wstring path_;
};

inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

inline std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline std::wstring W(std::u16string_view text) { return std::wstring(win::Wide(text), text.size()); }

// What a modal window showed and how the owner stood when it came up.
struct SeenModal {
    std::wstring title;
    std::wstring text;          // a message box's text
    bool ownerVisible = false;
    bool ownerEnabled = true;   // false while a modal window holds it
    RECT frame{};               // screen position when it came up
};

// Answers to the modal windows that come up, in order.
struct ModalAnswer {
    enum Kind { Button, SearchEnter, SearchEscape, SearchKoniec, SearchConfirmButton } kind;
    int button = IDOK;          // for Button
    std::wstring text;          // typed into txtFindWhat before confirming
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
        if (kind != L"#32770" && kind != L"PapyrkafrmSearch") return;
        if (!handled_.insert(window).second) return;
        HWND owner = GetWindow(window, GW_OWNER);
        wchar_t text[1024] = {};
        GetDlgItemTextW(window, 0xFFFF, text, 1024);   // a message box's text
        RECT frame{};
        GetWindowRect(window, &frame);
        seen.push_back(SeenModal{TextOf(window), text, owner && IsWindowVisible(owner),
                                 owner && IsWindowEnabled(owner), frame});

        ModalAnswer answer{ModalAnswer::Button, IDOK, {}};
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        } else {
            ADD_FAILURE() << "unexpected modal window: " << std::string(kind.begin(), kind.end());
            if (kind == L"PapyrkafrmSearch") answer.kind = ModalAnswer::SearchEscape;
            else if (GetDlgItem(window, IDNO)) answer.button = IDNO;
        }
        HWND box = GetDlgItem(window, FrmSearch::kFindWhatId);
        switch (answer.kind) {
        case ModalAnswer::Button:
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(answer.button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(window, answer.button)));
            break;
        case ModalAnswer::SearchEnter:
            for (wchar_t ch : answer.text) PostMessageW(box, WM_CHAR, ch, 1);
            PostMessageW(box, WM_KEYDOWN, VK_RETURN, 1);
            break;
        case ModalAnswer::SearchConfirmButton:
            for (wchar_t ch : answer.text) PostMessageW(box, WM_CHAR, ch, 1);
            PostMessageW(GetDlgItem(window, FrmSearch::kFindFirstId), BM_CLICK, 0, 0);
            break;
        case ModalAnswer::SearchEscape:
            for (wchar_t ch : answer.text) PostMessageW(box, WM_CHAR, ch, 1);
            PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 1);
            break;
        case ModalAnswer::SearchKoniec: {
            for (wchar_t ch : answer.text) PostMessageW(box, WM_CHAR, ch, 1);
            const LPARAM koniec = MAKELPARAM(3000 / 15, 1440 / 15);   // inside Label19 at 96 dpi
            PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, koniec);
            PostMessageW(window, WM_LBUTTONUP, 0, koniec);
            break;
        }
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
    explicit EditorDriver(Form3& form) : form_(form) {}

    HWND window() const { return form_.hwnd(); }
    int Label(std::string_view name) const { return form_.Labels().Find(name); }
    POINT Centre(std::string_view label) const {
        const RECT r = form_.Labels().PixelRect(form_.Mapping(), Label(label));
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    POINT AtTwips(int x, int y) const { return POINT{form_.Mapping().X(x), form_.Mapping().Y(y)}; }

    void MoveTo(POINT pixel) const { SendMessageW(window(), WM_MOUSEMOVE, 0, MAKELPARAM(pixel.x, pixel.y)); }
    void Click(POINT pixel) const {
        MoveTo(pixel);
        SendMessageW(window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pixel.x, pixel.y));
        SendMessageW(window(), WM_LBUTTONUP, 0, MAKELPARAM(pixel.x, pixel.y));
    }
    void ClickLabel(std::string_view name) const { Click(Centre(name)); }

    COLORREF Colour(std::string_view label) const { return form_.Labels()[Label(label)].colour; }
    std::u16string Caption(std::string_view label) const { return form_.Labels()[Label(label)].caption; }

    HWND Box(std::string_view control) const { return form_.Box(control); }
    void Type(HWND box, std::u16string_view text) const {
        for (char16_t ch : text) SendMessageW(box, WM_CHAR, ch, 1);
    }
    // The cursor the window sets with the mouse at `pixel`.
    HCURSOR CursorAt(POINT pixel) const {
        POINT screen = pixel;
        ClientToScreen(window(), &screen);
        SetCursorPos(screen.x, screen.y);
        SetCursor(nullptr);
        SendMessageW(window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    }

private:
    Form3& form_;
};

}  // namespace papyrka::test
