#include "editor_window.h"

#include <windowsx.h>

#include <utility>

#include "win32/artwork.h"
#include "win32/colour_ref.h"
#include "win32/dpi.h"
#include "editor_labels.h"
#include "search_dialog.h"
#include "win32/gdi.h"
#include "win32/message_box.h"

namespace papyrka {

namespace {

constexpr int kFormTwips = 6000;
constexpr UINT kShowLoadMessages = WM_APP + 1;
constexpr TwipsRect kBevelBars[] = {{0, 870, kFormTwips, 300}, {0, 1350, kFormTwips, 330}, {0, 5475, kFormTwips, 330}};

// Keeps what LoadRecords has to say until there is a window to say it over.
class DeferredReporter : public Reporter {
public:
    explicit DeferredReporter(std::vector<std::u16string>& messages) : messages_(messages) {}
    void Message(const std::u16string& text) override { messages_.push_back(text); }

private:
    std::vector<std::u16string>& messages_;
};

bool Contains(const RECT& rect, POINT pixel) { return PtInRect(&rect, pixel) != FALSE; }

// The width of `text` in twips, rounded up, or 0 when it cannot be measured.
int TextWidthTwips(HWND window, HFONT font, std::u16string_view text, int dpiX) {
    win::WindowDc dc(window);
    if (!dc.get()) return 0;
    win::SelectGuard select(dc.get(), font);
    SIZE size{};
    if (!GetTextExtentPoint32W(dc.get(), win::Wide(text), static_cast<int>(text.size()), &size)) return 0;
    return (size.cx * kTwipsPerInch + dpiX - 1) / dpiX;
}

}  // namespace

Form3::Form3(const Designer& designer, std::u16string folder, OnDestroy onDestroy)
    : designer_(designer), folder_(std::move(folder)), onDestroy_(onDestroy),
      editor_(designer.layout.fieldCount(), *this), reporter_(&messageOwner_, designer.programTitle),
      boxBrush_(CreateSolidBrush(win::ColourRef(kDarkRed))) {}

Form3::~Form3() { Destroy(); }

std::u16string Form3::RecordFilePath() const { return folder_ + u"\\" + designer_.layout.wideFileName(); }

bool Form3::Open() {
    const SIZE size = win::ClientSizeForTwips(nullptr, kFormTwips, kFormTwips);
    const std::wstring title(win::Wide(designer_.programTitle), designer_.programTitle.size());
    win::WindowSpec spec;
    spec.className = L"PapyrkaForm3";
    spec.title = title.c_str();
    spec.style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU;
    spec.width = size.cx;
    spec.height = size.cy;
    if (!Create(spec)) return false;
    // The window's own monitor may scale differently from the primary one.
    map_ = win::ScreenMapping(hwnd());
    win::CentreOnScreen(hwnd(), win::ClientSizeForTwips(hwnd(), kFormTwips, kFormTwips));
    boxes_.Place(map_, fonts_);
    ShowWindow(hwnd(), SW_SHOW);
    UpdateWindow(hwnd());
    SetForegroundWindow(hwnd());
    if (boxes_.FirstInTabOrder() && IsWindowEnabled(boxes_.FirstInTabOrder()))
        SetFocus(boxes_.FirstInTabOrder());
    else
        SetFocus(hwnd());
    return true;
}

LRESULT Form3::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (!Form_Create()) return -1;
        Form_Load();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
        OnLeftButtonUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_SYSCOMMAND:
        // Neither moved nor resized by the user; everything else (Alt+F4 included) as usual.
        if ((wParam & 0xFFF0) == SC_MOVE || (wParam & 0xFFF0) == SC_SIZE || (wParam & 0xFFF0) == SC_MAXIMIZE) return 0;
        break;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case kShowLoadMessages:
        ShowLoadMessages();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_QUERYENDSESSION:
        return Form_Unload() ? TRUE : FALSE;
    case WM_ENDSESSION:
        OnEndSession(wParam != FALSE);
        return 0;
    case WM_DESTROY:
        if (onDestroy_ == OnDestroy::EndProgram) PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefaultHandling(message, wParam, lParam);
}

