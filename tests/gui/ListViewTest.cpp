#include "gui/ListView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZorGUI.h"
#include "addon/AddOnLock.h"
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
        const int dialog = scratchDialog();
        AddOnLock lock;
        multiList = ZorGUIListAdd(dialog, 0, 0, 50, 50, true, nullptr);
        singleList = ZorGUIListAdd(dialog, 0, 50, 50, 50, false, nullptr);
    }

    // The control shows the model's lines, or its empty-list text greyed out.
    static void expectShows(int id, const LineListModel& model)
    {
        const bool empty = model.lines.empty();
        EXPECT_EQ(empty ? std::vector<std::string>{model.getEmptyListText()} : model.lines, control(id).items);
        EXPECT_EQ(!empty, control(id).sensitive);
    }
    static void select(ListView& view, const Positions& items) { view.getSelectionModel()->setSelectedItems(items); }

    int multiList = ZOR_NO_CONTROL;
    int singleList = ZOR_NO_CONTROL;
};

TEST_F(ListViewTest, EveryKindOfChangeShowsTheModelsLinesAndKeepsTheSelectedPositions)
{
    LineListModel model({"a", "b", "c", "d", "e", "f"});
    ListView view(multiList, true);
    view.setModel(&model);
    select(view, {1, 4});
    const auto shown = [&model, this](const char* step, const Positions& hostSelection) {
        SCOPED_TRACE(step);
        expectShows(multiList, model);
        EXPECT_EQ(hostSelection, control(multiList).selection);
    };
    model.insertItems(6, {"g", "h", "i"});
    shown("append at the end", {2, 5});
    model.insertItems(0, {"X"});
    shown("insert at the front", {2, 5});
    model.insertItems(3, {"Y", "Z"});
    shown("insert in the middle", {2, 5});
    model.removeItems(1, 2);
    shown("remove two", {2, 5});
    model.setItem(4, "changed");
    shown("change one", {2, 5});
    model.removeItems(2, 7);
    shown("remove the selected end", {2});
    model.replaceAll({"p", "q", "r"});
    shown("reset", {2});
    model.removeItems(0, 3);
    shown("remove all", {});
    model.insertItems(0, {"s", "t"});
    shown("fill the empty list", {});
}

TEST_F(ListViewTest, SelectionModelsDropPositionsOutOfRangeAndTellTheirObserversEverySelection)
{
    LineListModel model({"a", "b", "c"});
    ListView multi(multiList, true);
    ListView single(singleList, false);
    multi.setModel(&model);
    single.setModel(&model);
    ListSelectionModelInterface& selection = *multi.getSelectionModel();
    RecordingSelectionObserver observer;
    selection.addObserver(&observer);
    select(multi, {7, 2, -1});
    EXPECT_EQ(Positions{3}, control(multiList).selection);
    select(multi, {2, 0});
    EXPECT_EQ((Positions{1, 3}), control(multiList).selection);
    select(single, {2, 0});
    EXPECT_EQ(Positions{3}, control(singleList).selection);
    select(single, {-3, 5});
    EXPECT_TRUE(control(singleList).selection.empty());

    EXPECT_EQ(-1, selection.getSelectedItem()) << "two selected";
    select(multi, {1});
    EXPECT_EQ(1, selection.getSelectedItem());
    select(multi, {});
    EXPECT_EQ(-1, selection.getSelectedItem()) << "none selected";
    model.removeItems(2, 1);
    selection.removeObserver(&observer);
    select(multi, {1});
    EXPECT_EQ((std::vector<Positions>{{2}, {0, 2}, {1}, {}, {}}), observer.heard);
}

// A dialog closes (its view detaches), the list is edited, the dialog
// reopens (the view reattaches) and the list is edited again.
TEST_F(ListViewTest, EditsAfterReopeningReachTheControl)
{
    LineListModel model({"a", "b"});
    ListView view(true);
    view.setModel(&model);
    view.setControlId(multiList);
    view.reattachToModel();

    view.detachFromModel();
    model.replaceAll({"p", "q", "r"});
    model.setItem(0, "P");
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), control(multiList).items);

    view.reattachToModel();
    expectShows(multiList, model);
    model.setItem(1, "Q");
    model.insertItems(3, {"s"});
    model.removeItems(0, 1);
    expectShows(multiList, model);
}

}  // namespace
