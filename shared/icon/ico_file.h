#pragma once
// Writes icon images as a Windows .ico file: 4-bit colour with the standard
// palette and an opaque mask, one directory entry per size.
#include <cstdint>
#include <vector>

#include "icon/icon_image.h"

namespace papyrka::icon {

// One image as an icon resource holds it: BITMAPINFOHEADER (height doubled for the mask),
// palette, colour rows, mask rows.
std::vector<std::uint8_t> IconDib(const IconImage& image);

// The whole file; images of size 256 and more cannot be described and are left out.
std::vector<std::uint8_t> IcoFile(const std::vector<IconImage>& images);

}  // namespace papyrka::icon
