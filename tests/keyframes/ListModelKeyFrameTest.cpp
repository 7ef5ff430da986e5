#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "keyframes/ListModelKeyFrame.h"
#include "support/HostFixture.h"

static bool operator==(const ListModelChange_s& a, const ListModelChange_s& b)
{
    return a.type == b.type && a.indices == b.indices;
}

namespace {

using ::testing::ElementsAre;
using Change = ListModelChange_s;

struct RecordingObserver : ListModelObserverInterface {
    void modelChanged(const ListModelChange_s& change) override { changes.push_back(change); }
    std::vector<ListModelChange_s> changes;
};

KeyFrame_s keyFrame(const std::string& name)
{
    return KeyFrame_s(ThreeDView_s(1, 2, 3, 4, 5, 6, 7), name, 10, 0.0);
}

class ListModelKeyFrameTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        model.setKeyFrames({keyFrame("p"), keyFrame("q"), keyFrame("r")});
        model.addObserver(&observer);
    }
    void TearDown() override
    {
        model.removeObserver(&observer);
        HostFixture::TearDown();
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> shown;
        for (unsigned i = 0; i < model.getCount(); ++i)
            shown.push_back(model.getDisplayString(i));
        return shown;
    }

    ListModelKeyFrame model;
    RecordingObserver observer;
};

// What the list shows (names, positions) is announced with the positions it
// touched; frame counts, views and solution times are not shown.
TEST_F(ListModelKeyFrameTest, EditsAnnounceThePositionsOfWhatTheListShows)
{
    model.insertItem(model.getInvalidIndex(), keyFrame("end"));
    model.insertItem(model.getCount(), keyFrame("end2"));
    model.insertItems(0, {keyFrame("a"), keyFrame("b")});
    model.removeItems(3, 2);
    model.setName(1, "renamed");
    model.setItem(0, keyFrame("whole"));
    model.setFrameCount(1, 50);
    host().frames.addFrame();
    host().dataSet.setSolutionTime(2.5);
    model.updateView(1, ThreeDView_s(9, 9, 9, 9, 9, 9, 9));
    model.removeItem(0);
    EXPECT_THAT(names(), ElementsAre("renamed", "p", "end", "end2"));
    EXPECT_EQ(50u, model.getFrameCount(0));
    EXPECT_EQ(ThreeDView_s(9, 9, 9, 9, 9, 9, 9), model.getItem(0).view);
    EXPECT_EQ(2.5, model.getItem(0).solutionTime);
    model.setKeyFrames({});
    EXPECT_THAT(observer.changes, ElementsAre(Change{Inserted, {3}}, Change{Inserted, {4}}, Change{Inserted, {0, 1}},
                                              Change{Removed, {3, 4}}, Change{Changed, {1}}, Change{Changed, {0}},
                                              Change{Removed, {0}}, Change{Reset, {}}));
}

TEST_F(ListModelKeyFrameTest, PositionsPastTheEndAreRefusedAndChangeNothing)
{
    const std::function<void()> refused[] = {
        [&] { model.getItem(3); },        [&] { model.setItem(3, keyFrame("x")); },
        [&] { model.setName(3, "x"); },   [&] { model.updateView(3, ThreeDView_s()); },
        [&] { model.removeItems(2, 2); }, [&] { model.insertItem(5, keyFrame("x")); },
    };
    for (const auto& refusal : refused)
        EXPECT_THROW_MSG(refusal(), std::out_of_range, "invalid vector<T> subscript");
    EXPECT_THAT(names(), ElementsAre("p", "q", "r"));
    EXPECT_TRUE(observer.changes.empty());
}

}  // namespace
