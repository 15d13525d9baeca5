#include <gtest/gtest.h>

#include <string>

#include "../../../../shared/record/win/tests/editor_driver.h"
#include "cp1250.h"
#include "../davavazo_designer.h"

namespace papyrka::davavazo {
namespace {

using test::EditorDriver;
using test::TextOf;

RECT ChildRect(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class DavavazoWindowTest : public ::testing::Test {
protected:
    void Open() {
        form = std::make_unique<Form3>(DavavazoDesigner(), folder.path(), Form3::OnDestroy::KeepRunning);
        ASSERT_TRUE(form->Open());
        test::PumpMessages();
    }
    test::TempFolder folder;
    test::ModalAnswers answers;
    std::unique_ptr<Form3> form;
};

TEST_F(DavavazoWindowTest, EightBoxesInOneColumnWithTheirCaptions) {
    Open();
    const EditorDriver driver(*form);
    struct Expected {
        const char* control;
        const char* caption;
        int top, bottom;   // pixels at 96 dpi
    };
    const Expected boxes[] = {
        {"txtName", "Priezvisko a meno :", 120, 139}, {"txtPhone1", "Adresa :", 144, 163},
        {"txtFax", "Telefónne číslo 1 :", 168, 187},  {"txtCompany", "Telefónne číslo 2 :", 192, 211},
        {"txtPhone2", "Názov firmy :", 216, 235},     {"txtEmail", "E - mail :", 240, 259},
        {"txtAddress", "Poznámky 1 :", 264, 299},     {"txtMemo", "Poznámky 2 :", 304, 339},
    };
    for (const Expected& e : boxes) {
        SCOPED_TRACE(e.control);
        const RECT r = ChildRect(driver.Box(e.control));
        EXPECT_EQ(r.left, 136);
        EXPECT_EQ(r.right, 337);
        EXPECT_EQ(r.top, e.top);
        EXPECT_EQ(r.bottom, e.bottom);
        const bool multiLine = r.bottom - r.top > 19;
        EXPECT_EQ((GetWindowLongPtrW(driver.Box(e.control), GWL_STYLE) & (ES_MULTILINE | WS_VSCROLL)) != 0, multiLine);

        const std::u16string caption = Cp1250ToUtf16(Utf8ToCp1250(e.caption));
        int found = -1;
        for (int i = 0; i < form->Labels().size(); ++i)
            if (form->Labels()[i].caption == caption) found = i;
        ASSERT_GE(found, 0);
        const RECT label = form->Labels().PixelRect(form->Mapping(), found);
        EXPECT_EQ(label.right, 128);
        EXPECT_EQ(label.top, e.top);
        EXPECT_EQ(form->Labels()[found].colour, win::kYellow);
    }
    const RECT title = form->Labels().PixelRect(form->Mapping(), driver.Label("Label17"));
    EXPECT_EQ(driver.Caption("Label17"), u"Davavazo");
    EXPECT_EQ(title.right, 393);
    EXPECT_LE(title.left, 344);
}

TEST_F(DavavazoWindowTest, TabRunsFromTheNameDownTheColumn) {
    folder.Write(L"Davavazo.dat", "1,1\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n");
    Open();
    const EditorDriver driver(*form);
    ASSERT_EQ(GetFocus(), driver.Box("txtName"));
    for (const char* next : {"txtPhone1", "txtFax", "txtCompany", "txtPhone2", "txtEmail", "txtAddress", "txtMemo", "txtName"}) {
        SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        EXPECT_EQ(GetFocus(), driver.Box(next)) << next;
    }
}

TEST_F(DavavazoWindowTest, ANewContactIsSavedInFieldOrder) {
    Open();
    const EditorDriver driver(*form);
    driver.ClickLabel("Label10");
    EXPECT_EQ(driver.Caption("lblCurrRecord"), u"Record 1 of 1");
    EXPECT_EQ(GetFocus(), driver.Box("txtName"));
    driver.Type(GetFocus(), u"Horváthová Eva");
    driver.Type(driver.Box("txtFax"), u"02 123 456");
    driver.ClickLabel("Label14");
    EXPECT_EQ(folder.Read(L"Davavazo.dat"), "1,1\r\n\"" + Utf8ToCp1250("Horváthová Eva") +
                                                "\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"02 123 456\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n");
    EXPECT_TRUE(answers.seen.empty());
}

}  // namespace
}  // namespace papyrka::davavazo
