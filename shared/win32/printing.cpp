#include "win32/printing.h"

#include <string>

#include "base/system_error.h"
#include "win32/wide.h"

namespace papyrka::win {

namespace {

struct FreeModule {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

using GetDefaultPrinterFunction = BOOL(WINAPI*)(LPWSTR name, LPDWORD length);

// The spooler's DLL is loaded at the first print instead of at every start: Wine's reads the
// system's printers as it loads, and every program start waited for that. It stays for the
// run; the printer driver needs it anyway. By its full path: no search can pick up another.
GetDefaultPrinterFunction DefaultPrinterFunction() {
    static const UniqueHandle<HMODULE, FreeModule> spooler([] {
        wchar_t system[MAX_PATH];
        const UINT length = GetSystemDirectoryW(system, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return HMODULE{};
        return LoadLibraryW((std::wstring(system, length) + L"\\winspool.drv").c_str());
    }());
    return spooler ? reinterpret_cast<GetDefaultPrinterFunction>(
                         reinterpret_cast<void*>(GetProcAddress(spooler.get(), "GetDefaultPrinterW")))
                   : nullptr;
}

}  // namespace

PrinterDc PrinterDc::OpenDefault(std::u16string& error) {
    PrinterDc printer;
    const GetDefaultPrinterFunction GetDefaultPrinterW = DefaultPrinterFunction();
    if (!GetDefaultPrinterW) {
        error = u"Tlačové služby systému sa nepodarilo načítať: " + SystemErrorText(GetLastError()) + u".";
        return printer;
    }
    DWORD length = 0;
    GetDefaultPrinterW(nullptr, &length);
    if (length == 0) {
        error = u"Nie je nastavená žiadna predvolená tlačiareň, preto sa nedá tlačiť.";
        return printer;
    }
    std::wstring name(length, L'\0');
    if (!GetDefaultPrinterW(name.data(), &length)) {
        error = u"Predvolenú tlačiareň sa nepodarilo zistiť: " + SystemErrorText(GetLastError()) + u".";
        return printer;
    }
    name.resize(wcslen(name.c_str()));
    printer.dc_.reset(CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr));
    if (!printer.dc_)
        error = u"Tlačiareň \u201E" + Utf16(name) + u"\u201C sa nepodarilo otvoriť: " + SystemErrorText(GetLastError()) + u".";
    return printer;
}

DeviceMapping PrinterDc::Mapping() const {
    // A printer DC's origin is already the printable area's top-left corner.
    return DeviceMapping{GetDeviceCaps(get(), LOGPIXELSX), GetDeviceCaps(get(), LOGPIXELSY), 0, 0};
}

int PrinterDc::PrintableWidthTwips() const {
    return MulDiv(GetDeviceCaps(get(), HORZRES), kTwipsPerInch, GetDeviceCaps(get(), LOGPIXELSX));
}

int PrinterDc::PrintableHeightTwips() const {
    return MulDiv(GetDeviceCaps(get(), VERTRES), kTwipsPerInch, GetDeviceCaps(get(), LOGPIXELSY));
}

PrintJob::PrintJob(HDC dc, std::u16string_view documentName) : dc_(dc), name_(documentName) {}

PrintJob::~PrintJob() {
    if (started_) AbortDoc(dc_);
}

bool PrintJob::Fail(const char16_t* step) {
    const DWORD code = GetLastError();
    error_ = u"Tlač sa nepodarila (" + std::u16string(step) + u"): " + SystemErrorText(code) + u".";
    if (started_) {
        AbortDoc(dc_);
        started_ = false;
        pageOpen_ = false;
    }
    return false;
}

bool PrintJob::Start() {
    DOCINFOW info{};
    info.cbSize = sizeof(DOCINFOW);
    info.lpszDocName = Wide(name_);
    if (StartDocW(dc_, &info) <= 0) return Fail(u"začiatok úlohy");
    started_ = true;
    return true;
}

bool PrintJob::StartPage() {
    if (::StartPage(dc_) <= 0) return Fail(u"začiatok strany");
    pageOpen_ = true;
    return true;
}

bool PrintJob::EndPage() {
    pageOpen_ = false;
    if (::EndPage(dc_) <= 0) return Fail(u"koniec strany");
    return true;
}

bool PrintJob::Finish() {
    if (pageOpen_ && !EndPage()) return false;
    if (::EndDoc(dc_) <= 0) return Fail(u"odoslanie úlohy");
    started_ = false;
    return true;
}

}  // namespace papyrka::win
