#pragma once
// A program's layout window: never shown, shaped like the printed piece, the owner of the
// layout's data. A program makes its one layout window the first time a print action needs
// it and keeps it until it ends, so the box texts survive from one print to the next.
#include <windows.h>

#include <string_view>
#include <utility>

#include "win32/fonts.h"
#include "layout/layout.h"
#include "win32/window.h"

namespace papyrka::win {

class LayoutWindow : public Window {
public:
    explicit LayoutWindow(Layout layout) : layout_(std::move(layout)) {}

    // The hidden window, client area the layout's size at the screen's DPI. The layout's data
    // does not depend on it: a window that could not be made still prints.
    bool CreateHidden();

    Layout& layout() { return layout_; }
    const Layout& layout() const { return layout_; }


    // A print action: the plan's boxes take their texts, then PrintLayout. A print that
    // fails leaves the layout as it was, as if the click had not happened.
    bool FillAndPrint(const PrintPlan& plan, const BoxTextSource& textOf, HWND owner,
                      std::u16string_view programTitle);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();

    Layout layout_;
    FontCache fonts_;
};

}  // namespace papyrka::win
