#pragma once
// What a bound text box accepts: only characters that the record file can keep as they
// are. A double quote has no escape in the file, and a character without a Windows-1250
// byte would be lost on saving, so the box refuses both rather than change them later.
#include <string>
#include <string_view>

namespace papyrka {

bool IsRefusedInBox(char16_t ch);

struct PasteFilter {
    std::u16string text;          // what the box takes
    bool dropped = false;         // something was refused: the box beeps
    char16_t firstRefused = 0;    // and says why, naming this one
};

// What a box that refused `ch` says beside itself, so that a refusal is never a mere beep.
std::u16string RefusalHint(char16_t ch);

// A single-line box ends a pasted text at its first line break, as the system's own edit
// control does; that cut is not a refusal.
PasteFilter FilterPastedText(std::u16string_view pasted, bool multiLine);

}  // namespace papyrka
