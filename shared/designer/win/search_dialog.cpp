#include "designer/win/search_dialog.h"

#include <utility>

#include "win32/artwork.h"
#include "win32/dpi.h"
#include "win32/text_box.h"
#include "win32/wide.h"

namespace papyrka {

namespace {

constexpr int kWidthTwips = 6000;
constexpr int kHeightTwips = 1800;
constexpr TwipsRect kFindWhatRect{2760, 840, 3015, 285};
constexpr TwipsRect kFindFirstRect{120, 720, 1095, 375};
constexpr TwipsRect kBevelBars[] = {{0, 240, kWidthTwips, 330}, {0, 1275, kWidthTwips, 330}};
constexpr FontSpec kButtonFont{u"MS Sans Serif", 8.25, false, false};
constexpr COLORREF kButtonRed = RGB(255, 0, 0);   // &H0000FF

}  // namespace

bool SearchDialog::GetSearchStr(HWND owner, bool& firstRecord, std::u16string& text) {
    SearchDialog dialog;
    if (!dialog.Open(owner)) {
        MessageBeep(MB_OK);
        return false;
    }
    dialog.RunModal(owner);
    if (!dialog.confirmed_) return false;
    firstRecord = true;
    text = dialog.text_;
    return true;
}

bool SearchDialog::Open(HWND owner) {
    const SIZE size = win::ClientSizeForTwips(owner, kWidthTwips, kHeightTwips);
    win::WindowSpec spec;
    spec.className = L"PapyrkafrmSearch";
    spec.style = WS_POPUP | WS_CLIPCHILDREN;
    spec.width = size.cx;
    spec.height = size.cy;
    spec.owner = owner;
    return Create(spec) && Form_Load();
}

std::vector<win::LabelSpec> SearchDialog::Captions() {
    // "Zadaj text :" is sized to its text: on one line it ends before txtFindWhat.
    win::LabelSpec label1{"Label1", u"Zadaj text :", {1680, 840, 1020, 255}, kYellow};
    win::LabelSpec label19{"Label19", u"Koniec", {240, 1320, 5535, 255}, kYellow, Align::Centre, true};
    label1.singleLine = label19.singleLine = true;
    return {std::move(label1), std::move(label19)};
}

bool SearchDialog::Form_Load() {
    for (win::LabelSpec& label : Captions()) AddLabel(std::move(label));
    findWhat_ = win::CreateStorableTextBox(hwnd(), kFindWhatId, win::EditStyle{});
    findFirst_ = CreateWindowExW(0, L"BUTTON", L"Potvrď", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, 0, 0,
                                 0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFindFirstId)),
                                 GetModuleHandleW(nullptr), nullptr);
    if (!findWhat_ || !findFirst_ || !boxBrush_) return false;
    Place();
    win::CentreOnScreen(hwnd(), win::ClientSizeForTwips(hwnd(), kWidthTwips, kHeightTwips));
    return true;
}

void SearchDialog::RunModal(HWND owner) {
    EnableWindow(owner, FALSE);
    ShowWindow(hwnd(), SW_SHOW);
    SetFocus(findWhat_);
    MSG message;
    while (!done_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));   // the program's own loop ends too
            break;
        }
        if (got == -1) break;
        if (OnKey(message) || IsDialogMessageW(hwnd(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // The owner must be enabled before this window goes, or the system activates another program.
    EnableWindow(owner, TRUE);
    Destroy();
}

LRESULT SearchDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CTLCOLOREDIT:
        return OnControlColour(reinterpret_cast<HDC>(wParam));
    case WM_DRAWITEM:
        OnDrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == kFindFirstId && HIWORD(wParam) == BN_CLICKED) cmdFindFirst_Click();
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
        break;
    case WM_CLOSE:   // Alt+F4: as "Koniec"
        Label19_Click();
        return 0;
    default:
        break;
    }
    return LabelWindow::HandleMessage(message, wParam, lParam);
}

LRESULT SearchDialog::OnControlColour(HDC dc) {
    SetTextColor(dc, win::ColourRef(kWhite));
    SetBkColor(dc, win::ColourRef(kDarkRed));
    return reinterpret_cast<LRESULT>(boxBrush_.get());
}

void SearchDialog::cmdFindFirst_Click() {
    const int length = GetWindowTextLengthW(findWhat_);
    std::wstring typed(static_cast<size_t>(length) + 1, L'\0');
    typed.resize(static_cast<size_t>(GetWindowTextW(findWhat_, typed.data(), length + 1)));
    text_ = win::Utf16(typed);
    confirmed_ = true;
    done_ = true;
}

bool SearchDialog::OnKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || (message.hwnd != hwnd() && !IsChild(hwnd(), message.hwnd))) return false;
    if (message.wParam == VK_RETURN) cmdFindFirst_Click();
    else if (message.wParam == VK_ESCAPE) Label19_Click();
    else return false;
    return true;
}

void SearchDialog::Place() {
    const DeviceMapping& map = Mapping();
    win::PlaceInTwips(findWhat_, map, kFindWhatRect);
    win::PlaceInTwips(findFirst_, map, kFindFirstRect);
    SendMessageW(findWhat_, WM_SETFONT,
                 reinterpret_cast<WPARAM>(Fonts().Get(kLabelFont, map.dpiY, win::FaceUse::EditBox)), TRUE);
    SendMessageW(findFirst_, WM_SETFONT, reinterpret_cast<WPARAM>(Fonts().Get(kButtonFont, map.dpiY)), TRUE);
}

void SearchDialog::PaintBackground(HDC dc) {
    win::DrawRedGradient(dc, Mapping(), TwipsRect{0, 0, kWidthTwips, kHeightTwips});
    for (const TwipsRect& bar : kBevelBars) win::DrawBevelBar(dc, Mapping(), bar);
}

void SearchDialog::OnDrawButton(const DRAWITEMSTRUCT& item) {
    RECT face = item.rcItem;
    win::Brush red(CreateSolidBrush(kButtonRed));
    if (red) FillRect(item.hDC, &face, red.get());
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    win::SaveDcGuard saved(item.hDC);
    SelectObject(item.hDC, Fonts().Get(kButtonFont, Mapping().dpiY));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, RGB(0, 0, 0));
    if (pressed) OffsetRect(&face, 1, 1);
    DrawTextW(item.hDC, L"Potvrď", -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&face, -2, -2);
        DrawFocusRect(item.hDC, &face);
    }
}

// The button shows the hand like the labels; the window's own area is LabelWindow's.
bool SearchDialog::OnSetCursor(HWND under, int hitArea) {
    if (under != findFirst_ || hitArea != HTCLIENT) return false;
    SetCursor(win::HandCursor());
    return true;
}

void SearchDialog::Label_Click(int label) {
    if (label == Labels().Find("Label19")) Label19_Click();
}

}  // namespace papyrka
