#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../editor_face.h"
#include "../record_layout.h"

namespace papyrka::davavazo {
namespace {

TEST(DavavazoEditorFace, OneColumnOfBoxesInFieldOrder) {
    const EditorFace& face = DavavazoEditorFace();
    const RecordLayout& layout = DavavazoRecordLayout();
    struct Expected {
        const char* control;
        int top, height, tabOrder;
        bool multiLine;
    };
    const Expected expected[] = {
        {"txtName", 1800, 285, 1, false},   {"txtCompany", 2880, 285, 4, false}, {"txtPhone1", 2160, 285, 2, false},
        {"txtPhone2", 3240, 285, 5, false}, {"txtFax", 2520, 285, 3, false},     {"txtEmail", 3600, 285, 6, false},
        {"txtAddress", 3960, 525, 7, true}, {"txtMemo", 4560, 525, 8, true},
    };
    ASSERT_EQ(face.boxes.size(), std::size(expected));
    ASSERT_EQ(layout.fields.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const TextBoxSpec& box = face.boxes[i];
        SCOPED_TRACE(expected[i].control);
        EXPECT_EQ(box.control, expected[i].control);
        EXPECT_EQ(layout.fields[i].control, expected[i].control);
        EXPECT_EQ(box.rect.left, 2040);
        EXPECT_EQ(box.rect.width, 3015);
        EXPECT_EQ(box.rect.top, expected[i].top);
        EXPECT_EQ(box.rect.height, expected[i].height);
        EXPECT_EQ(box.tabOrder, expected[i].tabOrder);
        EXPECT_EQ(box.multiLine, expected[i].multiLine);
        EXPECT_EQ(box.scrollBar, expected[i].multiLine);
        EXPECT_TRUE(box.visible);
    }
}

TEST(DavavazoEditorFace, TabOrderRunsDownTheScreen) {
    std::vector<TextBoxSpec> boxes = DavavazoEditorFace().boxes;
    std::sort(boxes.begin(), boxes.end(), [](const TextBoxSpec& a, const TextBoxSpec& b) { return a.tabOrder < b.tabOrder; });
    for (size_t i = 1; i < boxes.size(); ++i) EXPECT_GT(boxes[i].rect.top, boxes[i - 1].rect.top);
}

TEST(DavavazoEditorFace, EachBoxHasItsCaptionOnItsTopEndingLeftOfIt) {
    const EditorFace& face = DavavazoEditorFace();
    const RecordLayout& layout = DavavazoRecordLayout();
    ASSERT_EQ(face.captions.size(), face.boxes.size());
    for (size_t field = 0; field < face.boxes.size(); ++field) {
        const auto caption = std::find_if(face.captions.begin(), face.captions.end(),
                                          [&](const CaptionSpec& c) { return c.text == layout.fields[field].caption; });
        ASSERT_NE(caption, face.captions.end()) << face.boxes[field].control;
        EXPECT_EQ(caption->rect.top, face.boxes[field].rect.top);
        EXPECT_EQ(caption->rect.right(), 1920);
        EXPECT_EQ(caption->align, Align::Right);
    }
}

TEST(DavavazoEditorFace, TitleAndArrows) {
    const EditorFace& face = DavavazoEditorFace();
    EXPECT_EQ(face.programName, u"Davavazo");
    EXPECT_EQ(face.titleRect.left, 5160);
    EXPECT_EQ(face.titleRect.right(), 5895);
    EXPECT_EQ(face.image1.left, 5160);
    EXPECT_EQ(face.image1.top, 1680);
    EXPECT_EQ(face.image2.top, 2280);
}

}  // namespace
}  // namespace papyrka::davavazo
