// Kryton end to end: the cover to the dot with every row whole, then "Adresát" on another album.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <deque>
#include <string>

#include "designers/kryton/kryton.h"
#include "testing/win/designer_session.h"
#include "testing/win/printed_page.h"
#include "win32/fonts.h"

namespace papyrka::kryton {
namespace {

// An album in file order: identifier, track 1, artist, track 2, album, tracks 3-22 ("<track>n)").
test::TestRecord Album(const char* id, const char* artist, const char* album, const char* track) {
    static std::deque<std::string> tracks;   // what the records point into
    const auto title = [&](int n) { return tracks.emplace_back(track + std::to_string(n) + ")").c_str(); };
    test::TestRecord fields{id, title(1), artist, title(2), album};
    for (int n = 3; n <= 22; ++n) fields.push_back(title(n));
    return fields;
}
// A's rows reach as high and as low as letters go: capitals with carons, descenders.
const test::TestRecord kA = Album("KRY-A", "(ŤČĽ Ťapákovci gypsy)", "(Čo sa stalo v Ľubochni ŤČĽ)",
                                  "(Ťahaj, Ďuro, pieseň č. ");
const test::TestRecord kB = Album("KRY-B", "Čergov Kvartet", "Ľahké ráno", "Ranná hmla ");

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
            if (page.Dark(x, y)) first = std::min(first, last = y);
    return last < first ? 0 : last - first + 1;
}

TEST(Kryton, CoverPrintsToTheDotWithEveryRowWholeAndAdresatRefillsOnlyItsBoxes) {
    static const Designer designer{KrytonDesigner()};
    test::DesignerSession session(designer, {kA, kB});
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";

    const std::wstring pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::Occurrences(test::PdfText(pdf), "KRY-A"), 0) << "the identifier is never printed";
    const test::PrintedPage page(pdf);
    ASSERT_TRUE(page.ok());
    const Layout cover = Cover();
    EXPECT_EQ(page.FrameMiss(std::get<FrameArt>(cover.artwork().at(0)).rect), 0) << "the cutting square";
    // Every row framed on its dots, each on the one above, and showing its text whole.
    win::FontCache fonts;   // outlives the DC that its fonts are selected into
    std::u16string error;
    const win::PrinterDc printer = win::PrinterDc::OpenDefault(error);
    for (const LayoutBox& box : cover.boxes()) {
        EXPECT_EQ(page.FrameMiss(box.rect), 0) << box.name;
        SelectObject(printer.get(), fonts.Get(box.font, GetDeviceCaps(printer.get(), LOGPIXELSY)));
        EXPECT_NEAR(InkRows(page, box.rect), LetterRows(printer.get(), session.Line(box.name)), 1) << box.name;
    }
    // "Adresát" on album B: the title, album and track boxes 1-2 take B, boxes 3-22 keep A.
    session.driver().Click(session.driver().AtTwips(600 + 240, 300 + 240));   // Image2
    ASSERT_FALSE(session.Choose("Label9", 1).empty());
    for (int box = 1; box <= 24; ++box) {
        const char* expected = box <= 4 ? kB[std::vector{0, 2, 4, 1}[box - 1]] : kA[box];
        EXPECT_EQ(session.Line("Label" + std::to_string(box)), Cp1250ToUtf16(Utf8ToCp1250(expected))) << box;
    }
}

}  // namespace
}  // namespace papyrka::kryton
