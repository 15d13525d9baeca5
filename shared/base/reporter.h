#pragma once
// Where the portable code sends messages for the user. The Win32 layer shows them in a
// message box with the program's title; tests record them.
#include <string>

namespace papyrka {

class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void Message(const std::u16string& text) = 0;   // OK box, no icon
};

}  // namespace papyrka
