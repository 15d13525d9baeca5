// The program icon as drawn at every size a tray may ask for; how Windows reads it from the
// .exe and the tray is tested under Wine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "icon/pictograms.h"

namespace papyrka::launcher {
namespace {

using namespace icon;

IconImage DrawProgramIcon(int size) { return DrawPictogram(*FindPictogram("Papyrka"), size); }

// Blackens the white pixels joined to (x, y) through edges and corners; returns how many.
int EraseFigure(IconImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.size || y >= image.size || image.at(x, y) != kIconWhite) return 0;
    image.pixels[y * image.size + x] = kIconBlack;
    int count = 1;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) count += EraseFigure(image, x + dx, y + dy);
    return count;
}

TEST(ProgramIcon, IsAWholeWhiteFigureOnBlackInsideAGreyFrameAtEverySize) {
    for (int size : {32, 16, 24, 48}) {
        const IconImage image = DrawProgramIcon(size);
        ASSERT_EQ(image.pixels.size(), static_cast<size_t>(size * size));
        int white = 0, black = 0, firstWhite = -1;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const std::uint8_t pixel = image.at(x, y);
                const int fromEdge = std::min({x, y, size - 1 - x, size - 1 - y});
                EXPECT_TRUE(fromEdge > 0 || pixel == kIconGrey) << size << ": frame at " << x << "," << y;
                EXPECT_TRUE(fromEdge != 1 || size <= 16 || pixel != kIconWhite) << size << ": " << x << "," << y;
                EXPECT_TRUE(pixel == kIconGrey || pixel == kIconWhite || pixel == kIconBlack);
                if (pixel == kIconWhite && white++ == 0) firstWhite = y * size + x;
                black += pixel == kIconBlack;
            }
        EXPECT_GT(white, size * size / 12) << size;
        EXPECT_GT(black, white) << size << ": the square stays mostly black";
        IconImage figure = image;
        EXPECT_EQ(EraseFigure(figure, firstWhite % size, firstWhite / size), white) << size << ": no limb falls apart";
    }
}

}  // namespace
}  // namespace papyrka::launcher
