#pragma once
// frmSearch: the small modal dialog that asks the editor for a search text. It exists only
// while it is shown, so every search starts with an empty box.
#include <windows.h>

#include <string>
#include <vector>

#include "win32/colour_ref.h"
#include "win32/label_window.h"

namespace papyrka {

class SearchDialog final : public win::LabelWindow {
public:
    // True only when the user confirmed; then `firstRecord` is true and `text` holds what was
    // typed. Closed any other way, both keep their values. The owner takes no input meanwhile.
    static bool GetSearchStr(HWND owner, bool& firstRecord, std::u16string& text);

    // Its two labels, "Zadaj text :" and "Koniec".
    static std::vector<win::LabelSpec> Captions();

    static constexpr int kFindWhatId = 10;    // txtFindWhat
    static constexpr int kFindFirstId = 11;   // cmdFindFirst

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    SearchDialog() = default;
    bool Open(HWND owner);
    void RunModal(HWND owner);

    bool Form_Load();
    void cmdFindFirst_Click();
    void Label19_Click() { done_ = true; }

    // LabelWindow
    void PaintBackground(HDC dc) override;
    void Label_Click(int label) override;
    void OnDpiChanged() override { Place(); }

    void Place();
    LRESULT OnControlColour(HDC dc);
    void OnDrawButton(const DRAWITEMSTRUCT& item);
    bool OnSetCursor(HWND under, int hitArea);
    bool OnKey(const MSG& message);   // Enter confirms, Esc closes

    win::Brush boxBrush_{CreateSolidBrush(win::ColourRef(kDarkRed))};
    HWND findWhat_ = nullptr;
    HWND findFirst_ = nullptr;
    bool done_ = false;
    bool confirmed_ = false;
    std::u16string text_;
};

}  // namespace papyrka
