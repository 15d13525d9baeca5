#pragma once
// Where the portable code sends messages for the user. The Win32 layer shows them in a
// message box with the program's title; tests record them.
#include <string>

namespace papyrka {

class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void Message(const std::u16string& text) = 0;   // OK box, no icon
    // A yes/no question; true for yes. One that cannot ask answers no, which always leaves
    // the file on disk as it is.
    virtual bool Ask(const std::u16string&) { return false; }
};

}  // namespace papyrka
