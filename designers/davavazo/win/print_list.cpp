#include "designers/davavazo/win/print_list.h"

#include <algorithm>

#include "base/system_error.h"
#include "win32/fonts.h"
#include "win32/gdi.h"
#include "win32/message_box.h"
#include "win32/wide.h"
#include "designers/davavazo/print_plan.h"

namespace papyrka::davavazo {

namespace {

// The list is moved half an inch in from the left edge of the printable area.
constexpr int kLeftShiftTwips = 720;

PrintOutcome Failed(std::u16string& error, std::u16string_view what) {
    error = u"Tlač sa nepodarila (" + std::u16string(what) + u"): " + SystemErrorText(GetLastError()) + u".";
    return PrintOutcome::Failed;
}

PrintOutcome JobFailed(const win::PrintJob& job, std::u16string& error) {
    error = job.error();
    return PrintOutcome::Failed;
}

}  // namespace

PrintOutcome PrintLines(win::PrinterDc& printer, const std::vector<std::u16string>& lines, win::PrintProgress& progress,
                        std::u16string& error) {
    HDC dc = printer.get();
    const DeviceMapping map = printer.Mapping();
    const int left = map.W(kLeftShiftTwips);
    const int pageHeight = GetDeviceCaps(dc, VERTRES);
    const win::Font font = win::CreateFontFor(kListFont, GetDeviceCaps(dc, LOGPIXELSY));
    if (!font) return Failed(error, u"písmo");
    win::SelectGuard selected(dc, font.get());

    win::PrintJob job(dc, u"Davavazo");
    int page = 1;
    if (!job.Start()) return JobFailed(job, error);
    if (!progress.Page(page)) return PrintOutcome::Cancelled;   // the job goes unfinished: aborted
    if (!job.StartPage()) return JobFailed(job, error);
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc, &metrics)) return Failed(error, u"písmo tlačiarne");
    const int lineHeight = std::max(1, static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading));

    const MeasureText measure = [dc](std::u16string_view text) {
        SIZE size{};
        GetTextExtentPoint32W(dc, win::Wide(text), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    int y = 0;
    for (const PrintedLine& line : FitToWidth(lines, GetDeviceCaps(dc, HORZRES) - left, measure)) {
        if (y > 0 && y + lineHeight > pageHeight) {
            if (!job.EndPage()) return JobFailed(job, error);
            if (!progress.Page(++page)) return PrintOutcome::Cancelled;
            if (!job.StartPage()) return JobFailed(job, error);
            y = 0;
        }
        if (!line.text.empty() &&
            !TextOutW(dc, left + line.indent, y, win::Wide(line.text), static_cast<int>(line.text.size())))
            return Failed(error, u"riadok textu");
        y += lineHeight;
    }
    if (!job.Finish()) return JobFailed(job, error);
    return PrintOutcome::Printed;
}

void PrintRecordList(EditorContext& editor, OpenPrinterFunction open) {
    std::u16string error;
    win::PrinterDc printer = open(error);
    if (printer) {
        // Gone before any message, which needs its owner enabled again.
        win::PrintProgress progress(editor.Window(), editor.ProgramTitle());
        // A stop by the user needs no word.
        if (PrintLines(printer, ContactListLines(editor.Records()), progress, error) != PrintOutcome::Failed) return;
    } else if (error.empty()) {
        error = u"Nie je k dispozícii žiadna tlačiareň, preto sa nedá tlačiť.";
    }
    win::ShowMessage(editor.Window(), editor.ProgramTitle(), error);
}

void PrintContactList(EditorContext& editor) {
    editor.StoreCurrentRecord();
    PrintRecordList(editor);
}

}  // namespace papyrka::davavazo
