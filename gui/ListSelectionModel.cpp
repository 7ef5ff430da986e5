#include "gui/ListSelectionModel.h"

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "addon/AddOnLock.h"
#include "gui/ListView.h"

void ListSelectionModelAbstract::addObserver(ListSelectionModelObserverInterface* observer)
{
    observers.insert(observer);
}

void ListSelectionModelAbstract::removeObserver(ListSelectionModelObserverInterface* observer)
{
    observers.erase(observer);
}

void ListSelectionModelAbstract::notifyObservers()
{
    if (observers.empty())
        return;
    const std::vector<int> selected = getSelectedItems();
    const std::set<ListSelectionModelObserverInterface*> receivers = observers;
    for (ListSelectionModelObserverInterface* observer : receivers)
        if (observers.count(observer) != 0)
            observer->selectionChanged(selected);
}

int ListSelectionModelAbstract::controlId() const
{
    return view->getControlId();
}

std::vector<int> ListSelectionModelAbstract::getSelectedItems() const
{
    AddOnLock lock;
    int* positions = nullptr;
    int count = 0;
    ZorGUIListGetSelectedItems(controlId(), &positions, &count);
    std::vector<int> selected;
    if (positions != nullptr) {
        for (int i = 0; i < count; ++i)
            selected.push_back(positions[i] - 1);
    }
    ZorUtilArrayDealloc(reinterpret_cast<void**>(&positions));
    return selected;
}

int ListSelectionModelAbstract::getSelectedItem() const
{
    const std::vector<int> selected = getSelectedItems();
    return selected.size() == 1 ? selected.front() : -1;
}

std::vector<int> ListSelectionModelAbstract::inRange(const std::vector<int>& items) const
{
    std::vector<int> kept;
    for (int item : items)
        if (item >= 0 && item < ZorGUIListGetItemCount(controlId()))
            kept.push_back(item);
    return kept;
}

ListMultiSelectionModel::~ListMultiSelectionModel() = default;

void ListMultiSelectionModel::setSelectedItems(const std::vector<int>& items)
{
    {
        AddOnLock lock;
        ZorGUIListDeselectAllItems(controlId());
        std::vector<int> positions = inRange(items);
        for (int& position : positions)
            ++position;
        if (!positions.empty())
            ZorGUIListSetSelectedItems(controlId(), positions.data(), static_cast<int>(positions.size()));
    }
    notifyObservers();
}
