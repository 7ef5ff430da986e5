// Dialogs and controls.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "ApiGuard.h"
#include "ZorGUI.h"
#include "ZorUtil.h"

using namespace zorsim;

// ---- Dialogs -------------------------------------------------------------------

int ZorGUIDialogCreateModeless(int parentDialog, int width, int height, const char* title, ZorGUIVoidCallback init,
                               ZorGUIVoidCallback close, ZorGUIVoidCallback help)
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

int ZorGUIDialogCreateModal(int parentDialog, int width, int height, const char* title, ZorGUIVoidCallback init,
                            ZorGUIVoidCallback ok, ZorGUIVoidCallback apply, ZorGUIVoidCallback cancel,
                            ZorGUIVoidCallback help)
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
    return guarded(callText("ZorGUIDialogIsUp", dialogId), false, [&] { return host().widgets.isDialogUp(dialogId); });
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
    return guarded(callText("ZorGUIListGetItemCount", listId), 0, [&] { return host().widgets.listCount(listId); });
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

// ---- Tooltips, buttons, labels, frames ----------------------------------------------

namespace {

// A control of `kind` in `parentDialog` at (x, y) with the size and text given.
Control placed(ControlKind kind, int parentDialog, int x, int y, int width, int height, const char* text)
{
    Control control;
    control.kind = kind;
    control.parent = parentDialog;
    control.x = x;
    control.y = y;
    control.width = width;
    control.height = height;
    control.text = textOrEmpty(text);
    return control;
}

// The labels given, up to the first null one.
std::vector<std::string> labelsUpToNull(std::initializer_list<const char*> labels)
{
    std::vector<std::string> items;
    for (const char* label : labels) {
        if (label == nullptr)
            break;
        items.emplace_back(label);
    }
    return items;
}

// "a,b,c" as its items; an empty text is no item.
std::vector<std::string> commaSeparated(const std::string& text)
{
    std::vector<std::string> items;
    if (text.empty())
        return items;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type comma = text.find(',', start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return items;
        start = comma + 1;
    }
}

}  // namespace

void ZorGUISetToolTip(int controlId, const char* toolTip)
{
    guardedVoid(callText("ZorGUISetToolTip", controlId, textOrEmpty(toolTip)),
                [&] { host().widgets.setToolTip(controlId, textOrEmpty(toolTip)); });
}

int ZorGUIButtonAdd(int parentDialog, int x, int y, int width, int height, const char* label,
                    ZorGUIVoidCallback callback)
{
    return guarded(callText("ZorGUIButtonAdd", parentDialog, textOrEmpty(label)), ZOR_NO_CONTROL, [&] {
        Control button = placed(ControlKind::Button, parentDialog, x, y, width, height, label);
        button.voidCallback = callback;
        return host().widgets.addControl(button);
    });
}

int ZorGUILabelAdd(int parentDialog, int x, int y, const char* text)
{
    return guarded(callText("ZorGUILabelAdd", parentDialog, textOrEmpty(text)), ZOR_NO_CONTROL, [&] {
        return host().widgets.addControl(placed(ControlKind::Label, parentDialog, x, y, 0, 0, text));
    });
}

void ZorGUILabelSetText(int labelId, const char* text)
{
    guardedVoid(callText("ZorGUILabelSetText", labelId, textOrEmpty(text)),
                [&] { host().widgets.labelSetText(labelId, textOrEmpty(text)); });
}

int ZorGUIFrameAdd(int parentDialog, int x, int y, int width, int height, const char* label)
{
    return guarded(callText("ZorGUIFrameAdd", parentDialog, textOrEmpty(label)), ZOR_NO_CONTROL, [&] {
        return host().widgets.addControl(placed(ControlKind::Frame, parentDialog, x, y, width, height, label));
    });
}

// ---- Text fields ------------------------------------------------------------------

int ZorGUITextFieldAdd(int parentDialog, int x, int y, int width, int height, ZorGUITextCallback callback)
{
    return guarded(callText("ZorGUITextFieldAdd", parentDialog), ZOR_NO_CONTROL, [&] {
        Control field = placed(ControlKind::TextField, parentDialog, x, y, width, height, nullptr);
        field.textCallback = callback;
        return host().widgets.addControl(field);
    });
}

int ZorGUISpinTextFieldAdd(int parentDialog, int x, int y, int width, int height, ZorGUITextCallback callback,
                           ZorGUIVoidCallback upCallback, ZorGUIVoidCallback downCallback)
{
    return guarded(callText("ZorGUISpinTextFieldAdd", parentDialog), ZOR_NO_CONTROL, [&] {
        Control field = placed(ControlKind::SpinTextField, parentDialog, x, y, width, height, nullptr);
        field.textCallback = callback;
        field.upCallback = upCallback;
        field.downCallback = downCallback;
        return host().widgets.addControl(field);
    });
}

void ZorGUITextFieldSetString(int textFieldId, const char* text)
{
    guardedVoid(callText("ZorGUITextFieldSetString", textFieldId, textOrEmpty(text)),
                [&] { host().widgets.textFieldSetString(textFieldId, textOrEmpty(text)); });
}

// ---- Toggles and radio boxes ----------------------------------------------------------

int ZorGUIToggleAdd(int parentDialog, int x, int y, int width, int height, const char* label,
                    ZorGUIIntCallback callback)
{
    return guarded(callText("ZorGUIToggleAdd", parentDialog, textOrEmpty(label)), ZOR_NO_CONTROL, [&] {
        Control toggle = placed(ControlKind::Toggle, parentDialog, x, y, width, height, label);
        toggle.intCallback = callback;
        return host().widgets.addControl(toggle);
    });
}

