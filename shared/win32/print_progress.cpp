#include "win32/print_progress.h"

#include "base/decimal.h"
#include "win32/dpi.h"
#include "win32/wide.h"

namespace papyrka::win {

namespace {

constexpr int kCancelId = IDCANCEL;   // Esc and the close box do what the button does
constexpr int kTextId = 0xFFFF;       // where a message box keeps its text, for tools that read it

// Sizes in pixels at 96 dpi, scaled to the owner's DPI.
constexpr int kClientWidth = 300, kClientHeight = 96, kMargin = 16, kLineHeight = 22;
constexpr int kButtonWidth = 88, kButtonHeight = 26;

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
    const int dpi = static_cast<int>(DpiOfWindow(owner_));
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
    CentreOnScreen(hwnd(), SIZE{MulDiv(kClientWidth, dpi, 96), MulDiv(kClientHeight, dpi, 96)});
    ownerDisabled_ = owner_ && !EnableWindow(owner_, FALSE);
    ShowWindow(hwnd(), SW_SHOW);
    SetFocus(GetDlgItem(hwnd(), kCancelId));
    return true;
}

bool PrintProgress::Form_Create() {
    const int dpi = static_cast<int>(DpiOfWindow(owner_));
    auto px = [dpi](int at96) { return MulDiv(at96, dpi, 96); };
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return false;
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, 96);
    font_ = Font(CreateFontIndirectW(&metrics.lfMessageFont));
    label_ = CreateWindowExW(0, L"STATIC", Wide(PageLine(2)), WS_CHILD | WS_VISIBLE | SS_LEFT, px(kMargin), px(kMargin),
                             px(kClientWidth - 2 * kMargin), px(kLineHeight), hwnd(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextId)), GetModuleHandleW(nullptr), nullptr);
    HWND button = CreateWindowExW(0, L"BUTTON", L"Zrušiť", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                                  px((kClientWidth - kButtonWidth) / 2), px(kClientHeight - kMargin - kButtonHeight),
                                  px(kButtonWidth), px(kButtonHeight), hwnd(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCancelId)), GetModuleHandleW(nullptr),
                                  nullptr);
    if (!label_ || !button || !font_) return false;
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
