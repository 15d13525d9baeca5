#include "win32/fonts.h"

#include <algorithm>
#include <cmath>

namespace papyrka::win {

namespace {

// "MS Sans Serif" is a bitmap face that cannot scale or print crisply: its TrueType twin is
// asked for. Where that is missing (Wine), the font mapper's substitute has a real bold face,
// which prints bold; Tahoma there is drawn bold on screen but reaches paper as regular.
std::u16string ScalableFace(std::u16string_view face) {
    if (face == u"MS Sans Serif") return u"Microsoft Sans Serif";
    return std::u16string(face);
}

int HeightFor(double points, int dpiY) {
    // Negative: the character height, as a point size means, not the cell height.
    return -static_cast<int>(std::lround(points * dpiY / 72.0));
}

}  // namespace

Font CreateFontFor(const FontSpec& spec, int dpiY) {
    LOGFONTW lf{};
    lf.lfHeight = HeightFor(spec.points, dpiY);
    lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = spec.underline ? TRUE : FALSE;
    lf.lfCharSet = EASTEUROPE_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    const std::u16string face = ScalableFace(spec.face);
    const size_t length = std::min(face.size(), static_cast<size_t>(LF_FACESIZE - 1));
    for (size_t i = 0; i < length; ++i) lf.lfFaceName[i] = static_cast<wchar_t>(face[i]);
    return Font(CreateFontIndirectW(&lf));
}

HFONT FontCache::Get(const FontSpec& spec, int dpiY) {
    Key key{std::u16string(spec.face), static_cast<int>(std::lround(spec.points * 100)), spec.bold,
            spec.underline, dpiY};
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second.get();
    Font font = CreateFontFor(spec, dpiY);
    HFONT handle = font.get();
    if (handle) fonts_.emplace(std::move(key), std::move(font));
    return handle ? handle : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace papyrka::win
