#pragma once
// Fonts are made once per spec and DPI and kept for the life of the cache, not on every paint.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "base/font_spec.h"
#include "win32/gdi.h"

namespace papyrka::win {

// A font for `spec` at `dpiY` (its character height follows the points exactly at that
// resolution). "MS Sans Serif" is asked for as a scalable face of the same look.
Font CreateFontFor(const FontSpec& spec, int dpiY);

class FontCache {
public:
    HFONT Get(const FontSpec& spec, int dpiY);   // owned by the cache
    void Clear() { fonts_.clear(); }

private:
    using Key = std::tuple<std::u16string, int, bool, bool, int>;
    std::map<Key, Font> fonts_;
};

}  // namespace papyrka::win
