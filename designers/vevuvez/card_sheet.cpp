#include "card_sheet.h"

#include <iterator>

namespace papyrka::vevuvez {

namespace {

constexpr CardSlot kSlots[kSlotCount] = {
    // column, row, left, top
    {1, 1, 240, 360},   {2, 1, 5520, 360},
    {1, 2, 240, 3360},  {2, 2, 5520, 3360},
    {1, 3, 240, 6360},  {2, 3, 5520, 6360},
    {1, 4, 240, 9360},  {2, 4, 5520, 9360},
    {1, 5, 240, 12360}, {2, 5, 5520, 12360},
};

constexpr CardLine kLines[kCardLineCount] = {
    // source        left  top   width height  size   bold   alignment
    {"txtPhone1",  {120, 120, 4815, 495}, 17.25, false, Align::Centre},
    {"txtFax",     {120, 600, 4815, 375}, 13.5, false, Align::Centre},
    {"txtCompany", {120, 1200, 4815, 255}, 9.75, false, Align::Centre},
    {"txtPhone2",  {120, 1440, 4815, 255}, 9.75, false, Align::Centre},
    {"txtEmail",   {120, 1800, 2295, 255}, 8.25, true, Align::Left},
    {"txtAddress", {120, 2040, 2295, 255}, 8.25, false, Align::Left},
    {"txtMemo",    {120, 2280, 2295, 255}, 8.25, false, Align::Left},
    {"txt1",       {120, 2520, 2295, 255}, 8.25, false, Align::Left},
    {"txt2",       {2640, 1800, 2295, 255}, 8.25, true, Align::Left},
    {"txt3",       {2640, 2040, 2295, 255}, 8.25, false, Align::Left},
    {"txt4",       {2640, 2280, 2295, 255}, 8.25, false, Align::Left},
    {"txt5",       {2640, 2520, 2295, 255}, 8.25, false, Align::Left},
};

static_assert(std::size(kSlots) == kSlotCount && std::size(kLines) == kCardLineCount);

TwipsRect OnSheet(const CardSlot& slot, TwipsRect inCard) {
    return TwipsRect{slot.left + inCard.left, slot.top + inCard.top, inCard.width, inCard.height};
}

TwipsPoint OnSheet(const CardSlot& slot, TwipsPoint inCard) {
    return TwipsPoint{slot.left + inCard.x, slot.top + inCard.y};
}

}  // namespace

const CardSlot& Slot(int slot) { return kSlots[slot - 1]; }
const CardLine& Line(int line) { return kLines[line - 1]; }

std::string CardLineBox(int slot, int line) {
    return "Label" + std::to_string((slot - 1) * kCardLineCount + line);
}

Layout CardSheet() {
    std::vector<ArtItem> artwork;
    std::vector<LayoutBox> boxes;
    for (int s = 1; s <= kSlotCount; ++s) {
        const CardSlot& slot = Slot(s);
        artwork.push_back(FrameArt{OnSheet(slot, kCardOutline)});
        artwork.push_back(LineArt{OnSheet(slot, kRuleFrom), OnSheet(slot, kRuleTo)});
        for (int l = 1; l <= kCardLineCount; ++l) {
            const CardLine& line = Line(l);
            LayoutBox box;
            box.name = CardLineBox(s, l);
            box.rect = OnSheet(slot, line.rect);
            box.font = FontSpec{u"MS Sans Serif", line.points, line.bold, false};
            box.align = line.align;
            box.framed = true;
            boxes.push_back(std::move(box));
        }
    }
    return Layout(kSheetWidth, kSheetHeight, std::move(artwork), std::move(boxes));
}

PrintPlan CardPrintPlan() {
    PrintPlan plan;
    for (int s = 1; s <= kSlotCount; ++s)
        for (int l = 1; l <= kCardLineCount; ++l) plan.push_back(BoxFill{CardLineBox(s, l), Line(l).source});
    return plan;
}

}  // namespace papyrka::vevuvez
