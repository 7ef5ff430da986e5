#include "gui/ListModelAbstract.h"

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

TEST(ListModelAbstractTest, EveryObserverHearsEveryChangeMadeWhileItListensInOrderAndOnce)
{
    LineListModel model({"a", "b"});
    model.setItem(0, "a");  // no one hears it
    RecordingObserver first;
    RecordingObserver second;
    for (RecordingObserver* observer : {&first, &first, &second})
        model.addObserver(observer);
    model.insertItems(2, {"c", "d"});
    model.setItem(0, "A");
    model.removeItems(1, 2);
    model.replaceAll({"x"});
    const std::vector<ListModelChange_s> expected = {
        {Inserted, {2, 3}}, {Changed, {0}}, {Removed, {1, 2}}, {Reset, {}}};
    EXPECT_EQ(expected, first.changes);
    for (RecordingObserver* observer : {&first, &first, &second, &second})
        model.removeObserver(observer);

    // The list of a closed dialog has no observer; edits made meanwhile end
    // in a reset nobody hears. Once the dialog reopens, every edit arrives.
    model.replaceAll({"p", "q"});
    EXPECT_EQ(expected, second.changes);
    first.changes.clear();
    model.addObserver(&first);
    model.setItem(1, "Q");
    EXPECT_EQ((std::vector<ListModelChange_s>{{Changed, {1}}}), first.changes);
    model.removeObserver(&first);
}

}  // namespace
