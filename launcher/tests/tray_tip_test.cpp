#include "tray_tip.h"

#include <gtest/gtest.h>

#include <string>

namespace papyrka::launcher {
namespace {

std::u16string Field(std::u16string_view text) {
    const auto field = TrayTipField(text);
    return std::u16string(field.begin(), field.end());
}

std::u16string Expected(std::u16string_view kept) {
    std::u16string expected(kept);
    expected += u'\0';
    expected.resize(kTipLength, u' ');
    return expected;
}

TEST(TrayTipField, IsTheTextOneNulAndBlanksToSixtyFourCharacters) {
    EXPECT_EQ(Field(kTrayTip), Expected(u"Papyrka 1.00"));
    EXPECT_EQ(Field(u""), Expected(u""));
    EXPECT_EQ(Field(u"Hlavné MENU"), Expected(u"Hlavné MENU"));
}

TEST(TrayTipField, KeepsTheNulWhenTheTextIsTooLong) {
    const std::u16string sixtyThree(63, u'x');
    EXPECT_EQ(Field(sixtyThree), Expected(sixtyThree));
    EXPECT_EQ(Field(std::u16string(64, u'x')), Expected(sixtyThree));
    EXPECT_EQ(Field(std::u16string(200, u'x')), Expected(sixtyThree));
}

TEST(TrayTipField, NeverSplitsASurrogatePair) {
    std::u16string text(62, u'x');
    text += u"\U0001F4C4";   // the 63rd and 64th units
    EXPECT_EQ(Field(text), Expected(std::u16string(62, u'x')));
    std::u16string fits(61, u'x');
    fits += u"\U0001F4C4";
    EXPECT_EQ(Field(fits), Expected(fits));
}

}  // namespace
}  // namespace papyrka::launcher
