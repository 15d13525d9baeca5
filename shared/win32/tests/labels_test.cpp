#include "labels.h"

#include <gtest/gtest.h>

namespace papyrka::win {
namespace {

const DeviceMapping k96{96, 96, 0, 0};

LabelSet ButtonRow() {
    LabelSet labels;
    labels.Add({"Label10", u"Vytvoriť", {1080, 1440, 735, 255}, kPink, Align::Left, true});
    labels.Add({"Label11", u"Vymazať", {2040, 1440, 735, 255}, kPink, Align::Left, true});
    labels.Add({"Label19", u"Koniec", {240, 5520, 5535, 255}, kYellow, Align::Centre, true});
    return labels;
}

TEST(LabelSet, HitTestUsesTheTwipsRectangleAtTheWindowsResolution) {
    const LabelSet labels = ButtonRow();
    EXPECT_EQ(labels.HitTest({72, 96}, k96), 0);     // 1080/15, 1440/15: the corner belongs to it
    EXPECT_EQ(labels.HitTest({120, 112}, k96), 0);   // last pixel inside
    EXPECT_EQ(labels.HitTest({121, 96}, k96), -1);   // right edge is outside
    EXPECT_EQ(labels.HitTest({71, 96}, k96), -1);
    EXPECT_EQ(labels.HitTest({200, 370}, k96), 2);
    EXPECT_EQ(labels.Find("Label19"), 2);
    EXPECT_EQ(labels.Find("Label99"), -1);

    const DeviceMapping k144{144, 144, 0, 0};
    EXPECT_EQ(labels.HitTest({108, 144}, k144), 0);
    EXPECT_EQ(labels.HitTest({181, 144}, k144), 0);   // 1815 twips is 181.5 pixels, rounded up
    EXPECT_EQ(labels.HitTest({182, 144}, k144), -1);
}

TEST(LabelSet, LaterLabelsLieOnTop) {
    LabelSet labels;
    labels.Add({"Under", u"", {0, 0, 1500, 1500}});
    labels.Add({"Over", u"", {300, 300, 300, 300}});
    EXPECT_EQ(labels.HitTest({25, 25}, k96), 1);
    EXPECT_EQ(labels.HitTest({5, 5}, k96), 0);
}

TEST(LabelSet, ClickNeedsPressAndReleaseOnTheSameLabel) {
    LabelSet labels = ButtonRow();
    labels.Press(1);
    EXPECT_EQ(labels.Release(1), 1);
    EXPECT_EQ(labels.Release(1), -1) << "a release without a press is no click";
    labels.Press(0);
    EXPECT_EQ(labels.Release(1), -1) << "dragging onto another label cancels";
    labels.Press(0);
    EXPECT_EQ(labels.Release(-1), -1);
}

TEST(LabelSet, ColourAndCaptionChangesReportWhetherAnythingChanged) {
    LabelSet labels = ButtonRow();
    EXPECT_FALSE(labels.SetColour(nullptr, k96, 0, kPink));
    EXPECT_TRUE(labels.SetColour(nullptr, k96, 0, kGreen));
    EXPECT_EQ(labels[0].colour, kGreen);
    EXPECT_FALSE(labels.SetColour(nullptr, k96, 7, kGreen)) << "unknown index is ignored";
    EXPECT_TRUE(labels.SetCaption(nullptr, k96, 2, u"Record 1 of 1"));
    EXPECT_FALSE(labels.SetCaption(nullptr, k96, 2, u"Record 1 of 1"));
}

}  // namespace
}  // namespace papyrka::win
