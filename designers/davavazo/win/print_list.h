#pragma once
// PrintRecordList: the whole contact list as lines of text on the default printer.
#include <string>
#include <vector>

#include "base/font_spec.h"
#include "designer/win/designer.h"
#include "win32/printing.h"

namespace papyrka::davavazo {

// A plain face every system has (Wine substitutes its own), small enough for a full line.
inline constexpr FontSpec kListFont{u"Arial", 10};

using OpenPrinterFunction = win::PrinterDc (*)(std::u16string& error);

// Prints `lines` in kListFont as one job on `printer`, each wrapped to the printable width,
// starting a new page whenever the next line would not fit; false with `error` set (a Slovak sentence) when any step failed.
bool PrintLines(win::PrinterDc& printer, const std::vector<std::u16string>& lines, std::u16string& error);

// Prints every record of the editor's list; tells the user when there is no printer or the
// job fails. The list is only read. `open` finds the printer (tests give their own).
void PrintRecordList(EditorContext& editor, OpenPrinterFunction open = &win::PrinterDc::OpenDefault);

// Label13 "Vytlačiť": the shown record is stored first, so that unsaved edits are printed.
void PrintContactList(EditorContext& editor);

}  // namespace papyrka::davavazo
