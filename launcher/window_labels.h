#pragma once
// The labels of the launcher window (Form2) and the about window (Form3), as rows of their
// tables: caption, box in twips, resting colour, whether it acts as a button, and what a
// click does.
#include <string_view>

#include "base/colour.h"
#include "base/font_spec.h"
#include "base/twips.h"

namespace papyrka::launcher {

enum class LabelAction { None, StartDesigner, CloseWindow };

struct WindowLabel {
    std::string_view name;
    std::u16string_view caption;
    TwipsRect box;
    Colour colour;
    LabelAction action = LabelAction::None;
    std::u16string_view designerFile;   // for StartDesigner

    // Every label that does something is a button: hand cursor, green under the mouse, centred.
    constexpr bool clickable() const { return action != LabelAction::None; }
};

inline constexpr int kWindowTwips = 6000;   // both windows: 6000 x 6000 twips of client area

// Tahoma by name: it is on every Windows, and "Verzia programu :" takes 103 of its 105 pixels
// in it. Where it is missing, its stand-ins and the labels' fitting keep every caption whole.
inline constexpr FontSpec kLauncherLabelFont{u"Tahoma", 8.25, true, false};

inline constexpr WindowLabel kLauncherLabels[] = {
    {"Label1", u"Kryton", {2280, 1430, 1455, 255}, kPink, LabelAction::StartDesigner, u"\\Kryton.exe"},
    {"Label2", u"Vreckar", {2280, 2020, 1455, 255}, kPink, LabelAction::StartDesigner, u"\\Vreckar.exe"},
    {"Label3", u"Radirir", {2280, 2620, 1455, 255}, kPink, LabelAction::StartDesigner, u"\\Radirir.exe"},
    {"Label4", u"Kuvertex", {2280, 3210, 1455, 255}, kPink, LabelAction::StartDesigner, u"\\Kuvertex.exe"},
    {"Label5", u"Davavazo", {2280, 3810, 1455, 255}, kPink, LabelAction::StartDesigner, u"\\Davavazo.exe"},
    {"Label6", u"Vevuvez", {2280, 4410, 1455, 255}, kPink, LabelAction::StartDesigner, u"\\Vevuvez.exe"},
    {"Label7", u"Rirudiv", {2280, 5030, 1455, 255}, kPink, LabelAction::StartDesigner, u"\\Zozuraz.exe"},
    {"Label19", u"Koniec", {240, 5520, 5535, 255}, kYellow, LabelAction::CloseWindow, {}},
};

// "Papiernictvo" (stationery) names what the suite is about and fits the 1575-twip box in
// one line; a longer name would wrap into the line below.
inline constexpr WindowLabel kAboutLabels[] = {
    {"Label12", u"O programe", {240, 960, 1575, 255}, kWhite},
    {"Label14", u"Papiernictvo", {1800, 1440, 1575, 255}, kLightBlue},
    {"Label1", u"Názov programu :", {1800, 1800, 1575, 255}, kWhite},
    {"Label2", u"Papyrka", {3360, 1800, 1575, 255}, kGreen},
    {"Label3", u"Verzia programu :", {1800, 2160, 1575, 255}, kWhite},
    {"Label4", u"1.00", {3360, 2160, 1575, 255}, kGreen},
    {"Label19", u"Koniec", {240, 5520, 5535, 255}, kYellow, LabelAction::CloseWindow, {}},
};

// Image1 of the about window: the 89 x 99 pixel picture at 15 twips per pixel.
inline constexpr TwipsRect kAboutPicture{240, 1440, 1335, 1485};

}  // namespace papyrka::launcher
