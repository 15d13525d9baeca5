#pragma once
// Where the background pictures of the launcher and about windows put their parts, in twips
// (15 twips are one pixel of the 400 x 400 pixel design at 96 dpi).
#include <array>

#include "base/twips.h"

namespace papyrka::launcher {

inline constexpr TwipsRect kWindowArea{0, 0, 6000, 6000};

// The bevelled bars under the title (top edge at pixel row 58) and near the bottom (row 363).
// Five pixels high, so the labels just under them (rows 64 and 368) stay on the gradient.
inline constexpr TwipsRect kTitleBar{120, 870, 5760, 75};
inline constexpr TwipsRect kBottomBar{120, 5445, 5760, 75};

// The seven red oval buttons behind the program labels: pixel columns 121..275, 21 rows
// centred at rows 102, 142, ... 342.
inline constexpr int kOvalCount = 7;
inline constexpr int kOvalLeft = 121 * 15;
inline constexpr int kOvalWidth = 155 * 15;
inline constexpr int kOvalHeight = 21 * 15;
inline constexpr int kFirstOvalCentre = 102 * 15;
inline constexpr int kOvalPitch = 40 * 15;

constexpr TwipsRect OvalButton(int index) {
    return TwipsRect{kOvalLeft, kFirstOvalCentre + index * kOvalPitch - (kOvalHeight - 15) / 2, kOvalWidth,
                     kOvalHeight};
}

}  // namespace papyrka::launcher
