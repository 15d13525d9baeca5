#include "../card_sheet.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <variant>

#include "../record_layout.h"

namespace papyrka::vevuvez {
namespace {

bool Inside(const TwipsRect& inner, const TwipsRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

const LayoutBox& BoxOf(const Layout& sheet, int slot, int line) {
    return sheet.boxes().at(static_cast<size_t>(sheet.Find(CardLineBox(slot, line))));
}

TEST(CardSheet, SlotsRunRowByRowTwoColumnsAtTheirPitches) {
    for (int s = 1; s <= kSlotCount; ++s) {
        const CardSlot& slot = Slot(s);
        EXPECT_EQ(slot.column, (s - 1) % 2 + 1) << s;
        EXPECT_EQ(slot.row, (s - 1) / 2 + 1) << s;
        EXPECT_EQ(slot.left, 240 + 5280 * (slot.column - 1)) << s;
        EXPECT_EQ(slot.top, 360 + 3000 * (slot.row - 1)) << s;
    }
}

TEST(CardSheet, ArtworkIsTenOutlinesAndTenRulesWhereTheSlotsAre) {
    const Layout sheet = CardSheet();
    EXPECT_EQ(sheet.width(), 12000);
    EXPECT_EQ(sheet.height(), 16995);
    std::vector<TwipsRect> outlines;
    std::vector<LineArt> rules;
    for (const ArtItem& item : sheet.artwork()) {
        if (const auto* frame = std::get_if<FrameArt>(&item)) outlines.push_back(frame->rect);
        else if (const auto* line = std::get_if<LineArt>(&item)) rules.push_back(*line);
        else ADD_FAILURE() << "the card sheet has only outlines and rules";
    }
    ASSERT_EQ(outlines.size(), 10u);
    ASSERT_EQ(rules.size(), 10u);
    int right = 0, bottom = 0;
    for (int s = 1; s <= kSlotCount; ++s) {
        const TwipsRect& outline = outlines[static_cast<size_t>(s - 1)];
        const LineArt& rule = rules[static_cast<size_t>(s - 1)];
        EXPECT_EQ(outline.left, Slot(s).left);
        EXPECT_EQ(outline.top, Slot(s).top);
        EXPECT_EQ(outline.width, 5115);
        EXPECT_EQ(outline.height, 2850);
        EXPECT_EQ(rule.from.x, outline.left + 120);
        EXPECT_EQ(rule.to.x, outline.left + 4920);
        EXPECT_EQ(rule.from.y, outline.top + 1080);
        EXPECT_EQ(rule.to.y, outline.top + 1080);
        right = std::max(right, outline.right());
        bottom = std::max(bottom, outline.bottom());
    }
    // The cards cover 240 to 10635 across and 360 to 15210 down; 165 and 150 twips apart.
    EXPECT_EQ(right, 10635);
    EXPECT_EQ(bottom, 15210);
    EXPECT_EQ(Slot(2).left - outlines[0].right(), 165);
    EXPECT_EQ(Slot(3).top - outlines[0].bottom(), 150);
}

TEST(CardSheet, EveryCardLineIsAFramedEmptyBoxInsideItsOwnCard) {
    const Layout sheet = CardSheet();
    ASSERT_EQ(sheet.boxes().size(), 120u);
    std::set<std::string> names;
    for (int s = 1; s <= kSlotCount; ++s) {
        const TwipsRect outline{Slot(s).left, Slot(s).top, 5115, 2850};
        for (int l = 1; l <= kCardLineCount; ++l) {
            const LayoutBox& box = BoxOf(sheet, s, l);
            names.insert(box.name);
            EXPECT_TRUE(Inside(box.rect, outline)) << box.name;
            EXPECT_EQ(box.rect.left - outline.left, Line(l).rect.left) << box.name;
            EXPECT_EQ(box.rect.top - outline.top, Line(l).rect.top) << box.name;
            EXPECT_TRUE(box.framed && !box.whiteBackground && box.colour == kBlack) << box.name;
            EXPECT_TRUE(box.text.empty()) << box.name;
            EXPECT_EQ(box.font.bold, l == 5 || l == 9) << box.name;   // first line of each column
        }
    }
    EXPECT_EQ(names.size(), 120u);
}

TEST(CardSheet, ColumnLinesFollowEvery240TwipsAndShareTheirFrameLine) {
    for (int first : {5, 9}) {
        for (int l = first; l < first + 3; ++l) {
            EXPECT_EQ(Line(l + 1).rect.top - Line(l).rect.top, 240) << l;
            EXPECT_EQ(Line(l).rect.bottom() - Line(l + 1).rect.top, 15) << l;
        }
    }
    // The two columns and the rule never touch a line's box.
    EXPECT_LT(Line(5).rect.right(), Line(9).rect.left);
    EXPECT_LT(Line(2).rect.bottom(), kRuleFrom.y);
    EXPECT_GT(Line(3).rect.top, kRuleFrom.y);
}

TEST(CardPrintPlan, EachFieldGoesToItsCardLineAndTxtNameNowhere) {
    // The record's fields and where each prints (0: not printed).
    const std::map<std::string_view, int> printedOn{
        {"txtName", 0},   {"txtCompany", 3}, {"txtPhone1", 1}, {"txtPhone2", 4}, {"txtFax", 2},
        {"txtEmail", 5},  {"txtAddress", 6}, {"txtMemo", 7},   {"txt1", 8},      {"txt2", 9},
        {"txt3", 10},     {"txt4", 11},      {"txt5", 12},
    };
    const RecordLayout& record = VevuvezRecordLayout();
    ASSERT_EQ(record.fieldCount(), 13);
    for (const FieldDef& field : record.fields) ASSERT_TRUE(printedOn.count(field.control)) << field.control;

    const PrintPlan plan = CardPrintPlan();
    ASSERT_EQ(plan.size(), 120u);
    std::set<std::string> filled;
    for (int s = 1; s <= kSlotCount; ++s) {
        for (int l = 1; l <= kCardLineCount; ++l) {
            const BoxFill& fill = plan[static_cast<size_t>((s - 1) * kCardLineCount + l - 1)];
            EXPECT_EQ(fill.box, CardLineBox(s, l));
            EXPECT_EQ(printedOn.at(fill.control), l) << fill.control;
            filled.insert(fill.box);
        }
    }
    EXPECT_EQ(filled.size(), 120u);   // every print overwrites every line
}

TEST(CardPrintPlan, AllTenCardsGetTheSameTextsAndALaterPrintReplacesEveryLine) {
    Layout sheet = CardSheet();
    std::u16string mark = u"A";
    const BoxTextSource editor = [&mark](std::string_view control) {
        return mark + u" " + std::u16string(control.begin(), control.end());
    };
    ASSERT_TRUE(FillLayout(sheet, CardPrintPlan(), editor));
    mark = u"B";
    ASSERT_TRUE(FillLayout(sheet, CardPrintPlan(), editor));
    for (int s = 1; s <= kSlotCount; ++s)
        for (int l = 1; l <= kCardLineCount; ++l)
            EXPECT_EQ(sheet.Text(CardLineBox(s, l)), editor(Line(l).source)) << s << "/" << l;
}

}  // namespace
}  // namespace papyrka::vevuvez
