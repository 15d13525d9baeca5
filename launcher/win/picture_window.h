#pragma once
// What the launcher window and the about window share: a borderless 6000 x 6000 twips
// window without a taskbar button, centred, painted from a background drawn by code, with
// windowless labels that act as buttons (hand cursor, green under the mouse, click on
// release). Each window supplies its background, its labels and its handlers.
#include <windows.h>

#include <memory>

#include "win32/fonts.h"
#include "win32/gdi.h"
#include "win32/label_window.h"
#include "launcher/window_labels.h"

namespace papyrka::launcher {

class PictureWindow : public win::LabelWindow {
public:
    // Creates and shows the window centred, or only brings it forward if it is open.
    bool Open();
    void BringForward();
    // A row of a window's label table as the window's label.
    static win::LabelSpec SpecOf(const WindowLabel& row);

protected:
    PictureWindow(const wchar_t* className, const wchar_t* title);

    // Adds a table's labels in order; label i of the table is label i of the set.
    template <std::size_t N>
    void AddLabels(const WindowLabel (&table)[N]) {
        for (const WindowLabel& row : table) AddLabel(SpecOf(row));
    }

    virtual void DrawBackground(HDC dc, const DeviceMapping& map, win::FontCache& fonts) = 0;
    virtual void Form_Close() { Destroy(); }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintBackground(HDC dc) override;
    void OnDpiChanged() override { background_.reset(); }
    HDC BackgroundDc(HDC reference);   // nullptr when there is no memory for it

    const wchar_t* className_;
    const wchar_t* title_;
    std::unique_ptr<win::MemoryDc> background_;   // drawn once per resolution
    int backgroundDpi_ = 0;
};

}  // namespace papyrka::launcher
