#include "launcher/win/program_icon.h"

#include <cstring>
#include <vector>

#include "win32/gdi.h"
#include "icon/pictograms.h"

namespace papyrka::launcher {

namespace {

struct FourBitInfo {
    BITMAPINFOHEADER header;
    RGBQUAD palette[16];
};

}  // namespace

Icon MakeProgramIcon(int size) {
    const icon::Pictogram* figure = icon::FindPictogram("Papyrka");
    if (!figure) return Icon();
    const icon::IconImage image = icon::DrawPictogram(*figure, size);
    if (image.size == 0) return Icon();

    FourBitInfo info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = size;
    info.header.biHeight = size;   // rows from the bottom, as PackedColourRows writes them
    info.header.biPlanes = 1;
    info.header.biBitCount = 4;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = 16;
    for (std::size_t i = 0; i < icon::kIconPalette.size(); ++i)
        info.palette[i] = RGBQUAD{icon::kIconPalette[i].blue, icon::kIconPalette[i].green, icon::kIconPalette[i].red, 0};

    void* bits = nullptr;
    win::Bitmap colour(
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!colour || !bits) return Icon();
    GdiFlush();
    const std::vector<std::uint8_t> rows = icon::PackedColourRows(image);
    std::memcpy(bits, rows.data(), rows.size());

    // A monochrome bitmap's rows are padded to 16 bits; all zero: the square is opaque.
    const std::vector<std::uint8_t> mask(static_cast<std::size_t>((size + 15) / 16 * 2 * size), 0);
    win::Bitmap maskBitmap(CreateBitmap(size, size, 1, 1, mask.data()));
    if (!maskBitmap) return Icon();

    ICONINFO iconInfo{};
    iconInfo.fIcon = TRUE;
    iconInfo.hbmMask = maskBitmap.get();
    iconInfo.hbmColor = colour.get();
    return Icon(CreateIconIndirect(&iconInfo));   // copies both bitmaps
}

}  // namespace papyrka::launcher
