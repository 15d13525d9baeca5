#pragma once
// PrintRecordList: the whole contact list as lines of text on the default printer.
#include <string>
#include <vector>

#include "base/font_spec.h"
#include "designer/win/designer.h"
#include "win32/print_progress.h"
#include "win32/printing.h"

namespace papyrka::davavazo {

// A plain face every system has (Wine substitutes its own), small enough for a full line.
inline constexpr FontSpec kListFont{u"Arial", 10};

using OpenPrinterFunction = win::PrinterDc (*)(std::u16string& error);

enum class PrintOutcome { Printed, Cancelled, Failed };

// Prints `lines` in kListFont as one job on `printer`, each wrapped to the printable width,
// starting a new page whenever the next line would not fit. `progress` hears of every page
// and may stop the job, which is then aborted: nothing reaches the printer. Failed sets
// `error` (a Slovak sentence).
PrintOutcome PrintLines(win::PrinterDc& printer, const std::vector<std::u16string>& lines, win::PrintProgress& progress,
                        std::u16string& error);

// Prints every record of the editor's list, showing its progress with a way to stop it when
// it takes more than a page; tells the user when there is no printer or the job fails. The
// list is only read. `open` finds the printer (tests give their own).
void PrintRecordList(EditorContext& editor, OpenPrinterFunction open = &win::PrinterDc::OpenDefault);

// Label13 "Vytlačiť": the shown record is stored first, so that unsaved edits are printed.
void PrintContactList(EditorContext& editor);

}  // namespace papyrka::davavazo
