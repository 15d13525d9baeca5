#include "layout/layout.h"

#include <utility>

namespace papyrka {

Layout::Layout(int widthTwips, int heightTwips, std::vector<ArtItem> artwork, std::vector<LayoutBox> boxes)
    : width_(widthTwips), height_(heightTwips), artwork_(std::move(artwork)), boxes_(std::move(boxes)) {}

int Layout::Find(std::string_view name) const {
    for (size_t i = 0; i < boxes_.size(); ++i)
        if (boxes_[i].name == name) return static_cast<int>(i);
    return -1;
}

bool Layout::SetText(std::string_view name, std::u16string text) {
    const int index = Find(name);
    if (index < 0) return false;
    boxes_[static_cast<size_t>(index)].text = std::move(text);
    return true;
}

std::u16string_view Layout::Text(std::string_view name) const {
    const int index = Find(name);
    return index < 0 ? std::u16string_view() : std::u16string_view(boxes_[static_cast<size_t>(index)].text);
}

bool FillLayout(Layout& layout, const PrintPlan& plan, const BoxTextSource& textOf) {
    bool allFound = true;
    for (const BoxFill& fill : plan)
        if (!layout.SetText(fill.box, textOf(fill.control))) allFound = false;
    return allFound;
}

}  // namespace papyrka
