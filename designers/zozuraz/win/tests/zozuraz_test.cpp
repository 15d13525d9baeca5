// Zozuraz end to end: "Vytlačiť" in the real editor window prints the shown letter from the
// boxes as they stand, read back from the test printer's PDF, to the dot where it matters.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "designers/zozuraz/zozuraz.h"
#include "testing/win/designer_session.h"
#include "testing/win/print_failure.h"
#include "testing/win/printed_page.h"

namespace papyrka::zozuraz {
namespace {

const Designer kDesigner{ZozurazDesigner()};
const Layout kLetter = Letter();
const LayoutBox& Box(const char* name) { return kLetter.boxes()[static_cast<size_t>(kLetter.Find(name))]; }

const std::string kTwentyLines = [] {   // numbered 11 to 30: no number is part of another
    std::string body;
    for (int line = 11; line <= 30; ++line)
        body += "Riadok " + std::to_string(line) + ": Ďakujeme, že ŠÚ SR zverejní údaje o príjmoch.\r\n";
    return body;
}();
const std::string kBody = "Prosím o vydanie rodného listu.\r\nPotrebujem ho pre úrad v zahraničí.\r\nĎakujem.";
const char* const kHidden[] = {" skryté, s čiarkou ", "dva\r\nriadky", "", "  "};

// File order: ID, town of the organisation, sender, subject, organisation, body, four hidden.
const std::vector<test::TestRecord> kLetters = {
    {"Ž01", "811 09 Bratislava", "Mária Kováčová, Hlinkova 12, 010 01 Žilina", "Žiadosť o rodný list",
     "Matričný úrad, Primaciálne nám. 1", kBody.c_str(), kHidden[0], kHidden[1], kHidden[2], kHidden[3]},
    {"Ž02", "", "", "Dlhý list", "", kTwentyLines.c_str()},
};

// The longest run of dark dots along a row of the page; 0 for a white row.
int LongestDarkRun(const test::PrintedPage& page, int y, int fromX, int toX) {
    int longest = 0;
    for (int x = fromX, run = 0; x <= toX; ++x) longest = std::max(longest, run = page.Dark(x, y) ? run + 1 : 0);
    return longest;
}

TEST(Zozuraz, PrintsTheShownLetterAsItStandsKeepsThirteenBodyLinesAndSavesHiddenFieldsUnchanged) {
    test::DesignerSession session(kDesigner, kLetters);
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";

    session.Type("txtPhone2", " (neuložené)");
    std::wstring pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    std::string text = test::PdfText(pdf);
    for (const char* paragraphEnd : {"listu.\n", "zahraničí.\n", "Ďakujem.\n"})   // three lines, short as they are
        EXPECT_NE(text.find(paragraphEnd), std::string::npos) << paragraphEnd << " in " << text;
    EXPECT_NE(text.find("Žiadosť o rodný list (neuložené)"), std::string::npos);
    EXPECT_TRUE(session.FileUnchanged());

    // The sender line is underlined: a dark run in its lower half far longer than any letter.
    const test::PrintedPage letter(pdf);
    ASSERT_TRUE(letter.ok());
    const TwipsRect sender = Box("Label1").rect;
    int underline = 0;
    for (int y = letter.DotY(sender.top + sender.height / 2); y < letter.DotY(sender.bottom() - 15); ++y)
        underline = std::max(underline, LongestDarkRun(letter, y, letter.DotX(sender.left + 15),
                                                       letter.DotX(sender.right() - 30)));
    EXPECT_GT(underline, 3000 * letter.DotsPerTwipX());

    // Twenty body lines: the first thirteen print, with a white dot row above each line's top,
    // so no glyph of one line reaches the next.
    const TwipsRect next = kDesigner.tables.face.image2;
    session.driver().Click(session.driver().AtTwips(next.left + next.width / 2, next.top + next.height / 2));
    pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    text = test::PdfText(pdf);
    EXPECT_NE(text.find("Riadok 23: Ďakujeme"), std::string::npos) << text;
    EXPECT_EQ(text.find("Riadok 24"), std::string::npos) << text;
    const test::PrintedPage page(pdf);
    ASSERT_TRUE(page.ok());
    const LayoutBox& body = Box("Label5");
    for (int line = 1; line < 13; ++line)
        EXPECT_EQ(LongestDarkRun(page, page.DotY(body.rect.top + 15 + body.linePitch * line) - 1,
                                 page.DotX(body.rect.left + 15), page.DotX(body.rect.right() - 30)), 0)
            << "above line " << line + 1;

    {   // A print that cannot happen: told, and the letter keeps the last printed body.
        test::DefaultPrinterSetting setting;
        ASSERT_TRUE(setting.ok());
        setting.Remove();
        test::MessageBoxCloser closer;
        session.Type("txtEmail", " Navyše");
        session.driver().ClickLabel("Label13");
        EXPECT_TRUE(session.Printed(std::chrono::milliseconds(700)).empty());
        EXPECT_EQ(closer.shown, 1);
        EXPECT_EQ(closer.title, L"Zozuraz");
        EXPECT_EQ(session.Line("Label5"), Cp1250ToUtf16(Utf8ToCp1250(kTwentyLines)));
    }

    session.driver().ClickLabel("Label14");
    std::ifstream saved(std::filesystem::path(test::W(session.form().RecordFilePath())), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(saved)), {});
    std::string fields = "\"" + Utf8ToCp1250(kBody) + "\"\r\n";
    for (const char* hidden : kHidden) fields += "\"" + Utf8ToCp1250(hidden) + "\"\r\n";
    EXPECT_NE(bytes.find(fields), std::string::npos) << bytes;
}

// An empty list prints the bare letter: every frame on its dot, and the four fixed texts whole.
TEST(Zozuraz, AnEmptyListPrintsEveryFrameInPlaceAndTheFixedTextsWhole) {
    test::DesignerSession session(kDesigner, {});
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";
    const std::wstring pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    const std::string text = test::PdfText(pdf);
    for (const char* fixed : {"P.T.", "VEC :", "S pozdravom", "podpis"})
        EXPECT_NE(text.find(fixed), std::string::npos) << fixed << " in " << text;
    const test::PrintedPage page(pdf);
    ASSERT_TRUE(page.ok());
    for (const LayoutBox& box : kLetter.boxes()) {
        const TwipsRect r = box.rect;   // across the middle, and down just inside the left side
        const std::vector<int> x = page.LinesAcrossRow(r.top + r.height / 2, r.left - 30, r.right() + 15);
        const std::vector<int> y = page.LinesAcrossColumn(r.left + 20, r.top - 30, r.bottom() + 15);
        ASSERT_FALSE(x.empty() || y.empty()) << box.name;
        for (auto [found, expected] : {std::pair{x.front(), page.DotX(r.left)}, {x.back(), page.DotX(r.right() - 15)},
                                       {y.front(), page.DotY(r.top)}, {y.back(), page.DotY(r.bottom() - 15)}})
            EXPECT_NEAR(found, expected, 1) << box.name;
    }
}

}  // namespace
}  // namespace papyrka::zozuraz
