#include "icon/ico_file.h"

namespace papyrka::icon {

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;

}  // namespace

std::vector<std::uint8_t> IconDib(const IconImage& image) {
    const std::vector<std::uint8_t> colour = PackedColourRows(image);
    const std::vector<std::uint8_t> mask = PackedMaskRows(image);
    std::vector<std::uint8_t> dib;
    Put32(dib, kInfoHeaderSize);
    Put32(dib, static_cast<std::uint32_t>(image.size));
    Put32(dib, static_cast<std::uint32_t>(image.size * 2));   // colour rows, then mask rows
    Put16(dib, 1);                                              // planes
    Put16(dib, 4);                                              // bits per pixel
    Put32(dib, 0);                                              // BI_RGB
    Put32(dib, static_cast<std::uint32_t>(colour.size() + mask.size()));
    Put32(dib, 0);
    Put32(dib, 0);
    Put32(dib, static_cast<std::uint32_t>(kIconPalette.size()));
    Put32(dib, 0);
    for (const PaletteColour& c : kIconPalette) {
        dib.push_back(c.blue);
        dib.push_back(c.green);
        dib.push_back(c.red);
        dib.push_back(0);
    }
    dib.insert(dib.end(), colour.begin(), colour.end());
    dib.insert(dib.end(), mask.begin(), mask.end());
    return dib;
}

std::vector<std::uint8_t> IcoFile(const std::vector<IconImage>& images) {
    std::vector<std::vector<std::uint8_t>> dibs;
    std::vector<int> sizes;
    for (const IconImage& image : images) {
        if (image.size <= 0 || image.size >= 256) continue;
        dibs.push_back(IconDib(image));
        sizes.push_back(image.size);
    }
    std::vector<std::uint8_t> file;
    Put16(file, 0);
    Put16(file, 1);   // icon, not cursor
    Put16(file, static_cast<unsigned>(dibs.size()));
    std::size_t offset = kDirectorySize + kEntrySize * dibs.size();
    for (std::size_t i = 0; i < dibs.size(); ++i) {
        file.push_back(static_cast<std::uint8_t>(sizes[i]));
        file.push_back(static_cast<std::uint8_t>(sizes[i]));
        file.push_back(16);   // colours
        file.push_back(0);
        Put16(file, 1);       // planes
        Put16(file, 4);       // bits per pixel
        Put32(file, static_cast<std::uint32_t>(dibs[i].size()));
        Put32(file, static_cast<std::uint32_t>(offset));
        offset += dibs[i].size();
    }
    for (const auto& dib : dibs) file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

}  // namespace papyrka::icon
