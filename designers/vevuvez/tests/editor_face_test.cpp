#include "designers/vevuvez/editor_face.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "designers/vevuvez/record_layout.h"

namespace papyrka::vevuvez {
namespace {

TEST(VevuvezEditorFace, OneBoxPerFieldInsideTheWindowAndTabRunsFromTheIdentifierDownTheCard) {
    const EditorFace& face = VevuvezEditorFace();
    const RecordLayout& record = VevuvezRecordLayout();
    EXPECT_EQ(face.programName, u"Vevuvez");
    const std::string_view tabOrder[] = {"txtName",  "txtPhone1",  "txtFax",  "txtCompany", "txtPhone2",
                                         "txtEmail", "txtAddress", "txtMemo", "txt1",       "txt2",
                                         "txt3",     "txt4",       "txt5"};
    ASSERT_EQ(face.boxes.size(), std::size(tabOrder));
    ASSERT_EQ(record.fields.size(), std::size(tabOrder));
    const TextBoxSpec* previous = nullptr;
    for (int tab = 1; tab <= static_cast<int>(std::size(tabOrder)); ++tab) {
        const TextBoxSpec* box = nullptr;
        for (size_t i = 0; i < face.boxes.size(); ++i)
            if (face.boxes[i].tabOrder == tab) box = &face.boxes[i];
        ASSERT_NE(box, nullptr) << tab;
        EXPECT_EQ(box->control, tabOrder[tab - 1]);
        EXPECT_EQ(box->control, record.fields[static_cast<size_t>(box - face.boxes.data())].control);
        const TwipsRect& r = box->rect;
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right() <= 6000 && r.bottom() <= 6000) << box->control;
        EXPECT_EQ(box->multiLine, box->control == "txtPhone2" || box->control == "txtEmail") << box->control;
        // Down the card: within the centred lines and within each column, top to bottom.
        if (previous && previous->rect.left == box->rect.left) {
            EXPECT_GT(box->rect.top, previous->rect.top) << box->control;
        }
        previous = box;
    }
}

}  // namespace
}  // namespace papyrka::vevuvez
