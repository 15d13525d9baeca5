#include "designer/print_choice.h"

namespace papyrka {

PrintPlan PrintChoicePlan(const PrintChoice& choice) {
    PrintPlan plan;
    for (int line = 0; line < choice.lines; ++line)
        plan.push_back(BoxFill{std::string(kPrintChoiceCopyRule[line].box), kPrintChoiceCopyRule[line].control});
    return plan;
}

}  // namespace papyrka
