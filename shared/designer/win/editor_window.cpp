#include "designer/win/editor_window.h"

#include <utility>

#include "win32/artwork.h"
#include "win32/colour_ref.h"
#include "win32/dpi.h"
#include "designer/win/editor_labels.h"
#include "designer/win/search_dialog.h"
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

EditorWindow::EditorWindow(const Designer& designer, std::u16string folder, OnDestroy onDestroy)
    : designer_(designer), folder_(std::move(folder)), onDestroy_(onDestroy),
      editor_(designer.tables.record.fieldCount(), *this), printer_(designer.tables.layout), reporter_(&messageOwner_, designer.tables.programTitle),
      boxBrush_(CreateSolidBrush(win::ColourRef(kDarkRed))) {}

EditorWindow::~EditorWindow() { Destroy(); }

std::u16string EditorWindow::RecordFilePath() const { return folder_ + u"\\" + designer_.tables.record.wideFileName(); }

bool EditorWindow::Open() {
    const SIZE size = win::ClientSizeForTwips(nullptr, kFormTwips, kFormTwips);
    const std::wstring title(win::Wide(designer_.tables.programTitle), designer_.tables.programTitle.size());
    win::WindowSpec spec;
    spec.className = L"PapyrkaForm3";
    spec.title = title.c_str();
    spec.style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU;
    spec.width = size.cx;
    spec.height = size.cy;
    if (!Create(spec)) return false;
    // The window's own monitor may scale differently from the primary one; moved onto one
    // that does, the window places its boxes again as the DPI change arrives. (Placing them
    // here as well cost a fifteenth of the start-up under Wine.)
    win::CentreOnScreen(hwnd(), win::ClientSizeForTwips(hwnd(), kFormTwips, kFormTwips));
    ShowWindow(hwnd(), SW_SHOW);
    UpdateWindow(hwnd());
    SetForegroundWindow(hwnd());
    if (boxes_.FirstInTabOrder() && IsWindowEnabled(boxes_.FirstInTabOrder()))
        SetFocus(boxes_.FirstInTabOrder());
    else
        SetFocus(hwnd());
    return true;
}

LRESULT EditorWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (!Form_Create()) return -1;
        Form_Load();
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_SYSCOMMAND:
        if (OnSysCommand(wParam)) return 0;
        break;
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
    return LabelWindow::HandleMessage(message, wParam, lParam);
}

bool EditorWindow::OnSysCommand(WPARAM command) {
    // Neither moved nor resized by the user; everything else (Alt+F4 included) as usual.
    const WPARAM kind = command & 0xFFF0;
    return kind == SC_MOVE || kind == SC_SIZE || kind == SC_MAXIMIZE;
}

bool EditorWindow::Form_Create() {
    messageOwner_ = hwnd();
    const DeviceMapping& map = Mapping();
    const int titleWidth = TextWidthTwips(hwnd(), Fonts().Get(kTitleFont, map.dpiY), designer_.tables.face.programName, map.dpiX);
    for (win::LabelSpec& label : EditorLabels(designer_.tables.face, designer_.tables.label9 != ButtonAction::None, titleWidth))
        AddLabel(std::move(label));
    if (!boxBrush_ || !boxes_.Create(hwnd(), designer_.tables.face, designer_.tables.record)) return false;
    // Their faces before the first record's text: in the system's own face Wine's edit control
    // can crash on it.
    boxes_.Place(Mapping(), Fonts());
    return true;
}

void EditorWindow::Form_Load() {
    // The record file is opened by its absolute path, so nothing depends on the current
    // folder; it is still set, as the programs have always worked in their own folder.
    const std::wstring folder(win::Wide(folder_), folder_.size());
    SetCurrentDirectoryW(folder.c_str());
    DeferredReporter reporter(loadMessages_);
    editor_.Load(RecordFilePath(), reporter);
    // A message box now would come up before the window and hold up its creation.
    if (!loadMessages_.empty()) PostMessageW(hwnd(), kShowLoadMessages, 0, 0);
}

void EditorWindow::ShowLoadMessages() {
    std::vector<std::u16string> messages = std::exchange(loadMessages_, {});
    for (const std::u16string& text : messages) reporter_.Message(text);
}

bool EditorWindow::Form_Unload() { return editor_.Save(RecordFilePath(), reporter_); }

void EditorWindow::OnClose() {
    // The user has just been told that the save failed: the window stays, with the list, so
    // that nothing is lost; "Koniec" still leaves without saving.
    if (Form_Unload()) DestroyWindow(hwnd());
}

void EditorWindow::OnEndSession(bool ending) {
    // Saved again although the question saved already: a forced log-off never asks. The
    // session may end as soon as this returns.
    if (!ending) return;
    Form_Unload();
    DestroyWindow(hwnd());
}

void EditorWindow::Form_MouseMove() {
    for (const HoverLabel& label : kHoverLabels) SetLabelColour(Labels().Find(label.name), label.restingColour);
}

