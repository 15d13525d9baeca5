#include "fonts.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "wide.h"

namespace papyrka::win {

namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool IsInstalled(const wchar_t* face) {
    WindowDc screen(nullptr);
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(screen.get(), &query, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// "MS Sans Serif" is a bitmap face that cannot scale or print crisply. Its TrueType twin
// comes first; where that is missing (Wine), Tahoma keeps the same proportions better than
// the font mapper's generic sans-serif would.
std::u16string ScalableFace(std::u16string_view face) {
    if (face != u"MS Sans Serif") return std::u16string(face);
    static const std::u16string resolved = [] {
        for (const wchar_t* candidate : {L"Microsoft Sans Serif", L"Tahoma"})
            if (IsInstalled(candidate)) return Utf16(std::wstring(candidate));
        return std::u16string(u"Microsoft Sans Serif");
    }();
    return resolved;
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
