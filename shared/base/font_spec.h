#pragma once
// A font as the design names it: face, size in points, weight, underline. The Central
// European character set is implied everywhere in the suite.
#include <string_view>

namespace papyrka {

enum class Align { Left, Centre, Right };

struct FontSpec {
    std::u16string_view face = u"MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool underline = false;
};

inline constexpr FontSpec kLabelFont{u"MS Sans Serif", 8.25, true, false};   // buttons, captions

}  // namespace papyrka
