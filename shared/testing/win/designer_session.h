#pragma once
// A designer program's editor window as the program opens it, on a record file of the
// test's own in a temporary folder, with the test environment's PDF printer at hand: what
// every program's end-to-end test under Wine starts from.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "base/cp1250.h"
#include "designer/win/designer.h"
#include "testing/win/editor_driver.h"
#include "testing/win/menu_driver.h"
#include "testing/win/print_capture.h"

namespace papyrka::test {

using TestRecord = std::vector<const char*>;   // UTF-8 fields in file order; missing ones empty

class DesignerSession {
public:
    DesignerSession(const Designer& designer, const std::vector<TestRecord>& records) : designer_(designer) {
        bytes_ = std::to_string(records.size()) + ",1\r\n";
        for (const TestRecord& record : records)
            for (int field = 0; field < designer.tables.record.fieldCount(); ++field)
                bytes_ += "\"" + Utf8ToCp1250(field < static_cast<int>(record.size()) ? record[field] : "") + "\"\r\n";
        folder_.Write(W(designer.tables.record.wideFileName()), bytes_);
        form_ = std::make_unique<EditorWindow>(designer_, folder_.path(), EditorWindow::OnDestroy::KeepRunning);
        opened_ = form_->Open();
        PumpMessages();
    }

    bool ok() const { return opened_ && capture_.available(); }
    EditorWindow& form() { return *form_; }
    EditorDriver driver() const { return EditorDriver(*form_); }
    // Types at the end of a box's text, as after a click behind it.
    void Type(const char* control, const char* utf8) const {
        HWND box = driver().Box(control);
        SendMessageW(box, EM_SETSEL, GetWindowTextLengthW(box), GetWindowTextLengthW(box));
        driver().Type(box, Cp1250ToUtf16(Utf8ToCp1250(utf8)));
    }
    // The record file is still exactly as the test wrote it.
    bool FileUnchanged() const { return folder_.Read(W(designer_.tables.record.wideFileName())) == bytes_; }
    // The text a layout box of the program's piece holds now.
    std::u16string Line(std::string_view box) { return std::u16string(form_->Printer().Window()->layout().Text(box)); }

    // Clicks a label button; the PDF it printed, or empty when none came within `timeout`.
    std::wstring Print(std::string_view label, std::chrono::milliseconds timeout = std::chrono::seconds(30)) {
        driver().ClickLabel(label);
        return Printed(timeout);
    }
    // Clicks a label that pops up a menu and chooses item `item` (from 0) in it with the arrow
    // keys and Enter, or dismisses it for -1; then waits `timeout` for a print.
    std::wstring Choose(std::string_view label, int item,
                        std::chrono::milliseconds timeout = std::chrono::seconds(30)) {
        menuSeen_ = ChooseFromPopUp([&] { driver().ClickLabel(label); }, item);
        PumpMessages();   // the choice arrives as a command after the menu is gone
        return Printed(timeout);
    }
    bool menuSeen() const { return menuSeen_; }
    std::wstring Printed(std::chrono::milliseconds timeout = std::chrono::seconds(30)) {
        return capture_.WaitForPdf(timeout);
    }

private:
    const Designer& designer_;
    TempFolder folder_;
    PrintCapture capture_;
    std::string bytes_;
    std::unique_ptr<EditorWindow> form_;
    bool opened_ = false;
    bool menuSeen_ = false;
};

}  // namespace papyrka::test
