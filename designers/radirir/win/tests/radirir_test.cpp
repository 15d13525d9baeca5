// Radirir end to end: "Vytlačiť" in the real editor window puts the number and the eight
// contents lines on the label in the editor's order and prints one page, read back from the
// test printer's PDF: frame, band and rule to one printer dot, white text on grey.
#include <gtest/gtest.h>

#include "designers/radirir/radirir.h"
#include "testing/win/designer_session.h"
#include "testing/win/print_failure.h"
#include "testing/win/printed_page.h"

namespace papyrka::radirir {
namespace {

// In file order: the number, then the lines as the file keeps them; each names its place.
const std::vector<test::TestRecord> kDisks = {
    {"42", "tretí mzdy", "prvý účtovníctvo", "štvrtý dane", "druhý faktúry", "piaty pokladňa", "šiesty zmluvy",
     "siedmy sklad", "ôsmy heslá"},
};

bool Grey(std::uint8_t level) { return level > 170 && level < 210; }   // the band's light grey
bool Light(std::uint8_t level) { return level > 245; }

void ExpectLinesNear(const std::vector<int>& found, const std::vector<int>& expected, const char* where) {
    ASSERT_EQ(found.size(), expected.size()) << where << ": " << ::testing::PrintToString(found);
    for (size_t i = 0; i < found.size(); ++i) EXPECT_NEAR(found[i], expected[i], 1) << where << " line " << i;
}

// What lies in a layout rectangle of the page, in printer dots: how many light and dark dots.
struct Count {
    int light = 0, dark = 0;
};
Count CountIn(const test::PrintedPage& page, const test::GrayImage& image, TwipsRect rect) {
    Count count;
    for (int y = page.DotY(rect.top); y < page.DotY(rect.bottom()); ++y)
        for (int x = page.DotX(rect.left); x < page.DotX(rect.right()); ++x) {
            count.light += Light(image.at(x, y));
            count.dark += page.Dark(x, y);
        }
    return count;
}

TEST(Radirir, PrintPutsTheLinesInTheEditorsOrderOnTheLabelFaceAndSavesNothing) {
    static const Designer designer{RadirirDesigner()};
    test::DesignerSession session(designer, kDisks);
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";

    session.Type("txtmemo1", " (neuložené)");
    std::wstring pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    std::string text = test::PdfText(pdf);
    size_t at = 0;
    for (const char* line : {"prvý účtovníctvo", "druhý faktúry", "tretí mzdy", "štvrtý dane", "piaty pokladňa",
                             "šiesty zmluvy", "siedmy sklad", "ôsmy heslá (neuložené)"}) {
        const size_t found = text.find(line, at);
        EXPECT_NE(found, std::string::npos) << line << " below the lines before it in\n" << text;
        if (found != std::string::npos) at = found;
    }
    const size_t caption = text.find("Číslo radirir :");   // whole, the number beside it
    ASSERT_NE(caption, std::string::npos) << text;
    EXPECT_NE(text.substr(caption, text.find('\n', caption) - caption).find("42"), std::string::npos) << text;
    EXPECT_TRUE(session.FileUnchanged());

    const test::PrintedPage page(pdf);
    ASSERT_TRUE(page.ok());
    const test::GrayImage image = test::PdfPageImage(pdf, 1, page.caps().dpiX);
    ExpectLinesNear(page.LinesAcrossRow(2850, 0, 4185), {page.DotX(105), page.DotX(4080)}, "frame sides");
    ExpectLinesNear(page.LinesAcrossRow(450, 0, 4185), {page.DotX(105), page.DotX(4080)}, "across the band");
    ExpectLinesNear(page.LinesAcrossColumn(4000, 0, 3090), {page.DotY(120), page.DotY(660), page.DotY(2955)},
                    "frame top, rule, frame bottom");
    for (const TwipsRect& whiteText : {TwipsRect{240, 300, 735, 255}, TwipsRect{2160, 300, 1215, 255},
                                       TwipsRect{3420, 300, 495, 255}}) {
        const Count count = CountIn(page, image, whiteText);
        EXPECT_GT(count.light, 20) << whiteText.left;
        EXPECT_EQ(count.dark, 0) << whiteText.left;
    }
    // Grey fills the band up to the frame, but not the corners outside its rounded curve.
    const int bandRow = page.DotY(600);
    for (int x = page.DotX(120); x < page.DotX(4080); ++x) ASSERT_TRUE(Grey(image.at(x, bandRow))) << x;
    EXPECT_TRUE(Light(image.at(page.DotX(120), page.DotY(135))));
    EXPECT_TRUE(Light(image.at(page.DotX(4080) - 1, page.DotY(135))));

    // Too long: the number is cut at its box's right edge; a line prints its first wrapped line.
    session.Type("txtName", "0123456789012345");
    session.Type("txtphone1", " a tiež mzdové listy, výplatné pásky, ročné zúčtovanie a prehľady KONIEC");
    pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    text = test::PdfText(pdf);
    EXPECT_NE(text.find("prvý účtovníctvo a tiež"), std::string::npos) << text;
    EXPECT_EQ(text.find("KONIEC"), std::string::npos) << text;
    const test::PrintedPage longer(pdf);
    const test::GrayImage longImage = test::PdfPageImage(pdf, 1, longer.caps().dpiX);
    EXPECT_GT(CountIn(longer, longImage, {3420, 300, 495, 255}).light, 20);
    EXPECT_EQ(CountIn(longer, longImage, {3930, 300, 135, 255}).light, 0) << "the number spills out of its box";

    // A failed print: the user is told, and the label keeps what it held.
    {
        test::DefaultPrinterSetting setting;
        ASSERT_TRUE(setting.ok());
        setting.Remove();
        test::MessageBoxCloser closer;
        session.Type("txtName", "99");
        session.driver().ClickLabel("Label13");
        EXPECT_TRUE(session.Printed(std::chrono::milliseconds(700)).empty());
        EXPECT_EQ(closer.shown, 1);
        EXPECT_EQ(closer.title, L"Radirir");
    }
    EXPECT_EQ(session.Line("Label3"), u"420123456789012345");
    EXPECT_TRUE(session.FileUnchanged());
}

}  // namespace
}  // namespace papyrka::radirir
