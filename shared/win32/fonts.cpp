#include "win32/fonts.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "win32/wide.h"

namespace papyrka::win {

namespace {

// "MS Sans Serif" is a bitmap face that cannot scale or print crisply: its TrueType twin
// comes first. Where neither that nor Tahoma nor Arial is installed (a user's own Wine
// prefix), the mapper's substitute is DejaVu Sans, wide enough to cut captions designed for
// the narrower Windows faces; its condensed cut keeps them whole and has a real bold face,
// which prints bold.
struct StandIns {
    std::u16string_view requested;
    std::u16string_view faces[4];
};
constexpr StandIns kStandIns[] = {
    {u"MS Sans Serif", {u"Microsoft Sans Serif", u"Tahoma", u"Arial", u"DejaVu Sans Condensed"}},
    {u"Tahoma", {u"Tahoma", u"Microsoft Sans Serif", u"Arial", u"DejaVu Sans Condensed"}},
};

// Wine 8's edit control crashes in its text analysis when a box's text starts with ˇ ˛ or ˝
// (or has one after a no-break space) in these faces, the mapper's substitutes for every
// Windows sans face in a user's prefix; GDI's own text drawing of the same text does not.
// Tahoma, the URW Helvetica clone and DejaVu Serif, Mono and Light do not crash.
constexpr std::u16string_view kCrashingInEditBoxes[] = {u"DejaVu Sans", u"DejaVu Sans Condensed"};
// An edit box's face where its stand-ins would crash: the one closest to Arial first. Edit
// boxes are never printed, so a face that is not TrueType does here.
constexpr std::u16string_view kEditBoxFallbacks[] = {u"Nimbus Sans", u"DejaVu Serif"};

bool CrashesInEditBoxes(std::u16string_view face) {
    return std::find(std::begin(kCrashingInEditBoxes), std::end(kCrashingInEditBoxes), face) !=
           std::end(kCrashingInEditBoxes);
}

// Below this a caption would no longer be read; it is the floor of the shrinking.
constexpr double kSmallestPoints = 6;

int HeightFor(double points, int dpiY) {
    // Negative: the character height, as a point size means, not the cell height.
    return -static_cast<int>(std::lround(points * dpiY / 72.0));
}

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM faces) {
    // Only outline faces: a bitmap face cannot scale, and a printer would get it blocky.
    if (type & RASTER_FONTTYPE) return 1;
    const wchar_t* name = font->lfFaceName;
    reinterpret_cast<std::set<std::u16string>*>(faces)->emplace(Utf16(name, wcsnlen(name, LF_FACESIZE)));
    return 1;
}

std::set<std::u16string> InstalledFaces() {
    std::set<std::u16string> faces;
    const WindowDc screen(nullptr);
    LOGFONTW query{};
    query.lfCharSet = EASTEUROPE_CHARSET;
    if (screen.get()) EnumFontFamiliesExW(screen.get(), &query, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
    return faces;
}

bool Fits(HDC dc, HFONT font, std::u16string_view text, SIZE box, UINT format) {
    const SelectGuard selected(dc, font);
    RECT drawn{0, 0, box.cx, box.cy};
    if (!DrawTextW(dc, Wide(text), static_cast<int>(text.size()), &drawn, format | DT_CALCRECT)) return false;
    return drawn.right <= box.cx && drawn.bottom <= box.cy;
}

}  // namespace

std::u16string ChooseFace(std::u16string_view requested, FaceUse use,
                          const std::function<bool(std::u16string_view)>& installed) {
    const auto usable = [&](std::u16string_view face) {
        return installed(face) && !(use == FaceUse::EditBox && CrashesInEditBoxes(face));
    };
    const StandIns* row = nullptr;
    for (const StandIns& candidate : kStandIns)
        if (candidate.requested == requested) row = &candidate;
    if (row) {
        for (std::u16string_view face : row->faces)
            if (usable(face)) return std::u16string(face);
    } else if (usable(requested)) {
        return std::u16string(requested);
    }
    if (use == FaceUse::EditBox)
        for (std::u16string_view face : kEditBoxFallbacks)
            if (installed(face)) return std::u16string(face);
    return std::u16string(requested);
}

bool FaceInstalled(std::u16string_view face) {
    static const std::set<std::u16string> faces = InstalledFaces();
    return faces.count(std::u16string(face)) > 0;
}

Font CreateFontFor(const FontSpec& spec, int dpiY, FaceUse use) {
    LOGFONTW lf{};
    lf.lfHeight = HeightFor(spec.points, dpiY);
    lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = spec.underline ? TRUE : FALSE;
    lf.lfCharSet = EASTEUROPE_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    const std::u16string face = ChooseFace(spec.face, use, FaceInstalled);
    const size_t length = std::min(face.size(), static_cast<size_t>(LF_FACESIZE - 1));
    for (size_t i = 0; i < length; ++i) lf.lfFaceName[i] = static_cast<wchar_t>(face[i]);
    return Font(CreateFontIndirectW(&lf));
}

HFONT FontCache::Get(const FontSpec& spec, int dpiY, FaceUse use) {
    Key key{std::u16string(spec.face), static_cast<int>(std::lround(spec.points * 100)), spec.bold,
            spec.underline, dpiY, use};
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second.get();
    Font font = CreateFontFor(spec, dpiY, use);
    HFONT handle = font.get();
    if (handle) fonts_.emplace(std::move(key), std::move(font));
    return handle ? handle : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT FontCache::Fitting(HDC dc, const FontSpec& spec, int dpiY, std::u16string_view text, SIZE box, UINT format) {
    if (text.empty()) return Get(spec, dpiY);
    FittingKey key{Key{std::u16string(spec.face), static_cast<int>(std::lround(spec.points * 100)), spec.bold,
                       spec.underline, dpiY, FaceUse::Drawn},
                   std::u16string(text), box.cx, box.cy, format};
    auto found = fitting_.find(key);
    if (found != fitting_.end()) return found->second;
    // One pixel of character height smaller at a time, down to the floor.
    FontSpec smaller = spec;
    HFONT font = Get(smaller, dpiY);
    while (!Fits(dc, font, text, box, format) && smaller.points - 72.0 / dpiY >= kSmallestPoints) {
        smaller.points -= 72.0 / dpiY;
        font = Get(smaller, dpiY);
    }
    fitting_.emplace(std::move(key), font);
    return font;
}

}  // namespace papyrka::win
