#include "designers/vevuvez/card_sheet.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <variant>

#include "designers/vevuvez/record_layout.h"

namespace papyrka::vevuvez {
namespace {

bool Inside(const TwipsRect& inner, const TwipsRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

TEST(CardSheet, TenSlotsRowByRowEachAnOutlineARuleAndTwelveFramedEmptyLines) {
    const Layout sheet = CardSheet();
    EXPECT_EQ(sheet.width(), 12000);
    EXPECT_EQ(sheet.height(), 16995);
    ASSERT_EQ(sheet.artwork().size(), 20u);
    ASSERT_EQ(sheet.boxes().size(), 120u);
    std::set<std::string> names;
    for (int s = 1; s <= kSlotCount; ++s) {
        SCOPED_TRACE(s);
        // Two columns 5280 twips apart, five rows 3000 apart: cards 165 and 150 twips apart.
        const CardSlot& slot = Slot(s);
        EXPECT_EQ(slot.column, (s - 1) % 2 + 1);
        EXPECT_EQ(slot.row, (s - 1) / 2 + 1);
        EXPECT_EQ(slot.left, 240 + 5280 * (slot.column - 1));
        EXPECT_EQ(slot.top, 360 + 3000 * (slot.row - 1));

        const TwipsRect outline{slot.left, slot.top, 5115, 2850};
        const auto* frame = std::get_if<FrameArt>(&sheet.artwork()[2 * (s - 1)]);
        const auto* rule = std::get_if<LineArt>(&sheet.artwork()[2 * (s - 1) + 1]);
        ASSERT_TRUE(frame && rule);
        EXPECT_TRUE(Inside(frame->rect, outline) && Inside(outline, frame->rect));
        EXPECT_TRUE(rule->from.x == slot.left + 120 && rule->to.x == slot.left + 4920);
        EXPECT_TRUE(rule->from.y == slot.top + 1080 && rule->to.y == slot.top + 1080);

        for (int l = 1; l <= kCardLineCount; ++l) {
            const LayoutBox& box = sheet.boxes().at(static_cast<size_t>(sheet.Find(CardLineBox(s, l))));
            names.insert(box.name);
            EXPECT_TRUE(Inside(box.rect, outline)) << box.name;
            EXPECT_TRUE(box.framed && !box.whiteBackground && box.colour == kBlack && box.text.empty()) << box.name;
            EXPECT_EQ(box.font.bold, l == 5 || l == 9) << box.name;   // first line of each column
        }
    }
    EXPECT_EQ(names.size(), 120u);
}

TEST(CardSheet, ColumnLinesFollowEvery240TwipsAndShareTheirFrameLine) {
    for (int l : {5, 6, 7, 9, 10, 11}) {
        EXPECT_EQ(Line(l + 1).rect.top - Line(l).rect.top, 240) << l;
        EXPECT_EQ(Line(l).rect.bottom() - Line(l + 1).rect.top, 15) << l;
    }
    // The two columns and the rule never touch a line's box.
    EXPECT_LT(Line(5).rect.right(), Line(9).rect.left);
    EXPECT_LT(Line(2).rect.bottom(), kRuleFrom.y);
    EXPECT_GT(Line(3).rect.top, kRuleFrom.y);
}

TEST(CardPrintPlan, EachFieldFeedsItsLineOnAllTenCardsAndALaterPrintReplacesEveryLine) {
    // Card lines 1 to 12; txtName is the record's only field printed nowhere.
    const std::string_view feeds[] = {"txtPhone1", "txtFax",  "txtCompany", "txtPhone2", "txtEmail", "txtAddress",
                                      "txtMemo",   "txt1",    "txt2",       "txt3",      "txt4",     "txt5"};
    std::set<std::string_view> printed(std::begin(feeds), std::end(feeds));
    for (const FieldDef& field : VevuvezRecordLayout().fields)
        EXPECT_EQ(printed.count(field.control), field.control != "txtName") << field.control;

    const PrintPlan plan = CardPrintPlan();
    ASSERT_EQ(plan.size(), 120u);
    for (int i = 0; i < kSlotCount * kCardLineCount; ++i) {
        const BoxFill& fill = plan[static_cast<size_t>(i)];
        EXPECT_EQ(fill.box, CardLineBox(i / kCardLineCount + 1, i % kCardLineCount + 1));
        EXPECT_EQ(fill.control, feeds[i % kCardLineCount]) << fill.box;
    }

    Layout sheet = CardSheet();
    std::u16string mark = u"A";
    const BoxTextSource editor = [&mark](std::string_view control) {
        return mark + std::u16string(control.begin(), control.end());
    };
    ASSERT_TRUE(FillLayout(sheet, plan, editor));
    mark = u"B";
    ASSERT_TRUE(FillLayout(sheet, plan, editor));
    for (int s = 1; s <= kSlotCount; ++s)
        for (int l = 1; l <= kCardLineCount; ++l)
            EXPECT_EQ(sheet.Text(CardLineBox(s, l)), editor(feeds[l - 1])) << s << "/" << l;
}

}  // namespace
}  // namespace papyrka::vevuvez
