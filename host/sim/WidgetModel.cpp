#include "zorsim/WidgetModel.h"

#include <algorithm>
#include <stdexcept>

#include "zorsim/LockModel.h"

namespace zorsim {

namespace {

void run(ZorGUIVoidCallback callback)
{
    if (callback != nullptr)
        callback();
}

}  // namespace

void WidgetModel::refuse(const char* call, const std::string& reason)
{
    refused_.push_back(std::string(call) + ": " + reason);
}

void WidgetModel::checkLock(const char* call)
{
    if (!lock_.isHeld())
        unlocked_.push_back(call);
}

void WidgetModel::changed(int id)
{
    // A copy: an observer may remove itself while it hears the change.
    const std::set<WidgetObserver*> observers = observers_;
    for (WidgetObserver* observer : observers)
        observer->widgetChanged(id);
}

Dialog* WidgetModel::dialogFor(const char* call, int dialogId)
{
    checkLock(call);
    auto found = dialogs_.find(dialogId);
    if (found == dialogs_.end()) {
        refuse(call, "no dialog " + std::to_string(dialogId));
        return nullptr;
    }
    return &found->second;
}

Control* WidgetModel::listFor(const char* call, int listId)
{
    return controlFor(call, listId, {ControlKind::List});
}

Control* WidgetModel::controlFor(const char* call, int id, std::initializer_list<ControlKind> kinds)
{
    checkLock(call);
    auto found = controls_.find(id);
    if (found == controls_.end()) {
        refuse(call, "no control " + std::to_string(id));
        return nullptr;
    }
    if (std::find(kinds.begin(), kinds.end(), found->second.kind) == kinds.end()) {
        refuse(call, "control " + std::to_string(id) + " is a " + kindName(found->second.kind));
        return nullptr;
    }
    return &found->second;
}

bool WidgetModel::inRange(const char* call, const Control& list, int position)
{
    if (position >= 1 && position <= static_cast<int>(list.items.size()))
        return true;
    refuse(call, "no position " + std::to_string(position) + " in control " + std::to_string(list.id));
    return false;
}

int WidgetModel::createDialog(const Dialog& dialog)
{
    checkLock("create dialog");
    if (dialog.parent != ZOR_MAIN_WINDOW && dialogs_.count(dialog.parent) == 0) {
        refuse("create dialog", "no parent dialog " + std::to_string(dialog.parent));
        return ZOR_NO_CONTROL;
    }
    Dialog created = dialog;
    created.id = nextId_++;
    created.up = false;
    dialogs_[created.id] = created;
    changed(created.id);
    return created.id;
}

void WidgetModel::launchDialog(int dialogId)
{
    Dialog* dialog = dialogFor("ZorGUIDialogLaunch", dialogId);
    if (dialog == nullptr)
        return;
    dialog->up = true;
    launchOrder_.erase(std::remove(launchOrder_.begin(), launchOrder_.end(), dialogId), launchOrder_.end());
    launchOrder_.push_back(dialogId);
    changed(dialogId);
    run(dialog->callbacks.init);
}

void WidgetModel::dropDialog(int dialogId)
{
    Dialog* dialog = dialogFor("ZorGUIDialogDrop", dialogId);
    if (dialog == nullptr)
        return;
    dialog->up = false;
    launchOrder_.erase(std::remove(launchOrder_.begin(), launchOrder_.end(), dialogId), launchOrder_.end());
    changed(dialogId);
}

bool WidgetModel::isDialogUp(int dialogId)
{
    // Asking about a dialog not yet created is a fair question: no.
    checkLock("ZorGUIDialogIsUp");
    auto found = dialogs_.find(dialogId);
    return found != dialogs_.end() && found->second.up;
}

void WidgetModel::setSensitivity(int id, bool isSensitive)
{
    checkLock("ZorGUISetSensitivity");
    auto found = controls_.find(id);
    if (found == controls_.end()) {
        refuse("ZorGUISetSensitivity", "no control " + std::to_string(id));
        return;
    }
    found->second.sensitive = isSensitive;
    changed(id);
}

int WidgetModel::addControl(const Control& control)
{
    if (dialogFor("add control", control.parent) == nullptr)
        return ZOR_NO_CONTROL;
    Control added = control;
    added.id = nextId_++;
    if ((added.kind == ControlKind::RadioBox || added.kind == ControlKind::OptionMenu) && !added.items.empty())
        added.chosen = 1;
    controls_[added.id] = added;
    changed(added.id);
    return added.id;
}

void WidgetModel::listAppend(int listId, const std::string& text)
{
    if (Control* list = listFor("ZorGUIListAppendItem", listId)) {
        list->items.push_back(text);
        changed(listId);
    }
}

void WidgetModel::listReplace(int listId, const std::string& text, int position)
{
    Control* list = listFor("ZorGUIListReplaceItem", listId);
    if (list == nullptr || !inRange("ZorGUIListReplaceItem", *list, position))
        return;
    list->items[static_cast<std::size_t>(position - 1)] = text;
    changed(listId);
}

void WidgetModel::listDeleteAt(int listId, int position)
{
    Control* list = listFor("ZorGUIListDeleteItemAtPos", listId);
    if (list == nullptr || !inRange("ZorGUIListDeleteItemAtPos", *list, position))
        return;
    list->items.erase(list->items.begin() + (position - 1));
    // The lines below move up one place and stay selected.
    std::vector<int> kept;
    for (int selected : list->selection) {
        if (selected < position)
            kept.push_back(selected);
        else if (selected > position)
            kept.push_back(selected - 1);
    }
    list->selection = kept;
    changed(listId);
}

void WidgetModel::listDeleteAll(int listId)
{
    if (Control* list = listFor("ZorGUIListDeleteAllItems", listId)) {
        list->items.clear();
        list->selection.clear();
        list->anchor = 0;
        changed(listId);
    }
}

int WidgetModel::listCount(int listId)
{
    const Control* list = listFor("ZorGUIListGetItemCount", listId);
    return list == nullptr ? 0 : static_cast<int>(list->items.size());
}

std::vector<int> WidgetModel::listSelection(int listId)
{
    const Control* list = listFor("ZorGUIListGetSelectedItems", listId);
    return list == nullptr ? std::vector<int>() : list->selection;
}

void WidgetModel::listSelect(int listId, int position)
{
    Control* list = listFor("ZorGUIListSetSelectedItem", listId);
    if (list == nullptr || !inRange("ZorGUIListSetSelectedItem", *list, position))
        return;
    list->selection = {position};
    list->anchor = position;
    changed(listId);
}

void WidgetModel::listSelectMany(int listId, std::vector<int> positions)
{
    const char* call = "ZorGUIListSetSelectedItems";
    Control* list = listFor(call, listId);
    if (list == nullptr)
        return;
    for (int position : positions)
        if (!inRange(call, *list, position))
            return;
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    if (!list->multiSelection && positions.size() > 1) {
        refuse(call, "several positions for the single-selection list " + std::to_string(listId));
        return;
    }
    list->selection = positions;
    list->anchor = positions.empty() ? 0 : positions.front();
    changed(listId);
}

void WidgetModel::listDeselectAll(int listId)
{
    if (Control* list = listFor("ZorGUIListDeselectAllItems", listId)) {
        list->selection.clear();
        changed(listId);
    }
}

const Dialog& WidgetModel::dialog(int dialogId) const
{
    return dialogs_.at(dialogId);
}

const Control& WidgetModel::control(int controlId) const
{
    return controls_.at(controlId);
}

std::vector<int> WidgetModel::controlsOf(int dialogId, ControlKind kind) const
{
    std::vector<int> ids;
    for (const auto& entry : controls_)
        if (entry.second.parent == dialogId && entry.second.kind == kind)
            ids.push_back(entry.first);
    return ids;
}

std::vector<int> WidgetModel::dialogsTitled(const std::string& title) const
{
    std::vector<int> ids;
    for (const auto& entry : dialogs_)
        if (entry.second.title == title)
            ids.push_back(entry.first);
    return ids;
}

Control& WidgetModel::clickable(int listId, int position)
{
    Control& list = usable(listId, {ControlKind::List});
    if (position < 1 || position > static_cast<int>(list.items.size()))
        throw std::logic_error("list " + std::to_string(listId) + " has no line " + std::to_string(position));
    return list;
}

void WidgetModel::clickListItem(int listId, int position)
{
    Control& list = clickable(listId, position);
    list.selection = {position};
    list.anchor = position;
    changed(listId);
    if (list.intCallback != nullptr)
        list.intCallback(&position);
}

void WidgetModel::shiftClickListItem(int listId, int position)
{
    Control& list = clickable(listId, position);
    if (!list.multiSelection || list.anchor < 1 || list.anchor > static_cast<int>(list.items.size())) {
        clickListItem(listId, position);
        return;
    }
    list.selection.clear();
    for (int line = std::min(list.anchor, position); line <= std::max(list.anchor, position); ++line)
        list.selection.push_back(line);
    changed(listId);
    if (list.intCallback != nullptr)
        list.intCallback(&position);
}

void WidgetModel::ctrlClickListItem(int listId, int position)
{
    Control& list = clickable(listId, position);
    if (!list.multiSelection) {
        clickListItem(listId, position);
        return;
    }
    auto found = std::lower_bound(list.selection.begin(), list.selection.end(), position);
    if (found != list.selection.end() && *found == position)
        list.selection.erase(found);
    else
        list.selection.insert(found, position);
    list.anchor = position;
    changed(listId);
    if (list.intCallback != nullptr)
        list.intCallback(&position);
}

}  // namespace zorsim
