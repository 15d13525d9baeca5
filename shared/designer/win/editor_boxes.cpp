#include "designer/win/editor_boxes.h"

#include <algorithm>

#include "win32/dpi.h"
#include "win32/text_box.h"
#include "win32/wide.h"

namespace papyrka {

namespace {

constexpr int kFirstBoxId = 100;

// Wine's edit control wraps a paragraph in a time that grows with the square of its length:
// a 100,000-character note took minutes to show. A box whose text has a longer paragraph than
// this shows it unwrapped, one line scrolled sideways, which takes a time in proportion.
constexpr size_t kLongestWrappedParagraph = 3000;

bool Wraps(std::u16string_view text) {
    size_t paragraph = 0;
    for (char16_t ch : text) {
        paragraph = ch == u'\r' || ch == u'\n' ? 0 : paragraph + 1;
        if (paragraph > kLongestWrappedParagraph) return false;
    }
    return true;
}

}  // namespace

HWND EditorBoxes::Make(HWND parent, int field, bool wrapped) const {
    const TextBoxSpec& spec = specs_[static_cast<size_t>(field)];
    return win::CreateStorableTextBox(parent, kFirstBoxId + field,
                                      win::EditStyle{spec.multiLine, spec.scrollBar, spec.align, spec.visible, wrapped});
}

bool EditorBoxes::Create(HWND parent, const EditorFace& face, const RecordLayout& layout) {
    const size_t fields = layout.fields.size();
    // Sibling order is tab order, so the boxes are created in the face's order; a field the
    // face leaves out gets a box that is never shown, after the others.
    specs_.assign(fields, HiddenBox({}));
    std::vector<size_t> order;
    for (const TextBoxSpec& spec : face.boxes) {
        const int field = layout.fieldIndex(spec.control);
        if (field < 0 || specs_[static_cast<size_t>(field)].control == spec.control) continue;
        specs_[static_cast<size_t>(field)] = spec;
        order.push_back(static_cast<size_t>(field));
    }
    for (size_t field = 0; field < fields; ++field) {
        if (!specs_[field].control.empty()) continue;
        specs_[field].control = layout.fields[field];
        order.push_back(field);
    }

    boxes_.assign(fields, nullptr);
    wrapped_.assign(fields, true);
    tabOrder_.clear();
    for (size_t field : order) {
        HWND created = Make(parent, static_cast<int>(field), true);
        if (!created) return false;
        boxes_[field] = created;
        if (specs_[field].visible) tabOrder_.push_back(created);
    }
    return true;
}

void EditorBoxes::Remake(int field, bool wrapped) {
    const HWND old = box(field), parent = GetParent(old);
    const HWND made = Make(parent, field, wrapped);
    if (!made) return;   // the old box still shows the whole text, only slowly
    // In the old box's place: tab order, position, font and state.
    RECT rect{};
    GetWindowRect(old, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(made, old, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, SWP_NOACTIVATE);
    SendMessageW(made, WM_SETFONT, static_cast<WPARAM>(SendMessageW(old, WM_GETFONT, 0, 0)), FALSE);
    EnableWindow(made, IsWindowEnabled(old));
    const bool focused = GetFocus() == old;
    boxes_[static_cast<size_t>(field)] = made;
    wrapped_[static_cast<size_t>(field)] = wrapped;
    std::replace(tabOrder_.begin(), tabOrder_.end(), old, made);
    DestroyWindow(old);
    if (focused) SetFocus(made);
}

void EditorBoxes::Place(const DeviceMapping& map, win::FontCache& fonts) const {
    for (size_t field = 0; field < boxes_.size(); ++field) {
        win::PlaceInTwips(boxes_[field], map, specs_[field].rect);
        const HFONT font = fonts.Get(specs_[field].font, map.dpiY, win::FaceUse::EditBox);
        SendMessageW(boxes_[field], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

int EditorBoxes::FieldOf(HWND window) const {
    const auto found = std::find(boxes_.begin(), boxes_.end(), window);
    return found == boxes_.end() || window == nullptr ? -1 : static_cast<int>(found - boxes_.begin());
}

std::u16string EditorBoxes::Text(int field) const {
    HWND target = box(field);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(target)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(target, text.data(), static_cast<int>(text.size()))));
    return win::Utf16(text);
}

void EditorBoxes::SetText(int field, std::u16string_view text) {
    // An empty box has no caret place or scroll to reset: emptying it again is a waste that
    // Wine's edit control makes costly.
    if (text.empty() && GetWindowTextLengthW(box(field)) == 0) return;
    const bool wraps = Wraps(text);
    if (specs_[static_cast<size_t>(field)].multiLine && wraps != wrapped_[static_cast<size_t>(field)]) Remake(field, wraps);
    const std::wstring terminated(win::Wide(text), text.size());
    SetWindowTextW(box(field), terminated.c_str());
}

void EditorBoxes::Enable(bool enabled) const {
    for (HWND target : boxes_) EnableWindow(target, enabled ? TRUE : FALSE);
}

bool EditorBoxes::Focus(int field) const {
    if (field < 0 || field >= count() || !specs_[static_cast<size_t>(field)].visible) return false;
    SetFocus(box(field));
    return true;
}

}  // namespace papyrka
