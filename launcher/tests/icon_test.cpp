// The program icon as drawn at every size a tray may ask for.
#include <gtest/gtest.h>

#include <algorithm>

#include "icon/pictograms.h"

namespace papyrka::launcher {
namespace {

using namespace icon;

IconImage DrawProgramIcon(int size) { return DrawPictogram(*FindPictogram("Papyrka"), size); }

// Blackens the white pixels joined to (x, y) through edges and corners; returns how many.
int EraseFigure(IconImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.size || y >= image.size || image.at(x, y) != kIconWhite) return 0;
    image.pixels[static_cast<size_t>(y * image.size + x)] = kIconBlack;
    int count = 1;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) count += EraseFigure(image, x + dx, y + dy);
    return count;
}

TEST(ProgramIcon, IsAWholeWhiteFigureOnBlackInsideAGreyFrameAtEverySize) {
    for (int size : {32, 16, 24, 48}) {
        IconImage image = DrawProgramIcon(size);
        ASSERT_EQ(image.pixels.size(), static_cast<size_t>(size * size));
        int white = 0, black = 0, firstWhite = -1;
        for (int i = 0; i < size * size; ++i) {
            const int x = i % size, y = i / size, pixel = image.at(x, y);
            const int fromEdge = std::min({x, y, size - 1 - x, size - 1 - y});
            EXPECT_TRUE(fromEdge > 0 || pixel == kIconGrey) << size << ": frame at " << x << "," << y;
            EXPECT_TRUE(fromEdge != 1 || size <= 16 || pixel != kIconWhite) << size << ": " << x << "," << y;
            if (pixel == kIconWhite && white++ == 0) firstWhite = i;
            black += pixel == kIconBlack;
        }
        EXPECT_TRUE(white > size * size / 12 && black > white) << size << ": a figure on a mostly black square";
        EXPECT_EQ(EraseFigure(image, firstWhite % size, firstWhite / size), white) << size << ": no limb falls apart";
    }
}

}  // namespace
}  // namespace papyrka::launcher
