#pragma once
// The record editor's bound text boxes: one edit control per field, made from the
// program's editor face, created in tab order and kept in field order.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "designer/editor_face.h"
#include "win32/fonts.h"
#include "record/record_layout.h"

namespace papyrka {

class EditorBoxes {
public:
    // False when a box could not be made. A field the face does not place gets a box that
    // is never shown, so that its text still travels between list and editor.
    bool Create(HWND parent, const EditorFace& face, const RecordLayout& layout);
    void Place(const DeviceMapping& map, win::FontCache& fonts) const;

    int count() const { return static_cast<int>(boxes_.size()); }
    HWND box(int field) const { return boxes_[static_cast<size_t>(field)]; }
    int FieldOf(HWND window) const;   // -1 when it is no bound box
    HWND FirstInTabOrder() const { return tabOrder_.empty() ? nullptr : tabOrder_.front(); }

    std::u16string Text(int field) const;
    // A multi-line box is made again, unwrapped or wrapped, when the text needs the other kind.
    void SetText(int field, std::u16string_view text);
    void Enable(bool enabled) const;
    bool Focus(int field) const;      // false for a box that is never visible

private:
    HWND Make(HWND parent, int field, bool wrapped) const;
    void Remake(int field, bool wrapped);

    std::vector<HWND> boxes_;         // field order
    std::vector<bool> wrapped_;       // field order
    std::vector<TextBoxSpec> specs_;  // field order
    std::vector<HWND> tabOrder_;
};

}  // namespace papyrka
