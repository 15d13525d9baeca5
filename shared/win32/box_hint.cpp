#include "win32/box_hint.h"

#include <commctrl.h>

#include <string>

#include "win32/dpi.h"
#include "win32/wide.h"

namespace papyrka::win {

namespace {

constexpr wchar_t kTipProperty[] = L"PapyrkaBoxHint";
constexpr UINT_PTR kTimerId = 0x48696E74;   // unique among the box's timers
constexpr UINT kShownMs = 6000;             // long enough to read two lines
constexpr int kWidthTwips = 4800;           // wraps a hint into two or three lines

HWND TipOf(HWND box) { return static_cast<HWND>(GetPropW(box, kTipProperty)); }

TOOLINFOW ToolFor(HWND box, wchar_t* text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = box;
    tool.uId = reinterpret_cast<UINT_PTR>(box);
    tool.lpszText = text;
    return tool;
}

// Owned by the box's top-level window, so that it stays above it and goes with it.
HWND CreateTip(HWND box) {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    if (!InitCommonControlsEx(&classes)) return nullptr;
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(box, GA_ROOT),
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tip) return nullptr;
    wchar_t none[] = L"";
    TOOLINFOW tool = ToolFor(box, none);
    if (!SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) || !SetPropW(box, kTipProperty, tip)) {
        DestroyWindow(tip);
        return nullptr;
    }
    return tip;
}

void HideBoxHint(HWND box) {
    KillTimer(box, kTimerId);
    if (HWND tip = TipOf(box)) {
        TOOLINFOW tool = ToolFor(box, nullptr);
        SendMessageW(tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace

void ShowBoxHint(HWND box, std::u16string_view text) {
    HWND tip = TipOf(box);
    if (!tip) tip = CreateTip(box);
    if (!tip) return;   // the beep has still said that something was refused
    std::wstring shown(Wide(text), text.size());
    TOOLINFOW tool = ToolFor(box, shown.data());
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, ScreenMapping(box).W(kWidthTwips));
    SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    RECT edges;
    if (!GetWindowRect(box, &edges)) return;
    SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(edges.left, edges.bottom));
    SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SetTimer(box, kTimerId, kShownMs, nullptr);
}

bool BoxHintMessage(HWND box, UINT message, WPARAM wParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam != kTimerId) return false;
        HideBoxHint(box);
        return true;
    case WM_KILLFOCUS:
        HideBoxHint(box);
        return false;
    case WM_NCDESTROY:
        KillTimer(box, kTimerId);
        // The top-level window may have taken its owned tip down already.
        if (HWND tip = static_cast<HWND>(RemovePropW(box, kTipProperty)); tip && IsWindow(tip)) DestroyWindow(tip);
        return false;
    default:
        return false;
    }
}

}  // namespace papyrka::win
