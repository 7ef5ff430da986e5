#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "gui/ListView.h"
#include "keyframes/ListModelKeyFrame.h"
#include "support/HostFixture.h"

static bool operator==(const ListModelChange_s& a, const ListModelChange_s& b)
{
    return a.type == b.type && a.indices == b.indices;
}

namespace {

struct RecordingObserver : ListModelObserverInterface {
    void modelChanged(const ListModelChange_s& change) override { changes.push_back(change); }
    std::vector<ListModelChange_s> changes;
};

KeyFrame_s keyFrame(const std::string& name)
{
    return KeyFrame_s(ThreeDView_s(1, 2, 3, 4, 5, 6, 7), name, 10, 0.0);
}

std::vector<KeyFrame_s> keyFrames(const std::vector<std::string>& names)
{
    std::vector<KeyFrame_s> frames;
    for (const std::string& name : names)
        frames.push_back(keyFrame(name));
    return frames;
}

class ListModelKeyFrameTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
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

TEST_F(ListModelKeyFrameTest, InsertionsReportThePositionsTheyFill)
{
    model.setKeyFrames(keyFrames({"p", "q", "r"}));
    observer.changes.clear();
    model.insertItem(model.getInvalidIndex(), keyFrame("end"));
    model.insertItem(model.getCount(), keyFrame("end2"));
    model.insertItem(0, keyFrame("front"));
    model.insertItems(2, keyFrames({"a", "b"}));
    model.insertItems(1, {});
    EXPECT_EQ((std::vector<std::string>{"front", "p", "a", "b", "q", "r", "end", "end2"}), names());
    const std::vector<ListModelChange_s> expected = {
        {Inserted, {3}}, {Inserted, {4}}, {Inserted, {0}}, {Inserted, {2, 3}}, {Inserted, {}}};
    EXPECT_EQ(expected, observer.changes);
}

TEST_F(ListModelKeyFrameTest, OnlyShownFieldsAnnounceChanges)
{
    model.setKeyFrames(keyFrames({"a", "b", "c"}));
    observer.changes.clear();
    model.setName(2, "renamed");
    model.setFrameCount(2, 50);
    host().frames.addFrame();
    host().dataSet.setSolutionTime(2.5);
    model.updateView(2, ThreeDView_s(9, 9, 9, 9, 9, 9, 9));
    model.setItem(1, keyFrame("whole"));
    EXPECT_EQ((std::vector<ListModelChange_s>{{Changed, {2}}, {Changed, {1}}}), observer.changes);
    EXPECT_EQ("renamed", model.getName(2));
    EXPECT_EQ(50u, model.getFrameCount(2));
    EXPECT_EQ(ThreeDView_s(9, 9, 9, 9, 9, 9, 9), model.getItem(2).view);
    EXPECT_EQ(2.5, model.getItem(2).solutionTime);
}

TEST_F(ListModelKeyFrameTest, RemovalsAndResetsAreAnnounced)
{
    model.setKeyFrames(keyFrames({"k0", "k1", "k2", "k3", "k4"}));
    model.removeItems(1, 2);
    EXPECT_EQ((std::vector<std::string>{"k0", "k3", "k4"}), names());
    model.removeItem(2);
    model.setKeyFrames({});
    EXPECT_EQ(0u, model.getCount());
    const std::vector<ListModelChange_s> expected = {{Reset, {}}, {Removed, {1, 2}}, {Removed, {2}}, {Reset, {}}};
    EXPECT_EQ(expected, observer.changes);
}

TEST_F(ListModelKeyFrameTest, PositionsPastTheEndAreRefusedAndChangeNothing)
{
    model.setKeyFrames(keyFrames({"a", "b", "c", "d", "e"}));
    observer.changes.clear();
    EXPECT_THROW_MSG(model.getName(5), std::out_of_range, "invalid vector<T> subscript");
    EXPECT_THROW_MSG(model.setName(5, "x"), std::out_of_range, "invalid vector<T> subscript");
    EXPECT_THROW_MSG(model.updateView(5, ThreeDView_s()), std::out_of_range, "invalid vector<T> subscript");
    EXPECT_THROW_MSG(model.removeItems(4, 2), std::out_of_range, "invalid vector<T> subscript");
    EXPECT_THROW_MSG(model.insertItem(7, keyFrame("x")), std::out_of_range, "invalid vector<T> subscript");
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "d", "e"}), names());
    EXPECT_TRUE(observer.changes.empty());
}

TEST_F(ListModelKeyFrameTest, AViewOfTheEmptyModelShowsItsTextGreyedOut)
{
    ZorUtilLockStart(1);
    const int dialog = ZorGUIDialogCreateModeless(ZOR_MAIN_WINDOW, 10, 10, "Key frames", nullptr, nullptr, nullptr);
    const int list = ZorGUIListAdd(dialog, 0, 0, 10, 10, true, nullptr);
    ZorUtilLockFinish(1);
    ListView view(list, true);
    view.setModel(&model);
    EXPECT_EQ(std::vector<std::string>{"No Key Frames established."}, host().widgets.control(list).items);
    EXPECT_FALSE(host().widgets.control(list).sensitive);
    model.insertItem(0, keyFrame("first"));
    EXPECT_EQ(std::vector<std::string>{"first"}, host().widgets.control(list).items);
    EXPECT_TRUE(host().widgets.control(list).sensitive);
}

}  // namespace
