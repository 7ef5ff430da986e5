#include <gtest/gtest.h>

#include <cmath>

#include "keyframes/KeyFrame.h"

namespace {

const ThreeDView_s someView(1.0, 2.0, 3.0, 40.0, 50.0, 60.0, 7.0);

TEST(KeyFrameTest, ViewsAreEqualOnlyWhenEveryFieldIsExactlyEqual)
{
    EXPECT_EQ(someView, ThreeDView_s(1.0, 2.0, 3.0, 40.0, 50.0, 60.0, 7.0));
    for (int field = 0; field < 7; ++field) {
        double values[7] = {1.0, 2.0, 3.0, 40.0, 50.0, 60.0, 7.0};
        values[field] = std::nextafter(values[field], 1e9);
        const ThreeDView_s other(values[0], values[1], values[2], values[3], values[4], values[5], values[6]);
        EXPECT_NE(someView, other) << "field " << field;
    }
}

TEST(KeyFrameTest, KeyFramesCompareNameCaseFrameCountAndTime)
{
    const KeyFrame_s frame(someView, "Front", 10, 0.5);
    EXPECT_EQ(frame, KeyFrame_s(someView, "Front", 10, 0.5));
    EXPECT_NE(frame, KeyFrame_s(someView, "front", 10, 0.5));
    EXPECT_NE(frame, KeyFrame_s(someView, "Front", 11, 0.5));
    EXPECT_NE(frame, KeyFrame_s(someView, "Front", 10, std::nextafter(0.5, 1.0)));
    EXPECT_NE(frame, KeyFrame_s(someView / 2.0, "Front", 10, 0.5));
}

}  // namespace
