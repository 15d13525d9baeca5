#include "editor_labels.h"

namespace papyrka {

using win::LabelSpec;

void AddEditorLabels(win::LabelSet& labels, const EditorFace& face, bool label9Acts) {
    // Captions first: the set hit-tests the last added label first, and the buttons must win.
    for (const CaptionSpec& caption : face.captions)
        labels.Add(LabelSpec{"", std::u16string(caption.text), caption.rect, win::kYellow, caption.align});

    // The title label keeps the form's plain default font; it ends at its rectangle's right edge.
    labels.Add(LabelSpec{face.titleLabel, std::u16string(face.programName), face.titleRect, win::kWhite, Align::Right,
                         false, FontSpec{}});
    labels.Add(LabelSpec{"lblCurrRecord", u"Kontakt #", {120, 5160, 5655, 255}, win::kYellow});

    labels.Add(LabelSpec{"Label9", u"MENU >", {240, 1440, 735, 255}, win::kYellow, Align::Left, label9Acts});
    labels.Add(LabelSpec{"Label10", u"Vytvoriť", {1080, 1440, 735, 255}, win::kPink, Align::Left, true});
    labels.Add(LabelSpec{"Label11", u"Vymazať", {2040, 1440, 735, 255}, win::kPink, Align::Left, true});
    labels.Add(LabelSpec{"Label12", u"Vyhľadať", {3000, 1440, 855, 255}, win::kPink, Align::Left, true});
    labels.Add(LabelSpec{"Label13", u"Vytlačiť", {4080, 1440, 735, 255}, win::kPink, Align::Left, true});
    labels.Add(LabelSpec{"Label14", u"Uložiť", {5040, 1440, 735, 255}, win::kPink, Align::Left, true});
    labels.Add(LabelSpec{"Label19", u"Koniec", {240, 5520, 5535, 255}, win::kYellow, Align::Centre, true});
}

}  // namespace papyrka
