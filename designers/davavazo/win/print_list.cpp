#include "designers/davavazo/win/print_list.h"

#include <algorithm>

#include "base/system_error.h"
#include "win32/message_box.h"
#include "win32/wide.h"
#include "designers/davavazo/print_plan.h"

namespace papyrka::davavazo {

namespace {

// The list is moved half an inch in from the left edge of the printable area.
constexpr int kLeftShiftTwips = 720;

bool Failed(std::u16string& error, std::u16string_view what) {
    error = u"Tlač sa nepodarila (" + std::u16string(what) + u"): " + SystemErrorText(GetLastError()) + u".";
    return false;
}

}  // namespace

bool PrintLines(win::PrinterDc& printer, const std::vector<std::u16string>& lines, std::u16string& error) {
    HDC dc = printer.get();
    const DeviceMapping map = printer.Mapping();
    const int left = map.W(kLeftShiftTwips);
    const int pageHeight = GetDeviceCaps(dc, VERTRES);

    win::PrintJob job(dc, u"Davavazo");
    if (!job.Start() || !job.StartPage()) {
        error = job.error();
        return false;
    }
    // The printer's own default font; its line height decides how many lines fit a page.
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc, &metrics)) return Failed(error, u"písmo tlačiarne");
    const int lineHeight = std::max(1, static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading));

    int y = 0;
    for (const std::u16string& line : lines) {
        if (y > 0 && y + lineHeight > pageHeight) {
            if (!job.EndPage() || !job.StartPage()) {
                error = job.error();
                return false;
            }
            y = 0;
        }
        if (!line.empty() && !TextOutW(dc, left, y, win::Wide(line), static_cast<int>(line.size())))
            return Failed(error, u"riadok textu");
        y += lineHeight;
    }
    if (!job.Finish()) {
        error = job.error();
        return false;
    }
    return true;
}

void PrintRecordList(EditorContext& editor, OpenPrinterFunction open) {
    std::u16string error;
    win::PrinterDc printer = open(error);
    if (printer)
        PrintLines(printer, ContactListLines(editor.Records()), error);
    else if (error.empty())
        error = u"Nie je k dispozícii žiadna tlačiareň, preto sa nedá tlačiť.";
    if (!error.empty()) win::ShowMessage(editor.Window(), editor.ProgramTitle(), error);
}

void PrintContactList(EditorContext& editor) {
    editor.StoreCurrentRecord();
    PrintRecordList(editor);
}

}  // namespace papyrka::davavazo
