#include <gtest/gtest.h>

#include <string>

#include "cp1250.h"

namespace papyrka {
namespace {

TEST(Cp1250, EveryByteSurvivesTheTripThroughUtf16) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    const std::u16string text = Cp1250ToUtf16(all);
    ASSERT_EQ(text.size(), 256u);
    std::string back;
    EXPECT_TRUE(Utf16ToCp1250(text, back));
    EXPECT_EQ(back, all);
}

TEST(Cp1250, MapsAsWindowsDoes) {
    struct Pair {
        unsigned char byte;
        char16_t ch;
    };
    const Pair pairs[] = {
        {0x41, u'A'},     {0x80, u'\u20AC'}, {0x81, u'\u0081'}, {0x8A, u'Š'}, {0x8E, u'Ž'},
        {0x9A, u'š'},     {0x9D, u'ť'},      {0x9E, u'ž'},      {0xA0, u'\u00A0'}, {0xA1, u'ˇ'},
        {0xBC, u'Ľ'},     {0xBE, u'ľ'},      {0xC8, u'Č'},      {0xD4, u'Ô'}, {0xE1, u'á'},
        {0xE4, u'ä'},     {0xE8, u'č'},      {0xF2, u'ň'},      {0xF4, u'ô'}, {0xFF, u'˙'},
    };
    for (const Pair& p : pairs) {
        EXPECT_EQ(Cp1250ToUtf16(std::string(1, static_cast<char>(p.byte)))[0], p.ch) << int{p.byte};
        EXPECT_TRUE(IsCp1250Storable(p.ch)) << int{p.byte};
    }
    EXPECT_EQ(Utf8ToCp1250("Poznámky 1 : ľščťžýáíé"),
              "Pozn\xE1mky 1 : \xBE\x9A\xE8\x9D\x9E\xFD\xE1\xED\xE9");
}

TEST(Cp1250, CharactersOutsideThePageAreNotStorable) {
    for (char16_t ch : {u'\u0080', u'\u00C3', u'\u0401', u'\u4E2D', u'\uFFFD', u'\xD83D'})
        EXPECT_FALSE(IsCp1250Storable(ch)) << int{ch};
    std::string out = "stale";
    EXPECT_FALSE(Utf16ToCp1250(u"a\u4E2Db", out));
    EXPECT_EQ(out, "ab");
}

}  // namespace
}  // namespace papyrka
