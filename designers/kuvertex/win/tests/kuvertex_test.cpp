// Kuvertex end to end: the envelope printed through the real editor window and the real
// pop-up menu, choices picked with the keyboard, read back from the test printer's PDF.
#include <gtest/gtest.h>

#include "designers/kuvertex/kuvertex.h"
#include "testing/win/designer_session.h"
#include "testing/win/print_failure.h"
#include "testing/win/printed_page.h"

namespace papyrka::kuvertex {
namespace {

constexpr int kBlank = 0, kAddressee = 1, kBoth = 2;   // menu items, from the top

// In file order: salutation, postcode and town, name, sender's first line, street, then
// the sender's name, street, postcode and town.
const std::vector<test::TestRecord> kEnvelopes = {
    {"Vážený pán", "811 01 Bratislava", "Ing. Peter Kováč", "Odosielateľ:", "Obchodná 12", "Mária Horváthová",
     "Lesná 5", "040 01 Košice"},
    {"Vážená pani", "974 01 Banská Bystrica", "Zuzana Šimková", "Od:",
     "Hlavná ulica 125, vchod B, tretie poschodie, dvere vľavo", "Juraj Baláž", "Nová 8", "010 01 Žilina"},
};

// The pattern's edges by the coordinates of their lines, each checked where it crosses a row
// or a column through its middle: a line lies on the pixel that starts at its coordinate,
// and a slanted edge runs through the middles of the two corner pixels it joins.
struct Edge {
    const char* what;
    TwipsPoint from, to;
};

const Edge kEdges[] = {
    {"front panel top", {960, 1455}, {10095, 1455}},     {"fold", {960, 7860}, {10095, 7860}},
    {"back panel bottom", {960, 14205}, {10095, 14205}}, {"front panel left", {960, 1455}, {960, 7860}},
    {"front panel right", {10095, 1455}, {10095, 7860}}, {"back panel left", {960, 7860}, {960, 14205}},
    {"back panel right", {10095, 7860}, {10095, 14205}}, {"top flap", {1770, 315}, {9285, 315}},
    {"top flap left", {1770, 315}, {960, 1455}},         {"top flap right", {9285, 315}, {10095, 1455}},
    {"left flap", {225, 2505}, {225, 6735}},             {"left flap top", {225, 2505}, {960, 1455}},
    {"left flap bottom", {225, 6735}, {960, 7860}},      {"right flap", {10830, 2535}, {10830, 6795}},
    {"right flap top", {10830, 2535}, {10095, 1455}},    {"right flap bottom", {10830, 6795}, {10095, 7860}},
};

void ExpectPrinted(const std::string& text, std::initializer_list<const char*> lines, bool printed = true) {
    for (const char* line : lines) EXPECT_EQ(text.find(line) != std::string::npos, printed) << line << " in " << text;
}

TEST(Kuvertex, ThePatternLiesWhereItsLinesAreAndEachChoicePrintsItsLinesFromTheBoxesAsTheyStand) {
    static const Designer designer{KuvertexDesigner()};
    test::DesignerSession session(designer, kEnvelopes);
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";

    // First print of the run, a blank envelope: the bare pattern, no text.
    std::wstring pdf = session.Choose("Label13", kBlank);
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    EXPECT_EQ(test::PdfText(pdf).find_first_not_of(" \n\f"), std::string::npos);
    const test::PrintedPage page(pdf);
    ASSERT_TRUE(page.ok());
    // One common offset, from the front panel's top left corner.
    const int offsetX = page.LinesAcrossRow(5000, 660, 1260).at(0) - page.DotX(960);
    const int offsetY = page.LinesAcrossColumn(5000, 1155, 1755).at(0) - page.DotY(1455);
    const auto middleX = [&](int x) { return (page.DotX(x) + page.DotX(x + 15)) / 2.0 + offsetX; };
    const auto middleY = [&](int y) { return (page.DotY(y) + page.DotY(y + 15)) / 2.0 + offsetY; };
    for (const auto& [what, from, to] : kEdges) {
        const TwipsPoint mid{(from.x + to.x) / 2, (from.y + to.y) / 2};
        const bool across = from.y == to.y;   // a horizontal edge, met by a column
        const std::vector<int> found = across ? page.LinesAcrossColumn(mid.x, mid.y - 300, mid.y + 300)
                                              : page.LinesAcrossRow(mid.y, mid.x - 300, mid.x + 300);
        ASSERT_EQ(found.size(), 1u) << what;
        int end = found[0];
        while (across ? page.Dark(page.DotX(mid.x), end) : page.Dark(end, page.DotY(mid.y))) ++end;
        const double row = page.DotY(mid.y) + 0.5 + offsetY, a = middleY(from.y), b = middleY(to.y);
        const double expected = across ? middleY(mid.y)
                                       : middleX(from.x) + (middleX(to.x) - middleX(from.x)) * (row - a) / (b - a);
        // A slanted pen's middle lies on a whole dot, a 3-dot line's middle between two.
        EXPECT_NEAR((found[0] + end) / 2.0, expected, from.x != to.x && !across ? 1.5 : 1.0) << what;
    }

    // Addressee and sender of record 1, with an edit that is printed and never saved.
    session.Type("txtFax", ", byt 3");
    pdf = session.Choose("Label13", kBoth);
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    ExpectPrinted(test::PdfText(pdf), {"Vážený pán", "Ing. Peter Kováč", "Obchodná 12, byt 3", "811 01 Bratislava",
                                       "Odosielateľ:", "Mária Horváthová", "Lesná 5", "040 01 Košice"});

    // Record 2's addressee through "MENU >": record 1's sender stays; the long street wraps
    // and only its first line fits the line's height.
    session.driver().Click(session.driver().AtTwips(5160 + 240, 2280 + 240));   // Image2
    pdf = session.Choose("Label9", kAddressee);
    ASSERT_FALSE(pdf.empty());
    const std::string text = test::PdfText(pdf);
    ExpectPrinted(text, {"Vážená pani", "Zuzana Šimková", "Hlavná ulica", "974 01 Banská Bystrica", "Odosielateľ:",
                         "Mária Horváthová", "Lesná 5", "040 01 Košice"});
    ExpectPrinted(text, {"Kováč", "Obchodná", "vľavo", "Baláž"}, false);

    // No printer: the message over the editor, and every line as it was.
    {
        test::DefaultPrinterSetting setting;
        ASSERT_TRUE(setting.ok());
        setting.Remove();
        test::MessageBoxCloser closer;
        session.driver().Click(session.driver().AtTwips(5160 + 240, 1680 + 240));   // Image1: record 1
        EXPECT_TRUE(session.Choose("Label13", kBoth, std::chrono::milliseconds(700)).empty());
        EXPECT_EQ(std::make_pair(closer.shown, closer.title), std::make_pair(1, std::wstring(L"Kuvertex")));
    }
    EXPECT_EQ(session.Line("Label2"), Cp1250ToUtf16(Utf8ToCp1250("Zuzana Šimková")));
    EXPECT_EQ(session.Line("Label6"), Cp1250ToUtf16(Utf8ToCp1250("Mária Horváthová")));
    EXPECT_TRUE(session.FileUnchanged());
}

}  // namespace
}  // namespace papyrka::kuvertex
