#include "../editor_face.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../record_layout.h"

namespace papyrka::vevuvez {
namespace {

TEST(VevuvezEditorFace, OneBoxPerFieldInFieldOrderInsideTheWindow) {
    const EditorFace& face = VevuvezEditorFace();
    const RecordLayout& record = VevuvezRecordLayout();
    EXPECT_EQ(face.programName, u"Vevuvez");
    ASSERT_EQ(face.boxes.size(), record.fields.size());
    for (size_t i = 0; i < face.boxes.size(); ++i) {
        const TextBoxSpec& box = face.boxes[i];
        EXPECT_EQ(box.control, record.fields[i].control);
        EXPECT_TRUE(box.rect.left >= 0 && box.rect.top >= 0 && box.rect.right() <= 6000 && box.rect.bottom() <= 6000)
            << box.control;
        EXPECT_EQ(box.multiLine, box.control == "txtPhone2" || box.control == "txtEmail") << box.control;
    }
}

TEST(VevuvezEditorFace, TabRunsFromTheIdentifierDownTheCard) {
    std::vector<TextBoxSpec> boxes = VevuvezEditorFace().boxes;
    std::sort(boxes.begin(), boxes.end(), [](const auto& a, const auto& b) { return a.tabOrder < b.tabOrder; });
    std::vector<std::string_view> order;
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].tabOrder, static_cast<int>(i) + 1);
        order.push_back(boxes[i].control);
    }
    const std::vector<std::string_view> expected{"txtName", "txtPhone1", "txtFax",  "txtCompany", "txtPhone2",
                                                 "txtEmail", "txtAddress", "txtMemo", "txt1",     "txt2",
                                                 "txt3",     "txt4",       "txt5"};
    EXPECT_EQ(order, expected);
    // Down the card: within the centred lines and within each column, tab order is top to bottom.
    for (size_t i = 1; i < boxes.size(); ++i) {
        if (boxes[i].rect.left == boxes[i - 1].rect.left) {
            EXPECT_GT(boxes[i].rect.top, boxes[i - 1].rect.top) << order[i];
        }
    }
}

}  // namespace
}  // namespace papyrka::vevuvez
