// Each program's pictogram as the taskbar and Alt+Tab show it: every part still visible at
// 16 pixels, and no two programs alike.
#include <gtest/gtest.h>

#include <set>

#include "icon/pictograms.h"

namespace papyrka::icon {
namespace {

TEST(Pictograms, EveryPartShowsAndNoTwoProgramsLookAlikeAtBothSizes) {
    const auto& pictograms = ProgramPictograms();
    for (int size : {32, 16}) {
        std::set<std::vector<std::uint8_t>> seen;
        for (const ProgramPictogram& entry : pictograms) {
            const IconImage image = DrawPictogram(entry.pictogram, size);
            ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(size * size));
            const std::set<std::uint8_t> colours(image.pixels.begin(), image.pixels.end());
            EXPECT_TRUE(colours.count(entry.pictogram.background)) << entry.program << " at " << size;
            for (const Layer& layer : entry.pictogram.layers)
                EXPECT_TRUE(colours.count(layer.colour)) << entry.program << " at " << size << ": colour " << +layer.colour;
            EXPECT_TRUE(seen.insert(image.pixels).second) << entry.program << " looks like another at " << size;
            EXPECT_EQ(FindPictogram(entry.program), &entry.pictogram);
        }
    }
    EXPECT_EQ(FindPictogram("Nikto"), nullptr);
    EXPECT_TRUE(DrawPictogram(pictograms.front().pictogram, 0).pixels.empty());
}

}  // namespace
}  // namespace papyrka::icon
