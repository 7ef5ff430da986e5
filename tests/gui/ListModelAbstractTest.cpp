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

TEST(ListModelAbstractTest, EveryObserverHearsEveryChangeInOrderAndIsCountedOnce)
{
    LineListModel model({"a", "b"});
    model.setItem(0, "a");  // no one hears it
    RecordingObserver first;
    RecordingObserver second;
    model.addObserver(&first);
    model.addObserver(&first);
    model.addObserver(&second);
    EXPECT_EQ(1, model.firstObserverHooks);
    model.insertItems(2, {"c", "d"});
    model.setItem(0, "A");
    model.removeItems(1, 2);
    model.replaceAll({"x"});
    const std::vector<ListModelChange_s> expected = {
        {Inserted, {2, 3}}, {Changed, {0}}, {Removed, {1, 2}}, {Reset, {}}};
    EXPECT_EQ(expected, first.changes);
    EXPECT_EQ(expected, second.changes);
    EXPECT_EQ(2, model.firstObserverHooks) << "the hook runs again before a reset is delivered";
    for (RecordingObserver* observer : {&first, &first, &second, &second})
        model.removeObserver(observer);
    EXPECT_EQ(1, model.lastObserverHooks);
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