bool Form3::Form_Create() {
    messageOwner_ = hwnd();
    map_ = win::ScreenMapping(hwnd());
    const int titleWidth = TextWidthTwips(hwnd(), fonts_.Get(kTitleFont, map_.dpiY), designer_.face.programName, map_.dpiX);
    AddEditorLabels(labels_, designer_.face, designer_.menu != nullptr, titleWidth);
    return boxBrush_ && boxes_.Create(hwnd(), designer_.face, designer_.layout);
}

void Form3::Form_Load() {
    // The record file is opened by its absolute path, so nothing depends on the current
    // folder; it is still set, as the programs have always worked in their own folder.
    const std::wstring folder(win::Wide(folder_), folder_.size());
    SetCurrentDirectoryW(folder.c_str());
    DeferredReporter reporter(loadMessages_);
    editor_.Load(RecordFilePath(), reporter);
    // A message box now would come up before the window and hold up its creation.
    if (!loadMessages_.empty()) PostMessageW(hwnd(), kShowLoadMessages, 0, 0);
}

void Form3::ShowLoadMessages() {
    std::vector<std::u16string> messages = std::exchange(loadMessages_, {});
    for (const std::u16string& text : messages) reporter_.Message(text);
}

bool Form3::Form_Unload() { return editor_.Save(RecordFilePath(), reporter_); }

void Form3::OnClose() {
    // The user has just been told that the save failed: the window stays, with the list, so
    // that nothing is lost; "Koniec" still leaves without saving.
    if (Form_Unload()) DestroyWindow(hwnd());
}

void Form3::OnEndSession(bool ending) {
    // Saved again although the question saved already: a forced log-off never asks. The
    // session may end as soon as this returns.
    if (!ending) return;
    Form_Unload();
    DestroyWindow(hwnd());
}

void Form3::Form_MouseMove() {
    for (const HoverLabel& label : kHoverLabels)
        labels_.SetColour(hwnd(), map_, labels_.Find(label.name), label.restingColour);
}

void Form3::Highlight(std::string_view label) { labels_.SetColour(hwnd(), map_, labels_.Find(label), kGreen); }

void Form3::Label9_Click() {
    if (designer_.menu) designer_.menu(*this);
}

void Form3::Label13_Click() {
    if (designer_.print) designer_.print(*this);
}

void Form3::Label14_Click() {
    editor_.Save(RecordFilePath(), reporter_);
}

void Form3::Label19_Click() {
    // Ends at once: nothing is stored, saved or asked.
    DestroyWindow(hwnd());
}

void Form3::Dispatch_MouseMove(int label) {
    const std::string_view name = labels_[label].name;
    if (name == "Label10") Label10_MouseMove();
    else if (name == "Label11") Label11_MouseMove();
    else if (name == "Label12") Label12_MouseMove();
    else if (name == "Label13") Label13_MouseMove();
    else if (name == "Label14") Label14_MouseMove();
    else if (name == "Label19") Label19_MouseMove();
}

void Form3::Dispatch_Click(int label) {
    const std::string_view name = labels_[label].name;
    if (name == "Label9") Label9_Click();
    else if (name == "Label10") Label10_Click();
    else if (name == "Label11") Label11_Click();
    else if (name == "Label12") Label12_Click();
    else if (name == "Label13") Label13_Click();
    else if (name == "Label14") Label14_Click();
    else if (name == "Label19") Label19_Click();
}

Form3::Image Form3::ImageAt(POINT pixel) const {
    if (Contains(win::PixelRect(map_, designer_.face.image1), pixel)) return Image::Previous;
    if (Contains(win::PixelRect(map_, designer_.face.image2), pixel)) return Image::Next;
    return Image::None;
}

bool Form3::IsHot(POINT pixel) const {
    if (ImageAt(pixel) != Image::None) return true;
    const int label = labels_.HitTest(pixel, map_);
    // Label9 keeps the arrow cursor even where it acts.
    return label >= 0 && labels_[label].clickable && labels_[label].name != "Label9";
}

void Form3::OnMouseMove(POINT pixel) {
    // A label's own move turns it green; only the bare background restores colours, so
    // the images and the other labels leave them as they are.
    const int label = labels_.HitTest(pixel, map_);
    if (label >= 0) return Dispatch_MouseMove(label);
    if (ImageAt(pixel) == Image::None) Form_MouseMove();
}

