#include "gui/ListView.h"

#include <algorithm>
#include <stdexcept>

#include "ZorGUI.h"
#include "addon/AddOnLock.h"

ListView::ListView(int id) : controlId(id), selectionModel(std::make_unique<ListMultiSelectionModel>(this)) {}

ListView::ListView() : ListView(ZOR_NO_CONTROL) {}

ListView::~ListView()
{
    releaseModel();
}

void ListView::setModel(ListModelGenericInterface* newModel)
{
    if (newModel == nullptr)
        throw std::invalid_argument("a list view needs a model");
    if (newModel == model)
        return;
    releaseModel();
    model = newModel;
    // A detached view starts observing when it is reattached.
    if (!detached)
        model->addObserver(this);
    rebuild();
}

void ListView::releaseModel()
{
    if (model == nullptr)
        return;
    model->removeObserver(this);
    model = nullptr;
}

void ListView::setControlId(int id)
{
    if (id == controlId)
        return;
    controlId = id;
    rebuild();
}

void ListView::detachFromModel()
{
    if (model != nullptr)
        model->removeObserver(this);
    detached = true;
}

void ListView::reattachToModel()
{
    if (detached && model != nullptr)
        model->addObserver(this);
    detached = false;
    rebuild();
}

void ListView::showEmptyState()
{
    AddOnLock lock;
    ZorGUIListDeleteAllItems(controlId);
    ZorGUIListAppendItem(controlId, model->getEmptyListText().c_str());
    ZorGUISetSensitivity(controlId, false);
}

void ListView::rebuild()
{
    if (controlId == ZOR_NO_CONTROL || model == nullptr || detached)
        return;
    AddOnLock lock;
    if (model->getCount() == 0) {
        showEmptyState();
        return;
    }
    ZorGUISetSensitivity(controlId, true);
    const std::vector<int> selected = selectionModel->getSelectedItems();
    ZorGUIListDeleteAllItems(controlId);
    for (unsigned index = 0; index < model->getCount(); ++index)
        ZorGUIListAppendItem(controlId, model->getDisplayString(index).c_str());
    selectionModel->setSelectedItems(selected);
}

void ListView::modelChanged(const ListModelChange_s& change)
{
    if (controlId == ZOR_NO_CONTROL)
        return;
    switch (change.type) {
    case Inserted:
        itemsInserted(change.indices);
        break;
    case Removed:
        itemsRemoved(change.indices);
        break;
    case Changed:
        itemsChanged(change.indices);
        break;
    case Reset:
        rebuild();
        break;
    }
}

void ListView::itemsInserted(const std::vector<unsigned>& indices)
{
    AddOnLock lock;
    // The control showed the empty-list text: it needs the items and its
    // sensitivity back.
    if (indices.size() == model->getCount()) {
        rebuild();
        return;
    }
    const unsigned linesShown = static_cast<unsigned>(std::max(0, ZorGUIListGetItemCount(controlId)));
    const bool appendedAtEnd =
        std::all_of(indices.begin(), indices.end(), [&](unsigned index) { return index >= linesShown; });
    if (!appendedAtEnd) {
        rebuild();
        return;
    }
    for (unsigned index : indices)
        ZorGUIListAppendItem(controlId, model->getDisplayString(index).c_str());
}

void ListView::itemsRemoved(const std::vector<unsigned>& indices)
{
    if (model->getCount() == 0) {
        showEmptyState();
        return;
    }
    const std::vector<int> selected = selectionModel->getSelectedItems();
    std::vector<unsigned> highestFirst = indices;
    std::sort(highestFirst.rbegin(), highestFirst.rend());
    {
        AddOnLock lock;
        for (unsigned index : highestFirst)
            ZorGUIListDeleteItemAtPos(controlId, static_cast<int>(index) + 1);
    }
    selectionModel->setSelectedItems(selected);
}

void ListView::itemsChanged(const std::vector<unsigned>& indices)
{
    AddOnLock lock;
    const std::vector<int> selected = selectionModel->getSelectedItems();
    for (unsigned index : indices)
        ZorGUIListReplaceItem(controlId, model->getDisplayString(index).c_str(), static_cast<int>(index) + 1);
    selectionModel->setSelectedItems(selected);
}
