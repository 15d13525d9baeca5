#include "icon/pictograms.h"

namespace papyrka::icon {

namespace {

constexpr double kFrame = 2.0;

// The launcher: a white figure striding to the right, the arms swinging against the legs.
Pictogram WalkingFigure() {
    constexpr double kLimb = 2.6;
    return {kIconBlack, kIconGrey, kFrame, {{kIconWhite, {
        Disc({17.5, 5.5}, 2.8),
        Stroke({17.0, 9.5}, {15.5, 18.0}, kLimb),     // body
        Stroke({16.8, 11.0}, {20.5, 14.0}, kLimb),    // front upper arm
        Stroke({20.5, 14.0}, {23.5, 16.5}, kLimb),    // front forearm
        Stroke({16.8, 11.0}, {13.0, 14.5}, kLimb),    // back upper arm
        Stroke({13.0, 14.5}, {10.5, 18.0}, kLimb),    // back forearm
        Stroke({15.5, 18.0}, {20.0, 22.0}, kLimb),    // front thigh
        Stroke({20.0, 22.0}, {21.5, 27.0}, kLimb),    // front shin
        Stroke({21.5, 27.0}, {24.5, 27.0}, kLimb),    // front foot
        Stroke({15.5, 18.0}, {13.5, 23.0}, kLimb),    // back thigh
        Stroke({13.5, 23.0}, {9.0, 26.0}, kLimb),     // back shin
        Stroke({9.0, 26.0}, {7.5, 24.0}, kLimb),      // back foot, heel up
    }}}};
}

// Vevuvez: a business card with a name line and two address lines.
Pictogram Card() {
    return {kIconTeal, kIconGrey, kFrame, {
        {kIconWhite, {Box({4, 8}, {28, 24})}},
        {kIconNavy, {Stroke({8, 12.5}, {20, 12.5}, 2.6)}},
        {kIconDarkGrey, {Stroke({8, 17}, {24, 17}, 2), Stroke({8, 21}, {19, 21}, 2)}},
    }};
}

// Kryton: a CD case, its hinge on the left and the disc showing through.
Pictogram CdCase() {
    return {kIconNavy, kIconGrey, kFrame, {
        {kIconGrey, {Box({5, 5}, {27, 27})}},
        {kIconDarkGrey, {Box({5, 5}, {9.5, 27})}},
        {kIconWhite, {Disc({18.5, 16}, 7.5, 2.6)}},
    }};
}

// Kuvertex: an envelope with its flap folded down.
Pictogram Envelope() {
    return {kIconOlive, kIconGrey, kFrame, {
        {kIconWhite, {Box({4, 8}, {28, 25})}},
        {kIconDarkGrey, {Stroke({5, 9}, {16, 18}, 2.2), Stroke({16, 18}, {27, 9}, 2.2)}},
    }};
}

// Vreckar: a paper sleeve with a round window onto the disc and a flap at the top.
Pictogram Sleeve() {
    return {kIconGreen, kIconGrey, kFrame, {
        {kIconWhite, {Box({6, 9}, {26, 28}), Box({9, 4}, {23, 9})}},
        {kIconDarkGrey, {Disc({16, 18.5}, 6.5, 2.5), Stroke({6.5, 9}, {25.5, 9}, 1.6)}},
    }};
}

// Zozuraz: a letter, an upright page of text lines.
Pictogram Letter() {
    return {kIconPurple, kIconGrey, kFrame, {
        {kIconWhite, {Box({8, 4}, {24, 28})}},
        {kIconBlack, {Stroke({11, 9}, {21, 9}, 2), Stroke({11, 14}, {21, 14}, 2), Stroke({11, 19}, {21, 19}, 2),
                      Stroke({11, 24}, {17, 24}, 2)}},
    }};
}

// Radirir: a diskette, its metal shutter at the top and the label below.
Pictogram Diskette() {
    return {kIconMaroon, kIconGrey, kFrame, {
        {kIconBlue, {Box({5, 5}, {27, 27})}},
        {kIconGrey, {Box({11, 5}, {22, 13})}},
        {kIconWhite, {Box({9, 17}, {23, 27})}},
    }};
}

// Davavazo: an address book, its red cover with a label and letter tabs down the edge.
Pictogram AddressBook() {
    return {kIconDarkGrey, kIconGrey, kFrame, {
        {kIconRed, {Box({6, 4}, {25, 28})}},
        {kIconYellow, {Box({25, 6}, {29, 11}), Box({25, 14}, {29, 19}), Box({25, 22}, {29, 27})}},
        {kIconWhite, {Box({10, 9}, {21, 15})}},
    }};
}

}  // namespace

const std::vector<ProgramPictogram>& ProgramPictograms() {
    static const std::vector<ProgramPictogram> pictograms{
        {"Papyrka", WalkingFigure()}, {"Vevuvez", Card()},     {"Kryton", CdCase()},
        {"Kuvertex", Envelope()},     {"Vreckar", Sleeve()},   {"Zozuraz", Letter()},
        {"Radirir", Diskette()},      {"Davavazo", AddressBook()},
    };
    return pictograms;
}

const Pictogram* FindPictogram(std::string_view program) {
    for (const ProgramPictogram& entry : ProgramPictograms())
        if (entry.program == program) return &entry.pictogram;
    return nullptr;
}

}  // namespace papyrka::icon
