#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/LineListModel.h"

static bool operator==(const ListModelChange_s& a, const ListModelChange_s& b)
{
    return a.type == b.type && a.indices == b.indices;
}

namespace {

struct RecordingObserver : ListModelObserverInterface {
    void modelChanged(const ListModelChange_s& change) override { changes.push_back(change); }
    std::vector<ListModelChange_s> changes;
};

TEST(ListModelAbstractTest, ObserversAreCountedOnceWithTheirHooks)
{
    LineListModel model;
    RecordingObserver first;
    RecordingObserver second;
    model.addObserver(&first);
    model.addObserver(&first);
    model.addObserver(&second);
    EXPECT_EQ(1, model.firstObserverHooks);
    model.removeObserver(&first);
    model.removeObserver(&first);  // not observing any more: no hook
    EXPECT_EQ(0, model.lastObserverHooks);
    model.removeObserver(&second);
    model.removeObserver(&second);
    EXPECT_EQ(1, model.lastObserverHooks);
}

TEST(ListModelAbstractTest, EveryObserverHearsEveryChangeInOrder)
{
    LineListModel model({"a", "b"});
    RecordingObserver first;
    RecordingObserver second;
    model.addObserver(&first);
    model.addObserver(&second);
    model.insertItems(2, {"c", "d"});
    model.setItem(0, "A");
    model.removeItems(1, 2);
    model.replaceAll({"x"});
    const std::vector<ListModelChange_s> expected = {
        {Inserted, {2, 3}}, {Changed, {0}}, {Removed, {1, 2}}, {Reset, {}}};
    EXPECT_EQ(expected, first.changes);
    EXPECT_EQ(expected, second.changes);
    // The reset hook runs before a reset is delivered.
    EXPECT_EQ(2, model.firstObserverHooks);
}

TEST(ListModelAbstractTest, ChangesWithoutObserversAreDropped)
{
    LineListModel model({"a"});
    model.setItem(0, "b");
    model.replaceAll({"c"});  // no one hears the reset
    RecordingObserver observer;
    model.addObserver(&observer);
    EXPECT_TRUE(observer.changes.empty());
}

// The list of a closed dialog is detached; edits made meanwhile end in a
// reset nobody hears. Once the dialog reopens, every edit must arrive.
TEST(ListModelAbstractTest, AResetNobodyHeardDoesNotSilenceLaterEdits)
{
    LineListModel model({"a", "b"});
    RecordingObserver view;
    model.addObserver(&view);
    model.removeObserver(&view);  // closed
    model.replaceAll({"p", "q"});
    model.setItem(0, "P");
    model.addObserver(&view);  // reopened
    model.setItem(1, "Q");
    model.insertItems(2, {"r"});
    const std::vector<ListModelChange_s> expected = {{Changed, {1}}, {Inserted, {2}}};
    EXPECT_EQ(expected, view.changes);
}

}  // namespace