void EditorWindow::Highlight(std::string_view label) { SetLabelColour(Labels().Find(label), kGreen); }

void EditorWindow::RunButton(ButtonAction action) {
    switch (action) {
    case ButtonAction::None: break;
    case ButtonAction::PrintLayout: printer_.FillAndPrint(designer_.tables.print, *this); break;
    case ButtonAction::PrintChoiceMenu: choiceMenu_.PopUp(*this, printer_); break;
    case ButtonAction::ProgramOwn:
        if (designer_.ownPrint) designer_.ownPrint(*this);
        break;
    }
}

void EditorWindow::Label14_Click() {
    editor_.Save(RecordFilePath(), reporter_);
}

void EditorWindow::Label19_Click() {
    // Ends without the automatic save; only what would be lost is asked about first.
    if (editor_.HasUnsavedChanges()) {
        switch (win::AskYesNoCancel(hwnd(), designer_.tables.programTitle,
                                    u"Zoznam sa od posledného uloženia zmenil. Uložiť zmeny pred ukončením?")) {
        case IDYES:
            if (!Form_Unload()) return;   // the failure was shown; the window keeps the list
            break;
        case IDNO: break;
        default: return;
        }
    }
    DestroyWindow(hwnd());
}

void EditorWindow::Label_MouseMove(int label) {
    const std::string_view name = Labels()[label].name;
    if (name == "Label10") Label10_MouseMove();
    else if (name == "Label11") Label11_MouseMove();
    else if (name == "Label12") Label12_MouseMove();
    else if (name == "Label13") Label13_MouseMove();
    else if (name == "Label14") Label14_MouseMove();
    else if (name == "Label19") Label19_MouseMove();
}

void EditorWindow::Label_Click(int label) {
    const std::string_view name = Labels()[label].name;
    if (name == "Label9") Label9_Click();
    else if (name == "Label10") Label10_Click();
    else if (name == "Label11") Label11_Click();
    else if (name == "Label12") Label12_Click();
    else if (name == "Label13") Label13_Click();
    else if (name == "Label14") Label14_Click();
    else if (name == "Label19") Label19_Click();
}

int EditorWindow::ImageAt(POINT pixel) const {
    if (Contains(win::PixelRect(Mapping(), designer_.tables.face.image1), pixel)) return 0;
    if (Contains(win::PixelRect(Mapping(), designer_.tables.face.image2), pixel)) return 1;
    return -1;
}

void EditorWindow::OnActivate(bool active) {
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

void EditorWindow::PaintBackground(HDC dc) {
    const DeviceMapping& map = Mapping();
    win::DrawRedGradient(dc, map, TwipsRect{0, 0, kFormTwips, kFormTwips});
    for (const TwipsRect& bar : kBevelBars) win::DrawBevelBar(dc, map, bar);
    win::DrawSuiteTitle(dc, map, kFormTwips, Fonts());
    win::DrawArrow(dc, map, designer_.tables.face.image1, true);
    win::DrawArrow(dc, map, designer_.tables.face.image2, false);
}

LRESULT EditorWindow::OnControlColour(HDC dc, HWND control) {
    if (boxes_.FieldOf(control) < 0) return DefaultHandling(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                            reinterpret_cast<LPARAM>(control));
    SetTextColor(dc, win::ColourRef(kWhite));
    SetBkColor(dc, win::ColourRef(kDarkRed));
    return reinterpret_cast<LRESULT>(boxBrush_.get());
}

std::u16string EditorWindow::BoxText(std::string_view control) const {
    const int field = designer_.tables.record.fieldIndex(control);
    return field >= 0 ? boxes_.Text(field) : std::u16string();
}

HWND EditorWindow::Box(std::string_view control) const {
    const int field = designer_.tables.record.fieldIndex(control);
    return field >= 0 ? boxes_.box(field) : nullptr;
}

void EditorWindow::EnableBoxes(bool enabled) {
    // A disabled box cannot keep the focus; the window takes it so the keyboard still works.
    if (!enabled && boxes_.FieldOf(GetFocus()) >= 0) SetFocus(hwnd());
    boxes_.Enable(enabled);
}

void EditorWindow::ShowPosition(std::u16string_view line) {
    SetLabelCaption(Labels().Find("lblCurrRecord"), std::u16string(line));
}

bool EditorWindow::AskYesNo(std::u16string_view question) {
    return win::AskYesNo(hwnd(), designer_.tables.programTitle, question);
}

void EditorWindow::ShowMessage(std::u16string_view text) { win::ShowMessage(hwnd(), designer_.tables.programTitle, text); }

bool EditorWindow::GetSearchStr(bool& firstRecord, std::u16string& text) {
    return SearchDialog::GetSearchStr(hwnd(), firstRecord, text);
}

}  // namespace papyrka
