#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "gui/LineListModel.h"
#include "gui/ListView.h"
#include "support/HostFixture.h"

namespace {

struct RecordingSelectionObserver : ListSelectionModelObserverInterface {
    void selectionChanged(std::vector<int> selectedItems) override { heard.push_back(selectedItems); }
    std::vector<std::vector<int>> heard;
};

class ListViewTest : public HostFixture {
protected:
    ListViewTest() : HostFixture(HostLogging::On) {}

    void SetUp() override
    {
        HostFixture::SetUp();
        ZorUtilLockStart(1);
        const int dialog = ZorGUIDialogCreateModeless(ZOR_MAIN_WINDOW, 100, 100, "Lists", nullptr, nullptr, nullptr);
        multiList = ZorGUIListAdd(dialog, 0, 0, 50, 50, true, nullptr);
        singleList = ZorGUIListAdd(dialog, 0, 50, 50, 50, false, nullptr);
        ZorUtilLockFinish(1);
    }

    static const zorsim::Control& control(int id) { return host().widgets.control(id); }
    // The host's selection, counted from 0.
    static std::vector<int> hostSelection(int id)
    {
        std::vector<int> selected;
        for (int position : control(id).selection)
            selected.push_back(position - 1);
        return selected;
    }
    static void expectShowsModel(int id, const LineListModel& model)
    {
        if (model.lines.empty()) {
            EXPECT_EQ(std::vector<std::string>{model.getEmptyListText()}, control(id).items);
            EXPECT_FALSE(control(id).sensitive);
            return;
        }
        EXPECT_EQ(model.lines, control(id).items);
        EXPECT_TRUE(control(id).sensitive);
    }
    static void select(ListView& view, std::vector<int> items) { view.getSelectionModel()->setSelectedItems(items); }

    int multiList = ZOR_NO_CONTROL;
    int singleList = ZOR_NO_CONTROL;
};

TEST_F(ListViewTest, EveryKindOfChangeLeavesTheModelsLinesAndTheExpectedSelection)
{
    LineListModel model({"a", "b", "c", "d", "e", "f"});
    ListView view(multiList, true);
    view.setModel(&model);
    select(view, {1, 4});
    const struct {
        const char* step;
        void (*edit)(LineListModel&);
        std::vector<int> selection;
        bool rebuilds;
    } steps[] = {
        {"append at the end",
         [](LineListModel& m) {
             m.insertItems(6, {"g", "h", "i"});
         },
         {1, 4},
         false},
        {"insert at the front", [](LineListModel& m) { m.insertItems(0, {"X"}); }, {1, 4}, true},
        {"insert in the middle",
         [](LineListModel& m) {
             m.insertItems(3, {"Y", "Z"});
         },
         {1, 4},
         true},
        {"remove two", [](LineListModel& m) { m.removeItems(1, 2); }, {1, 4}, false},
        {"change one", [](LineListModel& m) { m.setItem(4, "changed"); }, {1, 4}, false},
        {"remove the selected end", [](LineListModel& m) { m.removeItems(2, 7); }, {1}, false},
        {"reset",
         [](LineListModel& m) {
             m.replaceAll({"p", "q", "r"});
         },
         {1},
         true},
        {"remove all", [](LineListModel& m) { m.removeItems(0, 3); }, {}, false},
        {"fill the empty list",
         [](LineListModel& m) {
             m.insertItems(0, {"s", "t"});
         },
         {},
         true},
    };
    for (const auto& each : steps) {
        SCOPED_TRACE(each.step);
        host().calls.clear();
        each.edit(model);
        expectShowsModel(multiList, model);
        EXPECT_EQ(each.selection, hostSelection(multiList));
        const bool rebuilt = host().calls.count("ZorGUIListDeleteAllItems") > 0 && !model.lines.empty();
        EXPECT_EQ(each.rebuilds, rebuilt);

        // What the incremental path shows is what a rebuild shows.
        LineListModel copy(model.lines);
        ListView fresh(singleList, false);
        fresh.setModel(&copy);
        EXPECT_EQ(control(singleList).items, control(multiList).items);
    }
}

TEST_F(ListViewTest, SelectionModelsFilterPositionsOutOfRange)
{
    LineListModel model({"a", "b", "c"});
    ListView multi(multiList, true);
    ListView single(singleList, false);
    multi.setModel(&model);
    single.setModel(&model);
    select(multi, {7, 2, -1});
    EXPECT_EQ((std::vector<int>{2}), hostSelection(multiList));
    select(multi, {2, 0});
    EXPECT_EQ((std::vector<int>{0, 2}), hostSelection(multiList));
    select(single, {2, 0});
    EXPECT_EQ((std::vector<int>{2}), hostSelection(singleList));
    select(single, {-3, 5});
    EXPECT_TRUE(hostSelection(singleList).empty());

    ListSelectionModelInterface& selection = *multi.getSelectionModel();
    EXPECT_EQ(-1, selection.getSelectedItem());  // two selected
    selection.setSelectedItem(1);
    EXPECT_EQ(1, selection.getSelectedItem());
    selection.setSelectedItem(3);
    EXPECT_EQ(-1, selection.getSelectedItem());  // none selected
    EXPECT_TRUE(hostSelection(multiList).empty());
}

TEST_F(ListViewTest, SelectionObserversHearEverySelectionSet)
{
    LineListModel model({"a", "b", "c"});
    ListView view(multiList, true);
    view.setModel(&model);
    RecordingSelectionObserver observer;
    view.getSelectionModel()->addObserver(&observer);
    select(view, {0, 2});
    view.getSelectionModel()->setSelectedItem(9);
    model.removeItems(2, 1);  // position 2 is gone
    view.getSelectionModel()->removeObserver(&observer);
    select(view, {1});
    EXPECT_EQ((std::vector<std::vector<int>>{{0, 2}, {}, {}}), observer.heard);
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
    expectShowsModel(multiList, model);
    model.setItem(1, "Q");
    model.insertItems(3, {"s"});
    model.removeItems(0, 1);
    expectShowsModel(multiList, model);
}

TEST_F(ListViewTest, OwnedModelsDieWithTheView)
{
    struct CountedModel : LineListModel {
        explicit CountedModel(int& counter) : deaths(counter) {}
        ~CountedModel() override { ++deaths; }
        int& deaths;
    };
    int deaths = 0;
    LineListModel kept({"k"});
    {
        ListView view(multiList, true);
        view.setOwnedModel(new CountedModel(deaths));
        view.setModel(&kept);
        EXPECT_EQ(1, deaths);
        expectShowsModel(multiList, kept);
        view.setOwnedModel(new CountedModel(deaths));
    }
    EXPECT_EQ(2, deaths);
    kept.setItem(0, "after the view");  // the view no longer observes it
}

}  // namespace