void Form3::OnLeftButtonDown(POINT pixel) {
    SetCapture(hwnd());
    pressedImage_ = ImageAt(pixel);
    const int label = labels_.HitTest(pixel, map_);
    labels_.Press(pressedImage_ == Image::None && label >= 0 && labels_[label].clickable ? label : -1);
}

void Form3::OnLeftButtonUp(POINT pixel) {
    if (GetCapture() == hwnd()) ReleaseCapture();
    const Image pressed = std::exchange(pressedImage_, Image::None);
    const int clicked = labels_.Release(labels_.HitTest(pixel, map_));
    if (pressed != Image::None && pressed == ImageAt(pixel))
        pressed == Image::Previous ? Image1_Click() : Image2_Click();
    else if (clicked >= 0)
        Dispatch_Click(clicked);
}

bool Form3::OnSetCursor(HWND under, int hitArea) {
    if (under != hwnd() || hitArea != HTCLIENT) return false;
    POINT pixel{};
    if (!GetCursorPos(&pixel) || !ScreenToClient(hwnd(), &pixel)) return false;
    SetCursor(IsHot(pixel) ? win::HandCursor() : LoadCursorW(nullptr, IDC_ARROW));
    return true;
}

void Form3::OnActivate(bool active) {
    // A plain window forgets its focused box when a message box or the search dialog takes
    // over; bring the focus back where it was.
    if (!active) {
        HWND focus = GetFocus();
        focusBeforeDeactivation_ = boxes_.FieldOf(focus) >= 0 ? focus : nullptr;
        return;
    }
    HWND back = focusBeforeDeactivation_;
    SetFocus(back && IsWindowEnabled(back) ? back : hwnd());
}

void Form3::OnDpiChanged(UINT dpi, const RECT& suggested) {
    map_ = DeviceMapping{static_cast<int>(dpi), static_cast<int>(dpi), 0, 0};
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    boxes_.Place(map_, fonts_);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void Form3::OnPaint() {
    win::BufferedPaint paint(hwnd());
    HDC dc = paint.get();
    win::DrawRedGradient(dc, map_, TwipsRect{0, 0, kFormTwips, kFormTwips});
    for (const TwipsRect& bar : kBevelBars) win::DrawBevelBar(dc, map_, bar);
    win::DrawSuiteTitle(dc, map_, kFormTwips, fonts_);
    win::DrawArrow(dc, map_, designer_.face.image1, true);
    win::DrawArrow(dc, map_, designer_.face.image2, false);
    labels_.Paint(dc, map_, fonts_);
}

LRESULT Form3::OnControlColour(HDC dc, HWND control) {
    if (boxes_.FieldOf(control) < 0) return DefaultHandling(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                            reinterpret_cast<LPARAM>(control));
    SetTextColor(dc, win::ColourRef(kWhite));
    SetBkColor(dc, win::ColourRef(kDarkRed));
    return reinterpret_cast<LRESULT>(boxBrush_.get());
}

std::u16string Form3::BoxText(std::string_view control) const {
    const int field = designer_.layout.fieldIndex(control);
    return field >= 0 ? boxes_.Text(field) : std::u16string();
}

HWND Form3::Box(std::string_view control) const {
    const int field = designer_.layout.fieldIndex(control);
    return field >= 0 ? boxes_.box(field) : nullptr;
}

void Form3::EnableBoxes(bool enabled) {
    // A disabled box cannot keep the focus; the window takes it so the keyboard still works.
    if (!enabled && boxes_.FieldOf(GetFocus()) >= 0) SetFocus(hwnd());
    boxes_.Enable(enabled);
}

void Form3::ShowPosition(std::u16string_view line) {
    labels_.SetCaption(hwnd(), map_, labels_.Find("lblCurrRecord"), std::u16string(line));
}

bool Form3::AskYesNo(std::u16string_view question) {
    return win::AskYesNo(hwnd(), designer_.programTitle, question);
}

void Form3::ShowMessage(std::u16string_view text) { win::ShowMessage(hwnd(), designer_.programTitle, text); }

bool Form3::GetSearchStr(bool& firstRecord, std::u16string& text) {
    return FrmSearch::GetSearchStr(hwnd(), firstRecord, text);
}

}  // namespace papyrka
