#pragma once
// Printing on the default printer: a DC for it and a job whose every spooler call is
// checked; a job that is not finished is aborted when it goes out of scope.
#include <windows.h>

#include <string>

#include "win32/gdi.h"
#include "base/twips.h"

namespace papyrka::win {

struct DeleteDcHandle {
    void operator()(HDC dc) const { DeleteDC(dc); }
};

class PrinterDc {
public:
    // The default printer's DC, or an empty one with `error` set (a Slovak sentence).
    static PrinterDc OpenDefault(std::u16string& error);

    HDC get() const { return dc_.get(); }
    explicit operator bool() const { return static_cast<bool>(dc_); }

    // Twips -> device units with the origin at the printable area's top-left.
    DeviceMapping Mapping() const;
    // The printable area's size in twips.
    int PrintableWidthTwips() const;
    int PrintableHeightTwips() const;

private:
    UniqueHandle<HDC, DeleteDcHandle> dc_;
};

class PrintJob {
public:
    PrintJob(HDC dc, std::u16string_view documentName);
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;
    ~PrintJob();   // aborts a job that was started but not finished

    bool Start();        // StartDoc
    bool StartPage();
    bool EndPage();
    bool Finish();       // EndDoc
    // A Slovak sentence for the user after a failed step, with the system's own text.
    const std::u16string& error() const { return error_; }

private:
    bool Fail(const char16_t* step);
    HDC dc_;
    std::u16string name_;
    bool started_ = false;
    bool pageOpen_ = false;
    std::u16string error_;
};

}  // namespace papyrka::win
