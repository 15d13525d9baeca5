// Kryton end to end: a cover printed from the real editor window and read back from the test
// printer's PDF at printer resolution, to the dot; then what the print-choice menu and a
// failed print leave in the cover's boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "designers/kryton/kryton.h"
#include "testing/win/designer_session.h"
#include "testing/win/print_failure.h"
#include "testing/win/printed_page.h"
#include "win32/fonts.h"
#include "win32/printing.h"

namespace papyrka::kryton {
namespace {

constexpr int kTracks = 22;

// One album's fields in file order: identifier, track 1, artist, track 2, album, tracks 3-22.
struct Album {
    std::vector<std::string> tracks, fields;
    Album(const char* id, const char* artist, const char* album, const char* track) {
        for (int n = 1; n <= kTracks; ++n) tracks.push_back(track + std::to_string(n) + ")");
        fields = {id, tracks[0], artist, tracks[1], album};
        fields.insert(fields.end(), tracks.begin() + 2, tracks.end());
    }
    test::TestRecord Record() const {
        test::TestRecord record;
        for (const std::string& field : fields) record.push_back(field.c_str());
        return record;
    }
};

// A's rows reach as high and as low as letters go: capitals with carons, descenders.
const Album kA{"KRY-A", "(ŤČĽ Ťapákovci gypsy)", "(Čo sa stalo v Ľubochni ŤČĽ)", "(Ťahaj, Ďuro, pieseň č. "};
const Album kB{"KRY-B", "Čergov Kvartet", "Ľahké ráno", "Ranná hmla "};

std::u16string U(const std::string& utf8) { return Cp1250ToUtf16(Utf8ToCp1250(utf8)); }

// Dot rows from the top of the highest letter of `text` to the bottom of its lowest, in the
// printer's own outlines of the font selected into `printer`: what a row shows of it uncut.
int LetterRows(HDC printer, std::u16string_view text) {
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    int top = INT_MIN, bottom = INT_MAX;
    for (char16_t letter : text) {
        GLYPHMETRICS glyph{};
        if (letter == u' ' ||
            GetGlyphOutlineW(printer, letter, GGO_METRICS | GGO_UNHINTED, &glyph, 0, nullptr, &identity) == GDI_ERROR)
            continue;
        top = std::max(top, static_cast<int>(glyph.gmptGlyphOrigin.y));
        bottom = std::min(bottom, static_cast<int>(glyph.gmptGlyphOrigin.y) - static_cast<int>(glyph.gmBlackBoxY));
    }
    return top - bottom;
}

// Dot rows from the first to the last that holds ink inside a framed box's border.
int InkRows(const test::PrintedPage& page, const TwipsRect& box) {
    int first = INT_MAX, last = INT_MIN;
    for (int y = page.DotY(box.top + 15); y < page.DotY(box.bottom() - 15); ++y)
        for (int x = page.DotX(box.left + 15); x < page.DotX(box.right() - 15); ++x)
            if (page.Dark(x, y)) { first = std::min(first, y); last = y; }
    return last < first ? 0 : last - first + 1;
}

TEST(Kryton, CoverPrintsToTheDotWithEveryRowWholeAndTheMenuRefillsOnlyItsBoxes) {
    static const Designer designer{KrytonDesigner()};
    test::DesignerSession session(designer, {kA.Record(), kB.Record()});
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";

    const std::wstring pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    EXPECT_EQ(test::PdfText(pdf).find("KRY-A"), std::string::npos) << "the identifier is never printed";
    const test::PrintedPage page(pdf);
    ASSERT_TRUE(page.ok());

    // The cutting square: lines on the dots where 300 and 7110 land, 120 mm between centres.
    const std::vector<int> across = page.LinesAcrossRow(7000, 0, 7455), down = page.LinesAcrossColumn(330, 0, 7455);
    ASSERT_TRUE(across.size() == 2 && down.size() == 2);
    EXPECT_EQ(across.front(), page.DotX(300));
    EXPECT_EQ(down.front(), page.DotY(300));
    EXPECT_NEAR(across.back() - across.front(), 6810 * page.DotsPerTwipX(), 1.0);
    EXPECT_NEAR(down.back() - down.front(), 6810 * page.DotsPerTwipY(), 1.0);

    // The track table: 23 rules, each row's top border on the one above's bottom border.
    std::vector<int> rules;
    for (int row = 0; row < kTracks; ++row) rules.push_back(page.DotY(1560 + 240 * row));
    rules.push_back(page.DotY(6855 - 15));
    EXPECT_EQ(page.LinesAcrossColumn(420, 1500, 6900), rules);

    {   // Every row shows its text whole, carons of the 24-pt title included.
        win::FontCache fonts;   // outlives the DC that its fonts are selected into
        std::u16string error;
        const win::PrinterDc printer = win::PrinterDc::OpenDefault(error);
        const Layout cover = Cover();
        for (const LayoutBox& box : cover.boxes()) {
            SelectObject(printer.get(), fonts.Get(box.font, GetDeviceCaps(printer.get(), LOGPIXELSY)));
            EXPECT_NEAR(InkRows(page, box.rect), LetterRows(printer.get(), session.Line(box.name)), 1) << box.name;
        }
    }

    // "Adresát" on album B: the title, album and track boxes 1-2 take B, boxes 3-22 keep A.
    const TwipsRect next = designer.tables.face.image2;
    session.driver().Click(session.driver().AtTwips(next.left + next.width / 2, next.top + next.height / 2));
    ASSERT_FALSE(session.Choose("Label9", 1).empty());
    const std::string expected[] = {kB.fields[0], kB.fields[2], kB.fields[4], kB.tracks[0]};
    for (int box = 1; box <= 4; ++box) EXPECT_EQ(session.Line("Label" + std::to_string(box)), U(expected[box - 1]));
    for (int track = 3; track <= kTracks; ++track)
        EXPECT_EQ(session.Line("Label" + std::to_string(track + 2)), U(kA.tracks[track - 1])) << track;

    {   // A print that fails says so and leaves every box as it was.
        test::DefaultPrinterSetting setting;
        ASSERT_TRUE(setting.ok());
        setting.Remove();
        test::MessageBoxCloser closer;
        session.driver().ClickLabel("Label13");
        EXPECT_TRUE(session.Printed(std::chrono::milliseconds(700)).empty());
        EXPECT_EQ(closer.shown, 1);
        EXPECT_EQ(closer.title, L"Kryton");
    }
    EXPECT_EQ(session.Line("Label2"), U(kB.fields[2]));
    EXPECT_EQ(session.Line("Label24"), U(kA.tracks[21]));
    EXPECT_TRUE(session.FileUnchanged());
}

}  // namespace
}  // namespace papyrka::kryton
