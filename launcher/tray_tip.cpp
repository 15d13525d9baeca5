#include "launcher/tray_tip.h"

namespace papyrka::launcher {

std::array<char16_t, kTipLength> TrayTipField(std::u16string_view text) {
    std::array<char16_t, kTipLength> field;
    field.fill(u' ');
    std::size_t length = text.size() < kTipLength - 1 ? text.size() : kTipLength - 1;
    if (length < text.size() && length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF)
        --length;
    text.copy(field.data(), length);
    field[length] = u'\0';
    return field;
}

}  // namespace papyrka::launcher
