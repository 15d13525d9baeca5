#pragma once
// Whether a window's captions lie whole inside their boxes, in the fonts its labels are
// painted in on this system.
#include <gtest/gtest.h>

#include <string>

#include "win32/gdi.h"
#include "win32/labels.h"

namespace papyrka::test {

// At 96 and 144 dpi, on a DC like the screen's: every caption, laid out by DrawTextW as its
// label lays it out, lies inside its rectangle, in characters at least three quarters as
// tall as those asked for.
inline void ExpectEveryCaptionFits(const win::LabelSet& labels, const std::string& window) {
    for (int dpi : {96, 144}) {
        const DeviceMapping map{dpi, dpi, 0, 0};
        win::FontCache fonts;
        win::MemoryDc dc(nullptr, 10, 10);
        for (int i = 0; i < labels.size(); ++i) {
            const win::LabelSpec& label = labels[i];
            const RECT box = labels.PixelRect(map, i);
            const win::SelectGuard font(dc.get(), labels.FontOf(dc.get(), map, fonts, i));
            RECT drawn{0, 0, box.right - box.left, box.bottom - box.top};
            DrawTextW(dc.get(), win::Wide(label.caption), static_cast<int>(label.caption.size()), &drawn,
                      win::LineFormat(label) | DT_CALCRECT);
            TEXTMETRICW metrics{};
            ASSERT_TRUE(GetTextMetricsW(dc.get(), &metrics));
            SCOPED_TRACE(window + " label " + std::to_string(i) + " " + std::string(label.name) + " at " +
                         std::to_string(dpi) + " dpi");
            EXPECT_LE(drawn.right, box.right - box.left);
            EXPECT_LE(drawn.bottom, box.bottom - box.top);
            EXPECT_GE(metrics.tmHeight - metrics.tmInternalLeading, 0.75 * label.font.points * dpi / 72);
        }
    }
}

}  // namespace papyrka::test
