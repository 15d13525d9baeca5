#include "win32/print_progress.h"

#include "base/decimal.h"
#include "win32/dpi.h"
#include "win32/fonts.h"
#include "win32/wide.h"

namespace papyrka::win {

namespace {

constexpr int kCancelId = IDCANCEL;   // Esc and the close box do what the button does
constexpr int kTextId = 0xFFFF;       // where a message box keeps its text, for tools that read it

constexpr int kClientWidth = 4500, kClientHeight = 1440, kMargin = 240;
constexpr TwipsRect kTextRect{kMargin, kMargin, kClientWidth - 2 * kMargin, 330};
constexpr TwipsRect kButtonRect{(kClientWidth - 1320) / 2, kClientHeight - kMargin - 390, 1320, 390};
constexpr FontSpec kFont{u"MS Sans Serif", 8.25};

std::u16string PageLine(int number) { return u"Tlačí sa strana " + DecimalText(number) + u" …"; }

}  // namespace

PrintProgress::~PrintProgress() {
    // The owner first, so that it, not some other program, is activated when this goes.
    if (ownerDisabled_) EnableWindow(owner_, TRUE);
    Destroy();
}

bool PrintProgress::Page(int number) {
    if (number >= 2 && !hwnd() && !Open()) return !cancelled_;   // without the window the print still goes on
    if (label_) SetWindowTextW(label_, Wide(PageLine(number)));
    HandWaitingMessages();
    return !cancelled_;
}

bool PrintProgress::Open() {
    WindowSpec spec;
    spec.className = L"PapyrkaPrintProgress";
    spec.title = reinterpret_cast<const wchar_t*>(title_.c_str());
    spec.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    spec.exStyle = WS_EX_DLGMODALFRAME;
    spec.owner = owner_;
    if (!Create(spec)) return false;
    if (!Form_Create()) {
        Destroy();
        return false;
    }
    CentreOnScreen(hwnd(), ClientSizeForTwips(hwnd(), kClientWidth, kClientHeight));
    ownerDisabled_ = owner_ && !EnableWindow(owner_, FALSE);
    ShowWindow(hwnd(), SW_SHOW);
    SetFocus(GetDlgItem(hwnd(), kCancelId));
    return true;
}

bool PrintProgress::Form_Create() {
    const DeviceMapping map = ScreenMapping(hwnd());
    font_ = CreateFontFor(kFont, map.dpiY);
    const auto child = [this](const wchar_t* kind, const wchar_t* text, DWORD style, int id) {
        return CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    };
    label_ = child(L"STATIC", Wide(PageLine(2)), SS_LEFT, kTextId);
    HWND button = child(L"BUTTON", L"Zrušiť", WS_TABSTOP | BS_DEFPUSHBUTTON, kCancelId);
    if (!label_ || !button || !font_) return false;
    PlaceInTwips(label_, map, kTextRect);
    PlaceInTwips(button, map, kButtonRect);
    for (HWND control : {label_, button}) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return true;
}

void PrintProgress::HandWaitingMessages() {
    MSG msg;
    while (!cancelled_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The program is ending: the job stops, and the loop that ends it sees the quit again.
            PostQuitMessage(static_cast<int>(msg.wParam));
            cancelled_ = true;
            break;
        }
        if (hwnd() && IsDialogMessageW(hwnd(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

LRESULT PrintProgress::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kCancelId) cmdCancel_Click();
        return 0;
    case WM_CLOSE:
        cmdCancel_Click();
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace papyrka::win
