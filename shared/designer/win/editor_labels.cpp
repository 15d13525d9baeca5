#include "designer/win/editor_labels.h"

namespace papyrka {

using win::LabelSpec;

namespace {

// Two lines of 8.25 pt text need about 390 twips; a lower label holds one line.
constexpr int kTwoLinesTwips = 390;

LabelSpec Label(std::string_view name, std::u16string_view caption, TwipsRect rect, Colour colour,
                Align align = Align::Left, bool clickable = false, FontSpec font = kLabelFont) {
    LabelSpec spec{name, std::u16string(caption), rect, colour, align, clickable, font};
    spec.singleLine = rect.height < kTwoLinesTwips;
    return spec;
}

}  // namespace

TwipsRect FittedTitle(TwipsRect designed, int textWidthTwips) {
    if (textWidthTwips <= designed.width) return designed;
    return TwipsRect{designed.right() - textWidthTwips, designed.top, textWidthTwips, designed.height};
}

std::vector<LabelSpec> EditorLabels(const EditorFace& face, bool label9Acts, int titleWidthTwips) {
    std::vector<LabelSpec> labels;
    // Captions first: the set hit-tests the last added label first, and the buttons must win.
    for (const CaptionSpec& caption : face.captions)
        labels.push_back(Label("", caption.text, caption.rect, caption.colour, caption.align, false, caption.font));

    // The title keeps the form's plain default font and ends at its rectangle's right edge.
    labels.push_back(Label(face.titleLabel, face.programName, FittedTitle(face.titleRect, titleWidthTwips), kWhite,
                           Align::Right, false, kTitleFont));
    labels.push_back(Label("lblCurrRecord", u"Kontakt #", {120, 5160, 5655, 255}, kYellow));

    LabelSpec label9 = Label("Label9", u"MENU >", {240, 1440, 735, 255}, kYellow, Align::Left, label9Acts);
    label9.handCursor = false;   // "MENU >" acts without looking like a button
    labels.push_back(std::move(label9));
    labels.push_back(Label("Label10", u"Vytvoriť", {1080, 1440, 735, 255}, kPink, Align::Left, true));
    labels.push_back(Label("Label11", u"Vymazať", {2040, 1440, 735, 255}, kPink, Align::Left, true));
    labels.push_back(Label("Label12", u"Vyhľadať", {3000, 1440, 855, 255}, kPink, Align::Left, true));
    labels.push_back(Label("Label13", u"Vytlačiť", {4080, 1440, 735, 255}, kPink, Align::Left, true));
    labels.push_back(Label("Label14", u"Uložiť", {5040, 1440, 735, 255}, kPink, Align::Left, true));
    labels.push_back(Label("Label19", u"Koniec", {240, 5520, 5535, 255}, kYellow, Align::Centre, true));
    return labels;
}

}  // namespace papyrka
