#include "twips.h"

#include <gtest/gtest.h>

namespace papyrka {
namespace {

struct Conversion {
    int twips, dpi, device;
};

TEST(TwipsToDevice, RoundsToTheNearestUnitAtEveryResolution) {
    const Conversion table[] = {
        {15, 96, 1},      {6000, 96, 400},   {5895, 96, 393},   {7, 96, 0},       {8, 96, 1},
        {6000, 120, 500}, {6000, 144, 600},  {255, 144, 26},    {5115, 300, 1066}, {5115, 600, 2131},
        {16995, 300, 3541}, {-15, 96, -1},   {-7, 96, 0},       {0, 600, 0},
    };
    for (const auto& row : table)
        EXPECT_EQ(TwipsToDevice(row.twips, row.dpi), row.device) << row.twips << " twips at " << row.dpi;
}

TEST(TwipsToDevice, EveryDesignPositionIsAWholePixelAt96Dpi) {
    for (int twips = 0; twips <= 16995; twips += 15) EXPECT_EQ(TwipsToDevice(twips, 96) * 15, twips);
}

TEST(DeviceMapping, ScalesEachAxisByItsOwnResolutionAndKeepsTheOrigin) {
    // A 300 x 600 dpi printer with a printable-area offset: the classic bug scales both axes
    // by one resolution or forgets the offset.
    const DeviceMapping map{300, 600, 50, 70};
    EXPECT_EQ(map.X(1440), 350);
    EXPECT_EQ(map.Y(1440), 670);
    EXPECT_EQ(map.W(1440), 300);
    EXPECT_EQ(map.H(1440), 600);
}

TEST(DeviceMapping, EdgesConvertSeparatelySoNeighboursMeet) {
    // Boxes every 240 twips, 255 high: at 300 dpi each right edge is the next box's left edge
    // plus the 15-twip overlap, whatever the rounding of each box's own width would say.
    const DeviceMapping map{300, 300, 0, 0};
    for (int top = 1800; top < 2800; top += 240) {
        const TwipsRect box{120, top, 2295, 255};
        const TwipsRect next{120, top + 240, 2295, 255};
        EXPECT_EQ(map.Y(box.bottom()), map.Y(next.top + 15));
    }
}

}  // namespace
}  // namespace papyrka
