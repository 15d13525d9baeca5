#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ico_file.h"
#include "program_icon_image.h"

namespace papyrka::launcher {
namespace {

// Pixels of the figure reachable from the first one, through edges and corners.
int ConnectedFigurePixels(const IconImage& image) {
    std::vector<bool> seen(image.pixels.size(), false);
    std::vector<int> stack;
    for (int i = 0; i < static_cast<int>(image.pixels.size()) && stack.empty(); ++i)
        if (image.pixels[i] == kIconWhite) stack.push_back(i), seen[i] = true;
    int count = 0;
    while (!stack.empty()) {
        const int at = stack.back();
        stack.pop_back();
        ++count;
        const int x = at % image.size, y = at / image.size;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= image.size || ny >= image.size) continue;
                const int next = ny * image.size + nx;
                if (!seen[next] && image.pixels[next] == kIconWhite) seen[next] = true, stack.push_back(next);
            }
    }
    return count;
}

TEST(ProgramIcon, IsAWholeWhiteFigureOnBlackInsideAGreyFrameAtBothSizes) {
    for (int size : {32, 16, 24, 48}) {
        const IconImage image = DrawProgramIcon(size);
        ASSERT_EQ(image.pixels.size(), static_cast<size_t>(size * size));
        int white = 0, black = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const std::uint8_t pixel = image.at(x, y);
                const bool edge = x == 0 || y == 0 || x == size - 1 || y == size - 1;
                const bool nextToFrame = x == 1 || y == 1 || x == size - 2 || y == size - 2;
                if (edge) {
                    EXPECT_EQ(pixel, kIconGrey) << size << ": " << x << "," << y;
                }
                if (nextToFrame && size > 16) {
                    EXPECT_NE(pixel, kIconWhite) << size << ": " << x << "," << y;
                }
                EXPECT_TRUE(pixel == kIconGrey || pixel == kIconWhite || pixel == kIconBlack);
                white += pixel == kIconWhite;
                black += pixel == kIconBlack;
            }
        EXPECT_GT(white, size * size / 12) << size;
        EXPECT_GT(black, white) << size << ": the square stays mostly black";
        EXPECT_EQ(ConnectedFigurePixels(image), white) << size << ": no limb falls apart";
    }
    EXPECT_TRUE(DrawProgramIcon(0).pixels.empty());
}

std::uint32_t Read32(const std::vector<std::uint8_t>& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}
unsigned Read16(const std::vector<std::uint8_t>& bytes, size_t at) { return bytes[at] | bytes[at + 1] << 8; }

TEST(IcoFile, DescribesEachImageAndItsPixelsReadBack) {
    const std::vector<IconImage> images{DrawProgramIcon(32), DrawProgramIcon(16)};
    const std::vector<std::uint8_t> file = IcoFile(images);
    ASSERT_GE(file.size(), 38u);
    EXPECT_EQ(Read16(file, 0), 0u);
    EXPECT_EQ(Read16(file, 2), 1u);
    ASSERT_EQ(Read16(file, 4), 2u);
    size_t expectedOffset = 6 + 2 * 16;
    for (size_t i = 0; i < images.size(); ++i) {
        const size_t entry = 6 + 16 * i;
        const int size = images[i].size;
        EXPECT_EQ(file[entry], size);
        EXPECT_EQ(file[entry + 1], size);
        EXPECT_EQ(file[entry + 2], 16) << "colours";
        EXPECT_EQ(Read16(file, entry + 6), 4u) << "bits per pixel";
        const std::uint32_t length = Read32(file, entry + 8);
        const std::uint32_t offset = Read32(file, entry + 12);
        EXPECT_EQ(offset, expectedOffset);
        const size_t colourStride = static_cast<size_t>((size * 4 + 31) / 32 * 4);
        const size_t maskStride = static_cast<size_t>((size + 31) / 32 * 4);
        EXPECT_EQ(length, 40 + 64 + (colourStride + maskStride) * size);
        expectedOffset += length;

        EXPECT_EQ(Read32(file, offset), 40u);
        EXPECT_EQ(Read32(file, offset + 4), static_cast<std::uint32_t>(size));
        EXPECT_EQ(Read32(file, offset + 8), static_cast<std::uint32_t>(2 * size)) << "colour and mask";
        EXPECT_EQ(file[offset + 40 + 4 * kIconWhite], 255);
        const size_t rows = offset + 40 + 64;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const std::uint8_t byte = file[rows + colourStride * (size - 1 - y) + x / 2];
                const int index = x % 2 == 0 ? byte >> 4 : byte & 0x0F;
                ASSERT_EQ(index, images[i].at(x, y)) << size << ": " << x << "," << y;
                EXPECT_EQ(file[rows + colourStride * size + maskStride * (size - 1 - y) + x / 8], 0) << "opaque";
            }
    }
    EXPECT_EQ(file.size(), expectedOffset);
}

}  // namespace
}  // namespace papyrka::launcher
