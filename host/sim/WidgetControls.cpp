// The host API side of the widget model for every control but lists:
// labels, text fields, toggles, radio boxes, option menus, tooltips and
// menu bars.
#include <algorithm>
#include <stdexcept>

#include "zorsim/WidgetModel.h"

namespace zorsim {

const char* kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::List:
        return "List";
    case ControlKind::Button:
        return "Button";
    case ControlKind::Label:
        return "Label";
    case ControlKind::Frame:
        return "Frame";
    case ControlKind::TextField:
        return "TextField";
    case ControlKind::SpinTextField:
        return "SpinTextField";
    case ControlKind::Toggle:
        return "Toggle";
    case ControlKind::RadioBox:
        return "RadioBox";
    case ControlKind::OptionMenu:
        return "OptionMenu";
    case ControlKind::MenuBar:
        return "MenuBar";
    case ControlKind::Menu:
        return "Menu";
    case ControlKind::MenuItem:
        return "MenuItem";
    case ControlKind::MenuToggle:
        return "MenuToggle";
    case ControlKind::MenuSeparator:
        return "MenuSeparator";
    }
    return "control";
}

void WidgetModel::setToolTip(int id, const std::string& toolTip)
{
    checkLock("ZorGUISetToolTip");
    auto found = controls_.find(id);
    if (found == controls_.end()) {
        refuse("ZorGUISetToolTip", "no control " + std::to_string(id));
        return;
    }
    found->second.toolTip = toolTip;
    changed(id);
}

void WidgetModel::labelSetText(int labelId, const std::string& text)
{
    if (Control* label = controlFor("ZorGUILabelSetText", labelId, {ControlKind::Label})) {
        label->text = text;
        changed(labelId);
    }
}

void WidgetModel::textFieldSetString(int textFieldId, const std::string& text)
{
    const char* call = "ZorGUITextFieldSetString";
    if (Control* field = controlFor(call, textFieldId, {ControlKind::TextField, ControlKind::SpinTextField})) {
        field->text = text;
        changed(textFieldId);
    }
}

bool WidgetModel::toggleGet(int toggleId)
{
    const Control* toggle = controlFor("ZorGUIToggleGet", toggleId, {ControlKind::Toggle});
    return toggle != nullptr && toggle->on;
}

void WidgetModel::toggleSet(int toggleId, bool isOn)
{
    if (Control* toggle = controlFor("ZorGUIToggleSet", toggleId, {ControlKind::Toggle})) {
        toggle->on = isOn;
        changed(toggleId);
    }
}

int WidgetModel::radioBoxGet(int radioBoxId)
{
    const Control* box = controlFor("ZorGUIRadioBoxGetToggle", radioBoxId, {ControlKind::RadioBox});
    return box == nullptr ? 0 : box->chosen;
}

void WidgetModel::radioBoxSet(int radioBoxId, int position)
{
    const char* call = "ZorGUIRadioBoxSetToggle";
    Control* box = controlFor(call, radioBoxId, {ControlKind::RadioBox});
    if (box == nullptr || !inRange(call, *box, position))
        return;
    box->chosen = position;
    changed(radioBoxId);
}

void WidgetModel::optionMenuDeleteAll(int optionMenuId)
{
    if (Control* menu = controlFor("ZorGUIOptionMenuDeleteAllItems", optionMenuId, {ControlKind::OptionMenu})) {
        menu->items.clear();
        menu->chosen = 0;
        changed(optionMenuId);
    }
}

void WidgetModel::optionMenuAppend(int optionMenuId, const std::string& item)
{
    if (Control* menu = controlFor("ZorGUIOptionMenuAppendItem", optionMenuId, {ControlKind::OptionMenu})) {
        menu->items.push_back(item);
        if (menu->chosen == 0)
            menu->chosen = 1;
        changed(optionMenuId);
    }
}

int WidgetModel::optionMenuGet(int optionMenuId)
{
    const Control* menu = controlFor("ZorGUIOptionMenuGet", optionMenuId, {ControlKind::OptionMenu});
    return menu == nullptr ? 0 : menu->chosen;
}

void WidgetModel::optionMenuSet(int optionMenuId, int position)
{
    const char* call = "ZorGUIOptionMenuSet";
    Control* menu = controlFor(call, optionMenuId, {ControlKind::OptionMenu});
    if (menu == nullptr || !inRange(call, *menu, position))
        return;
    menu->chosen = position;
    changed(optionMenuId);
}

int WidgetModel::menuBarOf(int dialogId)
{
    if (dialogFor("ZorGUIMenuBarAdd", dialogId) == nullptr)
        return ZOR_NO_CONTROL;
    for (const auto& entry : controls_)
        if (entry.second.parent == dialogId && entry.second.kind == ControlKind::MenuBar)
            return entry.first;
    Control bar;
    bar.kind = ControlKind::MenuBar;
    bar.parent = dialogId;
    return addControl(bar);
}

int WidgetModel::addMenuEntry(const Control& entry)
{
    const char* call = entry.kind == ControlKind::Menu            ? "ZorGUIMenuAdd"
                       : entry.kind == ControlKind::MenuToggle    ? "ZorGUIMenuAddToggle"
                       : entry.kind == ControlKind::MenuSeparator ? "ZorGUIMenuAddSeparator"
                                                                  : "ZorGUIMenuAddItem";
    const Control* menu = entry.kind == ControlKind::Menu
                              ? controlFor(call, entry.menu, {ControlKind::MenuBar, ControlKind::Menu})
                              : controlFor(call, entry.menu, {ControlKind::Menu});
    if (menu == nullptr)
        return ZOR_NO_CONTROL;
    Control added = entry;
    added.parent = menu->parent;
    added.id = nextId_++;
    controls_[added.id] = added;
    changed(added.id);
    return added.id;
}

void WidgetModel::menuSetToggle(int toggleId, bool isOn)
{
    if (Control* toggle = controlFor("ZorGUIMenuSetToggle", toggleId, {ControlKind::MenuToggle})) {
        toggle->on = isOn;
        changed(toggleId);
    }
}

}  // namespace zorsim
