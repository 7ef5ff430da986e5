#include "gui/ListView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZorGUI.h"
#include "gui/LineListModel.h"
#include "support/HostFixture.h"

namespace {

// The host counts list positions from 1, the view from 0.
using Positions = std::vector<int>;

struct RecordingSelectionObserver : ListSelectionModelObserverInterface {
    void selectionChanged(std::vector<int> selectedItems) override { heard.push_back(selectedItems); }
    std::vector<Positions> heard;
};

class ListViewTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        holdLock();
        list = ZorGUIListAdd(scratchDialog(), 0, 0, 50, 50, true, nullptr);
    }

    // After `step` the control shows the model's lines, or its empty-list text
    // greyed out, with the host's positions `selection` selected.
    void expectShows(const char* step, const LineListModel& model, const Positions& selection) const
    {
        SCOPED_TRACE(step);
        const bool empty = model.lines.empty();
        EXPECT_EQ(empty ? std::vector<std::string>{model.getEmptyListText()} : model.lines, control(list).items);
        EXPECT_EQ(!empty, control(list).sensitive);
        EXPECT_EQ(selection, control(list).selection);
    }
    static void select(ListView& view, const Positions& items) { view.getSelectionModel()->setSelectedItems(items); }

    int list = ZOR_NO_CONTROL;
};

// The view is bound to its control after it took the model, as when its
// dialog opens; it is detached while the dialog is closed and the model is
// edited meanwhile.
TEST_F(ListViewTest, EveryChangeReachesTheControlKeepingTheSelectedPositionsAndEverySelectionIsTold)
{
    LineListModel model({"a", "b", "c", "d", "e", "f"});
    ListView view;
    view.setModel(&model);
    view.setControlId(list);
    select(view, {1, 4});
    model.insertItems(6, {"g", "h", "i"});
    expectShows("append at the end", model, {2, 5});
    model.insertItems(2, {"X"});
    expectShows("insert before the end", model, {2, 5});
    model.removeItems(1, 2);
    expectShows("remove two", model, {2, 5});
    model.setItem(4, "changed");
    expectShows("change one", model, {2, 5});
    model.removeItems(2, 6);
    expectShows("remove the selected end", model, {2});
    model.replaceAll({"p", "q", "r"});
    expectShows("reset", model, {2});
    model.removeItems(0, 3);
    expectShows("remove all", model, {});
    model.insertItems(0, {"s", "t"});
    expectShows("fill the empty list", model, {});

    view.detachFromModel();
    model.replaceAll({"u", "v", "w"});
    model.setItem(0, "U");
    expectShows("detached", LineListModel({"s", "t"}), {});
    view.reattachToModel();
    expectShows("reattached", model, {});
    model.setItem(1, "V");
    model.insertItems(3, {"x"});
    model.removeItems(0, 1);
    expectShows("edited after reattaching", model, {});

    // The selection keeps the positions in range and is told to its observers.
    ListSelectionModelInterface& selection = *view.getSelectionModel();
    RecordingSelectionObserver observer;
    selection.addObserver(&observer);
    select(view, {7, 2, -1});
    EXPECT_EQ(Positions{3}, control(list).selection);
    select(view, {2, 0});
    EXPECT_EQ((Positions{1, 3}), control(list).selection);
    EXPECT_EQ(-1, selection.getSelectedItem()) << "two selected";
    select(view, {1});
    EXPECT_EQ(1, selection.getSelectedItem());
    select(view, {});
    EXPECT_EQ(-1, selection.getSelectedItem()) << "none selected";
    model.removeItems(2, 1);
    selection.removeObserver(&observer);
    select(view, {1});
    EXPECT_EQ((std::vector<Positions>{{2}, {0, 2}, {1}, {}, {}}), observer.heard);
}

}  // namespace
