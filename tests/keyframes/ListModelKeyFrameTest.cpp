#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "keyframes/ListModelKeyFrame.h"
#include "support/HostFixture.h"

namespace {

using ::testing::ElementsAre;
using Change = std::pair<ListModelChangeType_e, std::vector<unsigned>>;

KeyFrame_s keyFrame(const std::string& name)
{
    return KeyFrame_s(ThreeDView_s(1, 2, 3, 4, 5, 6, 7), name, 10, 0.0);
}

class ListModelKeyFrameTest : public HostFixture, public ListModelObserverInterface {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        model.setKeyFrames(initial);
        model.addObserver(this);
    }
    void modelChanged(const ListModelChange_s& change) override { changes.emplace_back(change.type, change.indices); }

    const std::vector<KeyFrame_s> initial{keyFrame("p"), keyFrame("q"), keyFrame("r")};
    std::vector<Change> changes;
    ListModelKeyFrame model;
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
    EXPECT_THAT(model.getKeyFrames(), ElementsAre(KeyFrame_s(ThreeDView_s(9, 9, 9, 9, 9, 9, 9), "renamed", 50, 2.5),
                                                  keyFrame("p"), keyFrame("end"), keyFrame("end2")));
    model.setKeyFrames({});
    EXPECT_THAT(changes, ElementsAre(Change{Inserted, {3}}, Change{Inserted, {4}}, Change{Inserted, {0, 1}},
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
    EXPECT_EQ(initial, model.getKeyFrames());
    EXPECT_TRUE(changes.empty());
}

}  // namespace
