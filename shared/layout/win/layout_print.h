#pragma once
// PrintLayout: one page on the default printer, the layout's top-left corner at the corner
// of the printable area, one twip of layout to one twip of paper, drawn at the printer's
// own resolution with vector text. No dialog, no preview, no message after printing.
#include <windows.h>

#include <string>
#include <string_view>

#include "layout/layout.h"

namespace papyrka::win {

// The job named `documentName` on the default printer; empty on success, otherwise a
// Slovak sentence saying what failed (the job is aborted then, nothing else changes).
std::u16string PrintLayoutPage(const Layout& layout, std::u16string_view documentName);

// PrintLayoutPage, and on failure a message box with the program's title over `owner`.
// True when the page went to the spooler.
bool PrintLayout(const Layout& layout, HWND owner, std::u16string_view programTitle);

}  // namespace papyrka::win
