#include <gtest/gtest.h>

#include <string>

#include "testing/win/editor_driver.h"
#include "win32/artwork.h"
#include "base/cp1250.h"
#include "designers/davavazo/davavazo.h"
#include "designers/davavazo/win/print_list.h"

namespace papyrka::davavazo {
namespace {

const Designer kDavavazo{DavavazoDesigner(), &PrintContactList};

class DavavazoWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<Form3>(kDavavazo, folder.path(), Form3::OnDestroy::KeepRunning);
        ASSERT_TRUE(form->Open());
        test::PumpMessages();
    }
    test::TempFolder folder;
    test::ModalAnswers answers;
    std::unique_ptr<Form3> form;
};

TEST_F(DavavazoWindowTest, EightBoxesInOneColumnWithTheirCaptionsArrowsAndTitle) {
    const test::EditorDriver driver(*form);
    const struct {
        const char* control;
        const char* caption;
        int top, bottom;   // pixels at 96 dpi
    } boxes[] = {
        {"txtName", "Priezvisko a meno :", 120, 139}, {"txtPhone1", "Adresa :", 144, 163},
        {"txtFax", "Telefónne číslo 1 :", 168, 187},  {"txtCompany", "Telefónne číslo 2 :", 192, 211},
        {"txtPhone2", "Názov firmy :", 216, 235},     {"txtEmail", "E - mail :", 240, 259},
        {"txtAddress", "Poznámky 1 :", 264, 299},     {"txtMemo", "Poznámky 2 :", 304, 339},
    };
    for (const auto& e : boxes) {
        SCOPED_TRACE(e.control);
        HWND box = driver.Box(e.control);
        RECT r{};
        GetWindowRect(box, &r);
        MapWindowPoints(nullptr, form->hwnd(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, 136);
        EXPECT_EQ(r.right, 337);
        EXPECT_EQ(r.top, e.top);
        EXPECT_EQ(r.bottom, e.bottom);
        EXPECT_TRUE(IsWindowVisible(box));
        const LONG_PTR multiLine = r.bottom - r.top > 19 ? ES_MULTILINE | WS_VSCROLL : 0;
        EXPECT_EQ(GetWindowLongPtrW(box, GWL_STYLE) & (ES_MULTILINE | WS_VSCROLL), multiLine);

        int found = -1;
        for (int i = 0; i < form->Labels().size(); ++i)
            if (form->Labels()[i].caption == Cp1250ToUtf16(Utf8ToCp1250(e.caption))) found = i;
        ASSERT_GE(found, 0);
        const RECT label = form->Labels().PixelRect(form->Mapping(), found);
        EXPECT_EQ(label.right, 128);
        EXPECT_EQ(label.top, e.top);
        EXPECT_EQ(form->Labels()[found].colour, kYellow);
        EXPECT_EQ(form->Labels()[found].align, Align::Right);
    }
    for (const POINT twips : {POINT{5400, 1920}, POINT{5400, 2520}})   // Image1, Image2
        EXPECT_EQ(driver.CursorAt(driver.AtTwips(twips.x, twips.y)), win::HandCursor()) << twips.y;
    EXPECT_EQ(driver.Caption("Label17"), u"Davavazo");
}

TEST_F(DavavazoWindowTest, ANewContactTabsDownTheColumnAndIsSavedInFieldOrder) {
    const test::EditorDriver driver(*form);
    EXPECT_EQ(driver.Caption("lblCurrRecord"), u"No Records");
    driver.ClickLabel("Label10");
    EXPECT_EQ(driver.Caption("lblCurrRecord"), u"Record 1 of 1");
    ASSERT_EQ(GetFocus(), driver.Box("txtName"));
    for (const char* next :
         {"txtPhone1", "txtFax", "txtCompany", "txtPhone2", "txtEmail", "txtAddress", "txtMemo", "txtName"}) {
        SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        EXPECT_EQ(GetFocus(), driver.Box(next)) << next;
    }
    driver.Type(GetFocus(), u"Horváthová Eva");
    driver.Type(driver.Box("txtFax"), u"02 123 456");
    driver.ClickLabel("Label14");
    EXPECT_EQ(folder.Read(L"Davavazo.dat"), "1,1\r\n\"" + Utf8ToCp1250("Horváthová Eva") +
                                                "\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"02 123 456\"" +
                                                "\r\n\"\"\r\n\"\"\r\n\"\"\r\n");
    EXPECT_TRUE(answers.seen.empty());
}

}  // namespace
}  // namespace papyrka::davavazo
