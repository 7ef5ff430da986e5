// The control face of the widget model: the user's actions and what a user
// would see. Actions the user could not take throw std::logic_error, so a
// test that clicks where nothing is shown fails at once.
#include <algorithm>
#include <stdexcept>

#include "zorsim/WidgetModel.h"

namespace zorsim {

namespace {

void run(ZorGUIVoidCallback callback)
{
    if (callback != nullptr)
        callback();
}

std::logic_error cannot(const std::string& what)
{
    return std::logic_error("the user cannot " + what);
}

}  // namespace

int WidgetModel::controlWithText(int dialogId, const std::string& text) const
{
    for (const auto& entry : controls_) {
        const Control& control = entry.second;
        if (control.parent != dialogId)
            continue;
        if (control.text == text || std::find(control.items.begin(), control.items.end(), text) != control.items.end())
            return entry.first;
    }
    throw std::out_of_range("no control with the text \"" + text + "\" in dialog " + std::to_string(dialogId));
}

int WidgetModel::menuEntry(int menuId, const std::string& label) const
{
    for (const auto& entry : controls_)
        if (entry.second.menu == menuId && entry.second.text == label)
            return entry.first;
    throw std::out_of_range("no entry \"" + label + "\" in menu " + std::to_string(menuId));
}

std::vector<int> WidgetModel::dialogsUp() const
{
    return launchOrder_;
}

Dialog& WidgetModel::usableDialog(int dialogId)
{
    auto found = dialogs_.find(dialogId);
    if (found == dialogs_.end())
        throw cannot("reach dialog " + std::to_string(dialogId) + ", which does not exist");
    if (!found->second.up)
        throw cannot("reach dialog " + std::to_string(dialogId) + ", which is not up");
    for (auto later = std::find(launchOrder_.begin(), launchOrder_.end(), dialogId); later != launchOrder_.end();
         ++later)
        if (*later != dialogId && dialogs_.at(*later).modal)
            throw cannot("reach dialog " + std::to_string(dialogId) + " behind the modal dialog " +
                         std::to_string(*later));
    return found->second;
}

Control& WidgetModel::usable(int controlId, std::initializer_list<ControlKind> kinds)
{
    auto found = controls_.find(controlId);
    if (found == controls_.end())
        throw cannot("reach control " + std::to_string(controlId) + ", which does not exist");
    Control& control = found->second;
    if (std::find(kinds.begin(), kinds.end(), control.kind) == kinds.end())
        throw cannot("use control " + std::to_string(controlId) + " that way: it is a " + kindName(control.kind));
    usableDialog(control.parent);
    if (!control.sensitive)
        throw cannot("use control " + std::to_string(controlId) + ", which is insensitive");
    for (int menu = control.menu; menu != ZOR_NO_CONTROL; menu = controls_.at(menu).menu)
        if (!controls_.at(menu).sensitive)
            throw cannot("open menu " + std::to_string(menu) + ", which is insensitive");
    return control;
}

void WidgetModel::closeDialog(int dialogId)
{
    Dialog& closing = usableDialog(dialogId);
    if (closing.modal)
        throw cannot("close the modal dialog " + std::to_string(dialogId) + " but by its buttons");
    closing.up = false;
    launchOrder_.erase(std::remove(launchOrder_.begin(), launchOrder_.end(), dialogId), launchOrder_.end());
    changed(dialogId);
    run(closing.callbacks.close);
}

void WidgetModel::pressDialogButton(int dialogId, ZorGUIVoidCallback DialogCallbacks::*button, const char* name)
{
    const Dialog& pressed = usableDialog(dialogId);
    const ZorGUIVoidCallback callback = pressed.callbacks.*button;
    if (callback == nullptr)
        throw cannot(std::string("press ") + name + " in dialog " + std::to_string(dialogId) + ", which has none");
    callback();
}

void WidgetModel::pressOk(int dialogId)
{
    pressDialogButton(dialogId, &DialogCallbacks::ok, "OK");
}

void WidgetModel::pressApply(int dialogId)
{
    pressDialogButton(dialogId, &DialogCallbacks::apply, "Apply");
}

void WidgetModel::pressCancel(int dialogId)
{
    pressDialogButton(dialogId, &DialogCallbacks::cancel, "Cancel");
}

void WidgetModel::pressHelp(int dialogId)
{
    pressDialogButton(dialogId, &DialogCallbacks::help, "Help");
}

void WidgetModel::pressButton(int buttonId)
{
    run(usable(buttonId, {ControlKind::Button}).voidCallback);
}

int WidgetModel::typeText(int textFieldId, const std::string& text)
{
    Control& field = usable(textFieldId, {ControlKind::TextField, ControlKind::SpinTextField});
    const std::string before = field.text;
    field.text = text;
    changed(textFieldId);
    if (field.textCallback == nullptr)
        return 1;
    const int answer = field.textCallback(text.c_str());
    if (answer == 0) {
        controls_.at(textFieldId).text = before;
        changed(textFieldId);
    }
    return answer;
}

void WidgetModel::spinUp(int spinFieldId)
{
    run(usable(spinFieldId, {ControlKind::SpinTextField}).upCallback);
}

void WidgetModel::spinDown(int spinFieldId)
{
    run(usable(spinFieldId, {ControlKind::SpinTextField}).downCallback);
}

void WidgetModel::clickToggle(int toggleId)
{
    Control& toggle = usable(toggleId, {ControlKind::Toggle});
    toggle.on = !toggle.on;
    int value = toggle.on ? 1 : 0;
    changed(toggleId);
    if (toggle.intCallback != nullptr)
        toggle.intCallback(&value);
}

void WidgetModel::choose(int controlId, int position)
{
    Control& chooser = usable(controlId, {ControlKind::OptionMenu, ControlKind::RadioBox});
    if (position < 1 || position > static_cast<int>(chooser.items.size()))
        throw cannot("choose position " + std::to_string(position) + " of control " + std::to_string(controlId));
    chooser.chosen = position;
    changed(controlId);
    if (chooser.intCallback != nullptr)
        chooser.intCallback(&position);
}

void WidgetModel::pickMenuEntry(int entryId)
{
    Control& entry = usable(entryId, {ControlKind::MenuItem, ControlKind::MenuToggle});
    if (entry.kind == ControlKind::MenuItem) {
        run(entry.voidCallback);
        return;
    }
    entry.on = !entry.on;
    int value = entry.on ? 1 : 0;
    changed(entryId);
    if (entry.intCallback != nullptr)
        entry.intCallback(&value);
}

}  // namespace zorsim
