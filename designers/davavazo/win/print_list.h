#pragma once
// PrintRecordList: the whole contact list as lines of text on the default printer.
#include <string>
#include <vector>

#include "designer/win/designer.h"
#include "win32/printing.h"

namespace papyrka::davavazo {

using OpenPrinterFunction = win::PrinterDc (*)(std::u16string& error);

// Prints `lines` as one job on `printer`, starting a new page whenever the next line would
// not fit; false with `error` set (a Slovak sentence) when any step failed.
bool PrintLines(win::PrinterDc& printer, const std::vector<std::u16string>& lines, std::u16string& error);

// Prints every record of the editor's list; tells the user when there is no printer or the
// job fails. The list is only read. `open` finds the printer (tests give their own).
void PrintRecordList(EditorContext& editor, OpenPrinterFunction open = &win::PrinterDc::OpenDefault);

// Label13 "Vytlačiť": the shown record is stored first, so that unsaved edits are printed.
void PrintContactList(EditorContext& editor);

}  // namespace papyrka::davavazo
