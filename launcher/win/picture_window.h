#pragma once
// What the launcher window and the about window share: a borderless 6000 x 6000 twips
// window without a taskbar button, centred, painted from a background drawn by code, with
// windowless labels that act as buttons (hand cursor, green under the mouse, click on
// release). Each window supplies its background, its labels and its handlers.
#include <windows.h>

#include <memory>

#include "win32/fonts.h"
#include "win32/gdi.h"
#include "win32/labels.h"
#include "win32/window.h"
#include "launcher/window_labels.h"

namespace papyrka::launcher {

class PictureWindow : public win::Window {
public:
    // Creates and shows the window centred, or only brings it forward if it is open.
    bool Open();
    void BringForward();

    const win::LabelSet& labels() const { return labels_; }
    DeviceMapping Mapping() const;

protected:
    PictureWindow(const wchar_t* className, const wchar_t* title);

    // Adds a table's labels in order; label i of the table is label i of the set.
    template <std::size_t N>
    void AddLabels(const WindowLabel (&table)[N]) {
        for (const WindowLabel& row : table) AddLabel(row);
    }
    void SetLabelColour(int index, Colour colour);

    virtual void DrawBackground(HDC dc, const DeviceMapping& map, win::FontCache& fonts) = 0;
    virtual bool IsOverPicture(POINT) const { return false; }   // an image control, not background
    virtual void Label_Click(int index) = 0;
    virtual void Label_MouseMove(int index) = 0;
    virtual void Form_MouseMove() = 0;
    virtual void Form_Close() { Destroy(); }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddLabel(const WindowLabel& row);
    void Form_Paint();
    void Form_MouseMoveAt(POINT at);
    void Form_MouseDown(POINT at);
    void Form_MouseUp(POINT at);
    bool Form_SetCursor();
    void Form_DpiChanged(const RECT& suggested);
    HDC BackgroundDc(HDC reference);   // nullptr when there is no memory for it

    const wchar_t* className_;
    const wchar_t* title_;
    win::LabelSet labels_;
    win::FontCache fonts_;
    std::unique_ptr<win::MemoryDc> background_;   // drawn once per resolution
    int backgroundDpi_ = 0;
};

}  // namespace papyrka::launcher
