#include "editor_boxes.h"

#include <algorithm>
#include <numeric>

#include "win32/dpi.h"
#include "win32/text_box.h"
#include "win32/wide.h"

namespace papyrka {

namespace {

constexpr int kFirstBoxId = 100;

TextBoxSpec SpecFor(const EditorFace& face, std::string_view control) {
    for (const TextBoxSpec& spec : face.boxes)
        if (spec.control == control) return spec;
    TextBoxSpec hidden;
    hidden.control = control;
    hidden.visible = false;
    return hidden;
}

}  // namespace

bool EditorBoxes::Create(HWND parent, const EditorFace& face, const RecordLayout& layout) {
    const size_t fields = layout.fields.size();
    specs_.clear();
    for (const FieldDef& field : layout.fields) specs_.push_back(SpecFor(face, field.control));

    // Sibling order is tab order, so the boxes are created in it: the face's tab order,
    // and field order where the face gives none.
    std::vector<size_t> order(fields);
    std::iota(order.begin(), order.end(), size_t{0});
    auto key = [&](size_t field) { return specs_[field].tabOrder > 0 ? specs_[field].tabOrder : static_cast<int>(field) + 1; };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return key(a) < key(b); });

    boxes_.assign(fields, nullptr);
    tabOrder_.clear();
    for (size_t field : order) {
        const TextBoxSpec& spec = specs_[field];
        HWND created = win::CreateStorableTextBox(
            parent, kFirstBoxId + static_cast<int>(field),
            win::EditStyle{spec.multiLine, spec.scrollBar, spec.align, spec.visible});
        if (!created) return false;
        boxes_[field] = created;
        if (spec.visible) tabOrder_.push_back(created);
    }
    return true;
}

void EditorBoxes::Place(const DeviceMapping& map, win::FontCache& fonts) const {
    for (size_t field = 0; field < boxes_.size(); ++field) {
        win::PlaceInTwips(boxes_[field], map, specs_[field].rect);
        SendMessageW(boxes_[field], WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(specs_[field].font, map.dpiY)),
                     TRUE);
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

void EditorBoxes::SetText(int field, std::u16string_view text) const {
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
