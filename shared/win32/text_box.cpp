#include "win32/text_box.h"

#include <commctrl.h>

#include <string>

#include "base/box_filter.h"
#include "win32/box_hint.h"
#include "win32/wide.h"

namespace papyrka::win {

namespace {

constexpr UINT_PTR kFilterId = 0x50617079;   // any value unique among this box's subclasses

void Refuse(HWND box, char16_t refused) {
    MessageBeep(MB_OK);
    ShowBoxHint(box, RefusalHint(refused));
}

bool ClipboardText(HWND owner, std::u16string& text) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return false;
    bool got = false;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = Utf16(std::wstring(chars));
            GlobalUnlock(data);
            got = true;
        }
    }
    CloseClipboard();
    return got;
}

void PasteStorable(HWND box) {
    if (GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) return;
    std::u16string pasted;
    if (!ClipboardText(box, pasted)) return;
    const bool multiLine = (GetWindowLongPtrW(box, GWL_STYLE) & ES_MULTILINE) != 0;
    const PasteFilter kept = FilterPastedText(pasted, multiLine);
    if (kept.dropped) Refuse(box, kept.firstRefused);
    const std::wstring text(Wide(kept.text), kept.text.size());
    SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void MoveFocusOn(HWND box) {
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    HWND next = GetNextDlgTabItem(GetParent(box), box, backwards ? TRUE : FALSE);
    if (!next) return;
    SetFocus(next);
    // As in every dialog: a single-line box is entered with its text selected, ready to be
    // typed over; a multi-line one keeps its caret.
    wchar_t kind[8] = {};
    if (GetClassNameW(next, kind, 8) && lstrcmpiW(kind, L"EDIT") == 0 && !(GetWindowLongPtrW(next, GWL_STYLE) & ES_MULTILINE))
        SendMessageW(next, EM_SETSEL, 0, -1);
}

bool ControlOrAltHeld() { return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0; }

LRESULT CALLBACK FilterProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (BoxHintMessage(box, message, wParam)) return 0;
    switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR: {
        const auto ch = static_cast<char16_t>(wParam);
        if (ch == u'\t') return 0;   // Tab moves the focus on key down
        // Control characters below a space are the edit's own commands (copy, paste, undo,
        // line break, backspace), not text.
        if (ch >= 0x20 && IsRefusedInBox(ch)) {
            Refuse(box, ch);
            return 0;
        }
        break;
    }
    case WM_KEYDOWN:
        if (wParam == VK_TAB && !ControlOrAltHeld()) {
            MoveFocusOn(box);
            return 0;
        }
        break;
    case WM_PASTE:
        PasteStorable(box);
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(box, FilterProcedure, kFilterId);
        break;
    default:
        break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

DWORD StyleBits(const EditStyle& style) {
    DWORD bits = WS_CHILD | WS_TABSTOP | (style.visible ? WS_VISIBLE : 0u);
    if (style.multiLine)
        bits |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | (style.scrollBar ? WS_VSCROLL : 0u) |
                (style.wrapped ? 0u : ES_AUTOHSCROLL);
    else
        bits |= ES_AUTOHSCROLL;
    if (style.align == Align::Centre) bits |= ES_CENTER;
    if (style.align == Align::Right) bits |= ES_RIGHT;
    return bits;
}

}  // namespace

HWND CreateStorableTextBox(HWND parent, int id, const EditStyle& style) {
    HWND box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", StyleBits(style), 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!box) return nullptr;
    // A field may hold more than the edit control's default 30,000 characters; with that
    // limit such a field would refuse every key.
    SendMessageW(box, EM_SETLIMITTEXT, 0, 0);
    if (!SetWindowSubclass(box, FilterProcedure, kFilterId, 0)) {
        DestroyWindow(box);
        return nullptr;
    }
    return box;
}

}  // namespace papyrka::win