bool ZorGUIToggleGet(int toggleId)
{
    return guarded(callText("ZorGUIToggleGet", toggleId), false, [&] { return host().widgets.toggleGet(toggleId); });
}

void ZorGUIToggleSet(int toggleId, bool isOn)
{
    guardedVoid(callText("ZorGUIToggleSet", toggleId, isOn), [&] { host().widgets.toggleSet(toggleId, isOn); });
}

int ZorGUIRadioBoxAdd(int parentDialog, int x, int y, int width, int height, const char* label1, const char* label2,
                      const char* label3, const char* label4, const char* label5, ZorGUIIntCallback callback)
{
    return guarded(callText("ZorGUIRadioBoxAdd", parentDialog, textOrEmpty(label1)), ZOR_NO_CONTROL, [&] {
        Control box = placed(ControlKind::RadioBox, parentDialog, x, y, width, height, nullptr);
        box.items = labelsUpToNull({label1, label2, label3, label4, label5});
        box.intCallback = callback;
        return host().widgets.addControl(box);
    });
}

int ZorGUIRadioBoxGetToggle(int radioBoxId)
{
    return guarded(callText("ZorGUIRadioBoxGetToggle", radioBoxId), 0,
                   [&] { return host().widgets.radioBoxGet(radioBoxId); });
}

void ZorGUIRadioBoxSetToggle(int radioBoxId, int position)
{
    guardedVoid(callText("ZorGUIRadioBoxSetToggle", radioBoxId, position),
                [&] { host().widgets.radioBoxSet(radioBoxId, position); });
}

// ---- Option menus ---------------------------------------------------------------------

int ZorGUIOptionMenuAdd(int parentDialog, int x, int y, int width, int height, const char* items,
                        ZorGUIIntCallback callback)
{
    return guarded(callText("ZorGUIOptionMenuAdd", parentDialog, textOrEmpty(items)), ZOR_NO_CONTROL, [&] {
        Control menu = placed(ControlKind::OptionMenu, parentDialog, x, y, width, height, nullptr);
        menu.items = commaSeparated(textOrEmpty(items));
        menu.intCallback = callback;
        return host().widgets.addControl(menu);
    });
}

void ZorGUIOptionMenuDeleteAllItems(int optionMenuId)
{
    guardedVoid(callText("ZorGUIOptionMenuDeleteAllItems", optionMenuId),
                [&] { host().widgets.optionMenuDeleteAll(optionMenuId); });
}

void ZorGUIOptionMenuAppendItem(int optionMenuId, const char* item)
{
    guardedVoid(callText("ZorGUIOptionMenuAppendItem", optionMenuId, textOrEmpty(item)),
                [&] { host().widgets.optionMenuAppend(optionMenuId, textOrEmpty(item)); });
}

int ZorGUIOptionMenuGet(int optionMenuId)
{
    return guarded(callText("ZorGUIOptionMenuGet", optionMenuId), 0,
                   [&] { return host().widgets.optionMenuGet(optionMenuId); });
}

void ZorGUIOptionMenuSet(int optionMenuId, int position)
{
    guardedVoid(callText("ZorGUIOptionMenuSet", optionMenuId, position),
                [&] { host().widgets.optionMenuSet(optionMenuId, position); });
}

// ---- Menu bars --------------------------------------------------------------------------

namespace {

Control menuEntry(ControlKind kind, int menuId, const char* label, const char* statusText)
{
    Control entry;
    entry.kind = kind;
    entry.menu = menuId;
    entry.text = textOrEmpty(label);
    entry.statusText = textOrEmpty(statusText);
    return entry;
}

}  // namespace

int ZorGUIMenuBarAdd(int dialogId)
{
    return guarded(callText("ZorGUIMenuBarAdd", dialogId), ZOR_NO_CONTROL,
                   [&] { return host().widgets.menuBarOf(dialogId); });
}

int ZorGUIMenuAdd(int parentMenuId, const char* label)
{
    return guarded(callText("ZorGUIMenuAdd", parentMenuId, textOrEmpty(label)), ZOR_NO_CONTROL, [&] {
        return host().widgets.addMenuEntry(menuEntry(ControlKind::Menu, parentMenuId, label, nullptr));
    });
}

int ZorGUIMenuAddItem(int menuId, const char* label, const char* statusText, ZorGUIVoidCallback callback)
{
    return guarded(callText("ZorGUIMenuAddItem", menuId, textOrEmpty(label)), ZOR_NO_CONTROL, [&] {
        Control item = menuEntry(ControlKind::MenuItem, menuId, label, statusText);
        item.voidCallback = callback;
        return host().widgets.addMenuEntry(item);
    });
}

int ZorGUIMenuAddToggle(int menuId, const char* label, const char* statusText, ZorGUIIntCallback callback)
{
    return guarded(callText("ZorGUIMenuAddToggle", menuId, textOrEmpty(label)), ZOR_NO_CONTROL, [&] {
        Control toggle = menuEntry(ControlKind::MenuToggle, menuId, label, statusText);
        toggle.intCallback = callback;
        return host().widgets.addMenuEntry(toggle);
    });
}

void ZorGUIMenuAddSeparator(int menuId)
{
    guardedVoid(callText("ZorGUIMenuAddSeparator", menuId),
                [&] { host().widgets.addMenuEntry(menuEntry(ControlKind::MenuSeparator, menuId, nullptr, nullptr)); });
}

void ZorGUIMenuSetToggle(int toggleId, bool isOn)
{
    guardedVoid(callText("ZorGUIMenuSetToggle", toggleId, isOn), [&] { host().widgets.menuSetToggle(toggleId, isOn); });
}
