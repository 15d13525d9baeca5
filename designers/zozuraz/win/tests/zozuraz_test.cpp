// Zozuraz end to end: the letter in its frames, thirteen body lines, hidden fields kept.
#include <gtest/gtest.h>

#include <fstream>

#include "designers/zozuraz/zozuraz.h"
#include "testing/win/designer_session.h"
#include "testing/win/printed_page.h"

namespace papyrka::zozuraz {
namespace {

// Three short lines, then twenty numbered 11 to 30, so that no number is part of another.
const std::string kBody = [] {
    std::string body = "Prosím o vydanie rodného listu.\r\nPotrebujem ho pre úrad v zahraničí.\r\nĎakujem.\r\n";
    for (int line = 11; line <= 30; ++line)
        body += "Riadok " + std::to_string(line) + ": Ďakujeme, že ŠÚ SR zverejní údaje o príjmoch.\r\n";
    return body;
}();
const char* const kHidden[] = {" skryté, s čiarkou ", "dva\r\nriadky", "", "  "};

TEST(Zozuraz, PrintsTheShownLetterInItsFramesKeepsThirteenBodyLinesAndSavesHiddenFieldsUnchanged) {
    static const Designer designer{ZozurazDesigner()};
    // File order: ID, town of the organisation, sender, subject, organisation, body, four hidden.
    test::DesignerSession session(designer, {{"Ž01", "811 09 Bratislava", "Mária Kováčová, Hlinkova 12, 010 01 Žilina",
                                              "Žiadosť o rodný list", "Matričný úrad, Primaciálne nám. 1",
                                              kBody.c_str(), kHidden[0], kHidden[1], kHidden[2], kHidden[3]}});
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";

    session.Type("txtPhone2", " (neuložené)");
    const std::wstring pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    const std::string text = test::PdfText(pdf);
    // Every box in its place, the short lines kept, the fixed texts whole; 13 body lines and no more.
    EXPECT_EQ(test::MissingInOrder(text, {"Mária Kováčová, Hlinkova 12, 010 01 Žilina", "P.T.", "Matričný úrad",
                                          "811 09 Bratislava", "VEC :", "Žiadosť o rodný list (neuložené)", "listu.\n",
                                          "zahraničí.\n", "Ďakujem.\n", "Riadok 20:", "S pozdravom", "podpis"}),
              "") << text;
    EXPECT_EQ(test::Occurrences(text, "Riadok 21"), 0) << text;
    EXPECT_TRUE(session.FileUnchanged());

    const test::PrintedPage page(pdf);
    ASSERT_TRUE(page.ok());
    const Layout letter = Letter();
    for (const LayoutBox& box : letter.boxes()) EXPECT_LE(page.FrameMiss(box.rect), 1) << box.name;
    // A white dot row above each body line's top: no glyph of one line reaches the next.
    const LayoutBox& body = letter.boxes()[static_cast<size_t>(letter.Find("Label5"))];
    for (int line = 1; line < 13; ++line) {
        const int y = page.DotY(body.rect.top + 15 + body.linePitch * line) - 1;
        for (int x = page.DotX(body.rect.left + 15); x <= page.DotX(body.rect.right() - 30); ++x)
            ASSERT_FALSE(page.Dark(x, y)) << "above line " << line + 1 << ", dot " << x;
    }

    session.driver().ClickLabel("Label14");   // the body and the hidden fields, byte for byte
    std::string fields = "\"" + Utf8ToCp1250(kBody) + "\"\r\n";
    for (const char* hidden : kHidden) fields += "\"" + Utf8ToCp1250(hidden) + "\"\r\n";
    std::ifstream saved(std::filesystem::path(test::W(session.form().RecordFilePath())), std::ios::binary);
    EXPECT_EQ(test::Occurrences(std::string(std::istreambuf_iterator<char>(saved), {}), fields), 1);
}

}  // namespace
}  // namespace papyrka::zozuraz
