// PrintLayout through the test environment's PDF printer, and what the user sees when there
// is no printer to print on.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "gdi_count.h"
#include "layout_print.h"
#include "print_capture.h"
#include "unix_tool.h"
#include "wide.h"

namespace papyrka::win {
namespace {

const Layout& TestLayout() {
    static const Layout layout(6000, 3000, {FrameArt{{240, 360, 5115, 2000}}},
                               {LayoutBox{"Label1", {480, 600, 4000, 375}, {u"MS Sans Serif", 12, true}, Align::Left,
                                          kBlack, false, true, u"Papyrka: žltý kôň úpel ďábelské ódy"}});
    return layout;
}

class PrintLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!capture_.available()) GTEST_SKIP() << "PAPYRKA_PDF_DIR is not set: run inside scripts/testenv.sh as root";
        ASSERT_TRUE(test::HasDefaultPrinter());
    }
    test::PrintCapture capture_;
};

TEST_F(PrintLayoutTest, PrintsOnePageWithTheTextsAsText) {
    ASSERT_EQ(PrintLayoutPage(TestLayout(), u"Papyrka skúška"), u"");
    const std::wstring pdf = capture_.WaitForPdf();
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    // The text is wider than its one-line box: the first line prints as text, the line
    // under the box's bottom edge does not print at all.
    const std::string text = test::PdfText(pdf);
    EXPECT_NE(text.find("Papyrka: žltý kôň úpel"), std::string::npos) << text;
    EXPECT_EQ(text.find("ódy"), std::string::npos) << text;
}

TEST_F(PrintLayoutTest, RepeatedPrintsLeakNoGdiObject) {
    ASSERT_EQ(PrintLayoutPage(TestLayout(), u"Papyrka skúška"), u"");   // the spooler's own first-use objects
    const DWORD before = test::GdiObjectCount();
    ASSERT_GT(before, 0u);   // the count works on this system
    for (int round = 0; round < 3; ++round) ASSERT_EQ(PrintLayoutPage(TestLayout(), u"Papyrka skúška"), u"");
    EXPECT_EQ(test::GdiObjectCount(), before);
    for (int round = 0; round < 4; ++round) EXPECT_FALSE(capture_.WaitForPdf().empty());
}

// The user's default printer, as Windows keeps it, replaced for one test and put back.
class DefaultPrinterSetting {
public:
    DefaultPrinterSetting() {
        RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key_);
        wchar_t value[512]{};
        DWORD size = sizeof(value) - sizeof(wchar_t);
        had_ = key_ && RegQueryValueExW(key_, L"Device", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
                           ERROR_SUCCESS;
        if (had_) saved_ = value;
    }
    DefaultPrinterSetting(const DefaultPrinterSetting&) = delete;
    DefaultPrinterSetting& operator=(const DefaultPrinterSetting&) = delete;
    ~DefaultPrinterSetting() {
        if (!key_) return;
        if (had_) Set(saved_);
        else RegDeleteValueW(key_, L"Device");
        RegCloseKey(key_);
    }
    bool ok() const { return key_ != nullptr; }
    void Set(const std::wstring& device) {
        RegSetValueExW(key_, L"Device", 0, REG_SZ, reinterpret_cast<const BYTE*>(device.c_str()),
                       static_cast<DWORD>((device.size() + 1) * sizeof(wchar_t)));
    }
    void Remove() { RegDeleteValueW(key_, L"Device"); }

private:
    static constexpr const wchar_t* kKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
    HKEY key_ = nullptr;
    bool had_ = false;
    std::wstring saved_;
};

// Closes the next message box of this thread and keeps its title and text.
class MessageBoxCloser {
public:
    MessageBoxCloser() {
        current_ = this;
        hook_ = SetWindowsHookExW(WH_CBT, &MessageBoxCloser::Hook, nullptr, GetCurrentThreadId());
    }
    MessageBoxCloser(const MessageBoxCloser&) = delete;
    MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;
    ~MessageBoxCloser() {
        if (hook_) UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    std::wstring title, text;
    int shown = 0;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const HWND box = reinterpret_cast<HWND>(wParam);
        wchar_t className[32]{};
        if (code == HCBT_ACTIVATE && current_ && GetClassNameW(box, className, 32) && wcscmp(className, L"#32770") == 0) {
            wchar_t buffer[1024]{};
            GetWindowTextW(box, buffer, 1024);
            current_->title = buffer;
            GetDlgItemTextW(box, 0xFFFF, buffer, 1024);   // the message's static control
            current_->text = buffer;
            ++current_->shown;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline MessageBoxCloser* current_ = nullptr;
    HHOOK hook_ = nullptr;
};

TEST(PrintLayoutFailure, NoUsablePrinterIsToldInSlovakAndNothingIsPrinted) {
    test::PrintCapture capture;
    DefaultPrinterSetting setting;
    ASSERT_TRUE(setting.ok());
    struct Case {
        const char* what;
        bool remove;
        const char16_t* expected;
    };
    const Case cases[] = {
        {"no default printer", true, u"Nie je nastavená žiadna predvolená tlačiareň"},
        {"a default printer that is gone", false, u"Tlačiareň \u201EPapyrka chýbajúca\u201C sa nepodarilo otvoriť"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.remove) {
            setting.Remove();
        } else {
            setting.Set(L"Papyrka chýbajúca,winspool,FILE:");
        }
        MessageBoxCloser closer;
        EXPECT_FALSE(PrintLayout(TestLayout(), nullptr, u"Vevuvez"));
        EXPECT_EQ(closer.shown, 1);
        EXPECT_EQ(closer.title, L"Vevuvez");
        EXPECT_EQ(closer.text.find(Wide(c.expected)), 0u) << test::WideToUtf8(closer.text);
    }
    if (capture.available()) {
        EXPECT_TRUE(capture.WaitForPdf(std::chrono::milliseconds(500)).empty());
    }
}

}  // namespace
}  // namespace papyrka::win
