#include "layout/win/layout_print.h"

#include "layout/win/layout_draw.h"
#include "win32/message_box.h"
#include "win32/printing.h"

namespace papyrka::win {

std::u16string PrintLayoutPage(const Layout& layout, std::u16string_view documentName) {
    std::u16string error;
    PrinterDc printer = PrinterDc::OpenDefault(error);
    if (!printer) return error;
    PrintJob job(printer.get(), documentName);
    if (!job.Start() || !job.StartPage()) return job.error();
    {
        // Fonts made for this printer's resolution go with the page.
        FontCache fonts;
        DrawLayout(printer.get(), printer.Mapping(), layout, fonts);
    }
    if (!job.EndPage() || !job.Finish()) return job.error();
    return {};
}

bool PrintLayout(const Layout& layout, HWND owner, std::u16string_view programTitle) {
    const std::u16string error = PrintLayoutPage(layout, programTitle);
    if (error.empty()) return true;
    ShowMessage(owner, programTitle, error);
    return false;
}

}  // namespace papyrka::win
