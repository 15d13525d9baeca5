#pragma once
// Fonts are made once per spec and DPI and kept for the life of the cache, not on every paint.
// A face is asked for by what the system has: a face missing there is replaced by the first
// of its stand-ins that is installed, and a caption that is still too wide for its box is
// drawn smaller until it fits, so that no system's fonts ever cut a caption.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "base/font_spec.h"
#include "win32/gdi.h"

namespace papyrka::win {

// What a font is for: text that GDI draws (captions, printed pages), or the text of a
// standard edit control, which Wine draws through its own shaping.
enum class FaceUse { Drawn, EditBox };

// The face asked of the system for `requested`: the first of its stand-ins (the requested
// face first where it scales, then faces every Windows has, then a narrow face of Linux)
// that `installed` has, leaving out for an edit box the faces in which Wine's edit control
// crashes; for an edit box where none is left, a face of Linux in which it does not; else
// the requested name itself, for the system's mapper.
std::u16string ChooseFace(std::u16string_view requested, FaceUse use,
                          const std::function<bool(std::u16string_view)>& installed);

// Whether this system has the scalable face `face` for Central European text (looked up
// once per process).
bool FaceInstalled(std::u16string_view face);

// A font for `spec` at `dpiY` (its character height follows the points exactly at that
// resolution), in the face ChooseFace picks on this system.
Font CreateFontFor(const FontSpec& spec, int dpiY, FaceUse use = FaceUse::Drawn);

class FontCache {
public:
    HFONT Get(const FontSpec& spec, int dpiY, FaceUse use = FaceUse::Drawn);   // owned by the cache
    // `spec`, or the largest smaller size of it in which `text`, drawn on `dc` by DrawTextW
    // with `format` (DT_SINGLELINE or DT_WORDBREAK), lies inside `box` (pixels).
    HFONT Fitting(HDC dc, const FontSpec& spec, int dpiY, std::u16string_view text, SIZE box, UINT format);
    void Clear() {
        fitting_.clear();
        fonts_.clear();
    }

private:
    using Key = std::tuple<std::u16string, int, bool, bool, int, FaceUse>;
    using FittingKey = std::tuple<Key, std::u16string, LONG, LONG, UINT>;
    std::map<Key, Font> fonts_;
    std::map<FittingKey, HFONT> fitting_;   // fonts owned by fonts_
};

}  // namespace papyrka::win
