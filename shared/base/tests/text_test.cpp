// Text as the record file keeps it: Windows-1250 both ways, what a box accepts, and the
// editor's search, which folds case but never diacritics.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "base/box_filter.h"
#include "base/cp1250.h"
#include "record/search.h"

namespace papyrka {
namespace {

TEST(Cp1250, EveryByteSurvivesTheTripThroughUtf16AndMapsAsWindowsDoes) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    const std::u16string text = Cp1250ToUtf16(all);
    ASSERT_EQ(text.size(), 256u);
    std::string back;
    EXPECT_TRUE(Utf16ToCp1250(text, back));
    EXPECT_EQ(back, all);
    // Where the page differs from Latin-1; 0x81 is undefined and maps to its C1 control.
    EXPECT_EQ(text.substr(0x80, 2), u"\u20AC\u0081");
    EXPECT_EQ(Cp1250ToUtf16("\x8A\x8E\x9A\x9D\x9E\xA1\xBC\xBE\xC8\xD4\xE1\xE4\xE8\xF2\xF4\xFF"), u"ŠŽšťžˇĽľČÔáäčňô˙");
    EXPECT_EQ(Utf8ToCp1250("ľščťžýáíé"), "\xBE\x9A\xE8\x9D\x9E\xFD\xE1\xED\xE9");
}

TEST(Cp1250, BoxesRefuseQuotesAndWhatThePageCannotStore) {
    for (char16_t ch : {u'"', u'\u0080', u'\u00C3', u'\u0101', u'\u0401', u'\u20B9', u'\u4E2D', u'\uFFFD', u'\xD83D'})
        EXPECT_TRUE(IsRefusedInBox(ch)) << int{ch};
    for (char16_t ch : {u'a', u'\'', u'\t', u'á', u'Ľ', u'ô', u'\u20AC', u'\u201E'})
        EXPECT_FALSE(IsRefusedInBox(ch)) << int{ch};
    std::string out = "stale";
    EXPECT_FALSE(Utf16ToCp1250(u"a\u4E2Db", out));
    EXPECT_EQ(out, "ab");

    const PasteFilter multi = FilterPastedText(u"Ján \"Jano\"\r\nNovák\u4E2D", true),
                      single = FilterPastedText(u"prvý riadok\r\ndruhý \"", false);
    EXPECT_EQ(std::pair(multi.text, multi.dropped), std::pair(std::u16string(u"Ján Jano\r\nNovák"), true));
    EXPECT_EQ(multi.firstRefused, u'"');
    EXPECT_NE(RefusalHint(u'\u4E2D').find(u"Znak „\u4E2D“ sa do záznamu nedá uložiť"), std::u16string::npos);
    EXPECT_EQ(RefusalHint(u'\xD83D').find(u'\xD83D'), std::u16string::npos);   // never half a character
    // The cut at the line break is the edit's own, not a refusal.
    EXPECT_EQ(std::pair(single.text, single.dropped), std::pair(std::u16string(u"prvý riadok"), false));
}

TEST(Search, CaseFoldingPairsALetterOnlyWithItsOwnOtherCase) {
    // Every run of Latin Extended-A that Windows-1250 carries, and letters without a partner.
    const std::u16string upper = u"AZÁÄČĎÉĚÍĹĽŇÓÔŐŔŘŠŚŤÚŮŰÝŽŹŻŁĄĘŞŢĂŸ×ßáľłž1";
    const std::u16string lower = u"azáäčďéěíĺľňóôőŕřšśťúůűýžźżłąęşţăÿ×ßáľłž1";
    ASSERT_EQ(upper.size(), lower.size());
    for (size_t i = 0; i < upper.size(); ++i) EXPECT_EQ(FoldCase(upper[i]), lower[i]) << static_cast<int>(upper[i]);
}

TEST(Search, SubstringIgnoresCaseButNotDiacritics) {
    const struct { const char16_t* text; const char16_t* wanted; bool found; } cases[] = {
        {u"Novák", u"nov", true},  {u"NOVÁK", u"novák", true}, {u"novák", u"NOVÁK", true}, {u"Novák", u"a", false},
        {u"Novak", u"á", false},   {u"ÁBEL", u"á", true},      {u"abel", u"Á", false},     {u"Štefan", u"š", true},
        {u"Stefan", u"Š", false},  {u"Ľubica", u"ľub", true},  {u"Lubica", u"ľ", false},   {u"x", u"", true},
        {u"", u"a", false},        {u"a-b c", u"B C", true},   {u"Žilina", u"ZILINA", false},
    };
    for (const auto& c : cases) EXPECT_EQ(ContainsIgnoringCase(c.text, c.wanted), c.found) << &c - cases;
}

}  // namespace
}  // namespace papyrka
