#include <algorithm>
#include <optional>
#include <set>

#include "designer/designer_tables.h"
#include "designer/print_choice.h"

namespace papyrka {

namespace {

constexpr int kEditorTwips = 6000;

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

bool Inside(const TwipsRect& rect, int width, int height) {
    return rect.left >= 0 && rect.top >= 0 && rect.width >= 0 && rect.height >= 0 && rect.right() <= width &&
           rect.bottom() <= height;
}

class Checker {
public:
    explicit Checker(const DesignerTables& tables) : tables_(tables) {
        if (tables.layout) layout_ = tables.layout();
    }

    std::vector<std::string> Run() {
        CheckFace();
        if (tables_.label13 == ButtonAction::PrintLayout) CheckPlan("print table", tables_.print);
        if (tables_.label9 == ButtonAction::PrintLayout || tables_.label9 == ButtonAction::ProgramOwn)
            problems_.push_back("Label9 only opens the print-choice menu or does nothing");
        if (tables_.label9 == ButtonAction::PrintChoiceMenu || tables_.label13 == ButtonAction::PrintChoiceMenu)
            for (const PrintChoice& choice : kPrintChoices) CheckPlan(std::string(choice.item), PrintChoicePlan(choice));
        if (layout_) CheckLayout();
        return problems_;
    }

private:
    void CheckFace() {
        std::set<std::string_view> seen;
        for (const TextBoxSpec& box : tables_.face.boxes) {
            if (tables_.record.fieldIndex(box.control) < 0)
                problems_.push_back("editor box " + Quoted(box.control) + " is no field of the record");
            if (!seen.insert(box.control).second)
                problems_.push_back("editor box " + Quoted(box.control) + " is listed twice");
            if (box.visible && !Inside(box.rect, kEditorTwips, kEditorTwips))
                problems_.push_back("editor box " + Quoted(box.control) + " lies outside the window");
        }
        for (std::string_view field : tables_.record.fields)
            if (!seen.count(field)) problems_.push_back("field " + Quoted(field) + " has no editor box");
        for (const CaptionSpec& caption : tables_.face.captions)
            if (caption.text.empty() || !Inside(caption.rect, kEditorTwips, kEditorTwips))
                problems_.push_back("a caption is empty or lies outside the window");
    }

    void CheckPlan(const std::string& what, const PrintPlan& plan) {
        if (!layout_) {
            problems_.push_back(what + " prints, but the program has no layout");
            return;
        }
        for (const BoxFill& fill : plan) {
            if (tables_.record.fieldIndex(fill.control) < 0)
                problems_.push_back(what + ": " + Quoted(fill.control) + " is no field of the record");
            if (layout_->Find(fill.box) < 0)
                problems_.push_back(what + ": layout box " + Quoted(fill.box) + " does not exist");
        }
    }

    void CheckLayout() {
        std::set<std::string_view> names;
        for (const LayoutBox& box : layout_->boxes()) {
            if (!names.insert(box.name).second) problems_.push_back("layout box " + Quoted(box.name) + " is there twice");
            if (!Inside(box.rect, layout_->width(), layout_->height()))
                problems_.push_back("layout box " + Quoted(box.name) + " lies outside the layout");
        }
    }

    const DesignerTables& tables_;
    std::optional<Layout> layout_;
    std::vector<std::string> problems_;
};

}  // namespace

std::vector<std::string> ValidateDesigner(const DesignerTables& tables) { return Checker(tables).Run(); }

}  // namespace papyrka
