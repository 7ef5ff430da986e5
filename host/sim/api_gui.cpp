// Dialogs and controls.
#include <algorithm>
#include <vector>

#include "ApiGuard.h"
#include "ZorGUI.h"
#include "ZorUtil.h"

using namespace zorsim;

// ---- Dialogs -------------------------------------------------------------------

int ZorGUIDialogCreateModeless(int parentDialog, int width, int height, const char* title,
                               ZorGUIVoidCallback init, ZorGUIVoidCallback close, ZorGUIVoidCallback help)
{
    return guarded(callText("ZorGUIDialogCreateModeless", textOrEmpty(title)), ZOR_NO_CONTROL, [&] {
        Dialog dialog;
        dialog.parent = parentDialog;
        dialog.width = width;
        dialog.height = height;
        dialog.title = textOrEmpty(title);
        dialog.callbacks.init = init;
        dialog.callbacks.close = close;
        dialog.callbacks.help = help;
        return host().widgets.createDialog(dialog);
    });
}

int ZorGUIDialogCreateModal(int parentDialog, int width, int height, const char* title,
                            ZorGUIVoidCallback init, ZorGUIVoidCallback ok, ZorGUIVoidCallback apply,
                            ZorGUIVoidCallback cancel, ZorGUIVoidCallback help)
{
    return guarded(callText("ZorGUIDialogCreateModal", textOrEmpty(title)), ZOR_NO_CONTROL, [&] {
        Dialog dialog;
        dialog.parent = parentDialog;
        dialog.width = width;
        dialog.height = height;
        dialog.title = textOrEmpty(title);
        dialog.modal = true;
        dialog.callbacks.init = init;
        dialog.callbacks.ok = ok;
        dialog.callbacks.apply = apply;
        dialog.callbacks.cancel = cancel;
        dialog.callbacks.help = help;
        return host().widgets.createDialog(dialog);
    });
}

void ZorGUIDialogLaunch(int dialogId)
{
    guardedVoid(callText("ZorGUIDialogLaunch", dialogId), [&] { host().widgets.launchDialog(dialogId); });
}

void ZorGUIDialogDrop(int dialogId)
{
    guardedVoid(callText("ZorGUIDialogDrop", dialogId), [&] { host().widgets.dropDialog(dialogId); });
}

bool ZorGUIDialogIsUp(int dialogId)
{
    return guarded(callText("ZorGUIDialogIsUp", dialogId), false,
                   [&] { return host().widgets.isDialogUp(dialogId); });
}

// ---- Controls common to all kinds ------------------------------------------------------

void ZorGUISetSensitivity(int controlId, bool isSensitive)
{
    guardedVoid(callText("ZorGUISetSensitivity", controlId, isSensitive),
                [&] { host().widgets.setSensitivity(controlId, isSensitive); });
}

// ---- Lists ---------------------------------------------------------------------------

int ZorGUIListAdd(int parentDialog, int x, int y, int width, int height, bool isMultiSelection,
                  ZorGUIIntCallback callback)
{
    return guarded(callText("ZorGUIListAdd", parentDialog, isMultiSelection), ZOR_NO_CONTROL, [&] {
        Control list;
        list.kind = ControlKind::List;
        list.parent = parentDialog;
        list.x = x;
        list.y = y;
        list.width = width;
        list.height = height;
        list.multiSelection = isMultiSelection;
        list.intCallback = callback;
        return host().widgets.addControl(list);
    });
}

void ZorGUIListAppendItem(int listId, const char* text)
{
    guardedVoid(callText("ZorGUIListAppendItem", listId, textOrEmpty(text)),
                [&] { host().widgets.listAppend(listId, textOrEmpty(text)); });
}

void ZorGUIListReplaceItem(int listId, const char* text, int position)
{
    guardedVoid(callText("ZorGUIListReplaceItem", listId, textOrEmpty(text), position),
                [&] { host().widgets.listReplace(listId, textOrEmpty(text), position); });
}

void ZorGUIListDeleteItemAtPos(int listId, int position)
{
    guardedVoid(callText("ZorGUIListDeleteItemAtPos", listId, position),
                [&] { host().widgets.listDeleteAt(listId, position); });
}

void ZorGUIListDeleteAllItems(int listId)
{
    guardedVoid(callText("ZorGUIListDeleteAllItems", listId), [&] { host().widgets.listDeleteAll(listId); });
}

int ZorGUIListGetItemCount(int listId)
{
    return guarded(callText("ZorGUIListGetItemCount", listId), 0,
                   [&] { return host().widgets.listCount(listId); });
}

void ZorGUIListGetSelectedItems(int listId, int** selectedItems, int* count)
{
    guardedVoid(callText("ZorGUIListGetSelectedItems", listId), [&] {
        if (selectedItems == nullptr || count == nullptr)
            return;
        *selectedItems = nullptr;
        *count = 0;
        const std::vector<int> selection = host().widgets.listSelection(listId);
        if (selection.empty())
            return;
        auto* array = static_cast<int*>(host().memory.allocArray(selection.size() * sizeof(int)));
        if (array == nullptr)
            return;
        std::copy(selection.begin(), selection.end(), array);
        *selectedItems = array;
        *count = static_cast<int>(selection.size());
    });
}

void ZorGUIListSetSelectedItem(int listId, int position)
{
    guardedVoid(callText("ZorGUIListSetSelectedItem", listId, position),
                [&] { host().widgets.listSelect(listId, position); });
}

void ZorGUIListSetSelectedItems(int listId, const int* positions, int count)
{
    guardedVoid(callText("ZorGUIListSetSelectedItems", listId, count), [&] {
        if (count < 0 || (count > 0 && positions == nullptr)) {
            host().widgets.refuse("ZorGUIListSetSelectedItems", "no positions given");
            return;
        }
        host().widgets.listSelectMany(listId, std::vector<int>(positions, positions + count));
    });
}

void ZorGUIListDeselectAllItems(int listId)
{
    guardedVoid(callText("ZorGUIListDeselectAllItems", listId), [&] { host().widgets.listDeselectAll(listId); });
}
