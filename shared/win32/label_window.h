#pragma once
// The window every form of the suite is: windowless labels that act as buttons, painted
// over a background the form draws, at the window's own DPI. A label that takes clicks
// shows the hand cursor; a move over it goes to the form's handler for it, a move over the
// bare background to the form's own; a press captures the mouse, and a release over the
// label (or image) that took it is a click, while a press that loses the capture is none.
#include <windows.h>

#include <string>

#include "base/colour.h"
#include "base/twips.h"
#include "win32/fonts.h"
#include "win32/labels.h"
#include "win32/window.h"

namespace papyrka::win {

class LabelWindow : public Window {
public:
    const LabelSet& Labels() const { return labels_; }
    const DeviceMapping& Mapping() const { return map_; }   // twips -> this window's pixels

protected:
    LabelWindow() = default;

    int AddLabel(LabelSpec spec) { return labels_.Add(std::move(spec)); }
    void SetLabelColour(int index, Colour colour);
    void SetLabelCaption(int index, std::u16string caption);
    FontCache& Fonts() { return fonts_; }

    // Every pixel of the client area under the labels.
    virtual void PaintBackground(HDC dc) = 0;
    virtual void Label_Click(int label) = 0;
    virtual void Label_MouseMove(int /*label*/) {}   // only for labels that take clicks
    virtual void Form_MouseMove() {}
    // Images the form draws outside its labels, by its own numbers (-1: none). An image is
    // no bare background; one that acts is pressed and clicked like a button label, ahead
    // of any label under it.
    virtual int ImageAt(POINT /*pixel*/) const { return -1; }
    virtual bool ImageActs(int /*image*/) const { return false; }
    virtual void Image_Click(int /*image*/) {}
    // After a DPI change has resized the window: child controls move, pictures drawn at the
    // old resolution go.
    virtual void OnDpiChanged() {}

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
    bool OnSetCursor(HWND under, int hitArea);
    void OnMouseMove(POINT pixel);
    void OnLeftButtonDown(POINT pixel);
    void OnLeftButtonUp(POINT pixel);
    void CancelPress();
    void ApplyDpi(UINT dpi, const RECT& suggested);
    int ActingImageAt(POINT pixel) const;
    bool IsHot(POINT pixel) const;

    LabelSet labels_;
    FontCache fonts_;
    DeviceMapping map_;
    int pressedImage_ = -1;
};

}  // namespace papyrka::win
