// The host's dialogs and controls as a plain, observable model.
//
// Every dialog and control has an id from one counter (never reused while
// the host runs), a kind, a parent dialog, its place and size in dialog
// units, a text, items, a selection and a sensitivity. The host API
// (api_gui.cpp) creates and changes them; the control face lets a test or a
// front end act as the user (clickListItem, ...) and read what a user would
// see. A call the host would refuse (an unknown id, the wrong kind of
// control, a position out of range) changes nothing and is counted in
// refusedCalls(), so a test can assert that the add-on made none.
//
// List, option menu and radio box positions count from 1, as in the host
// API; 0 means nothing is chosen. While a modal dialog is up the user can act
// only in the modal dialog launched last.
#ifndef ZORSIM_WIDGET_MODEL_H
#define ZORSIM_WIDGET_MODEL_H

#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ZorTypes.h"

namespace zorsim {

class LockModel;

enum class ControlKind {
    List,
    Button,
    Label,
    Frame,
    TextField,
    SpinTextField,
    Toggle,
    RadioBox,
    OptionMenu,
    MenuBar,
    Menu,
    MenuItem,
    MenuToggle,
    MenuSeparator,
};

// "Button", "Label", ... for messages.
const char* kindName(ControlKind kind);

struct DialogCallbacks {
    ZorGUIVoidCallback init = nullptr;
    ZorGUIVoidCallback ok = nullptr;
    ZorGUIVoidCallback apply = nullptr;
    ZorGUIVoidCallback cancel = nullptr;
    ZorGUIVoidCallback help = nullptr;
    ZorGUIVoidCallback close = nullptr;
};

struct Dialog {
    int id = ZOR_NO_CONTROL;
    int parent = ZOR_MAIN_WINDOW;
    int width = 0;
    int height = 0;
    std::string title;
    bool modal = false;
    bool up = false;
    DialogCallbacks callbacks;
};

struct Control {
    int id = ZOR_NO_CONTROL;
    ControlKind kind = ControlKind::List;
    int parent = ZOR_NO_CONTROL;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string text;
    bool sensitive = true;
    std::string toolTip;
    // Menu items and toggles: the text shown in the status line.
    std::string statusText;
    // Menus and their entries: the menu bar or menu they belong to
    // (ZOR_NO_CONTROL for a menu bar); `parent` is always the dialog.
    int menu = ZOR_NO_CONTROL;
    // Lists, option menus and radio boxes: the lines or items shown.
    std::vector<std::string> items;
    // Lists: the selected positions, ascending.
    std::vector<int> selection;
    bool multiSelection = false;
    // Where a shift-click extends the selection from.
    int anchor = 0;
    // Option menus and radio boxes: the chosen position, 0 for none.
    int chosen = 0;
    // Toggles and menu toggles.
    bool on = false;
    // Buttons and menu items.
    ZorGUIVoidCallback voidCallback = nullptr;
    // Lists, option menus, radio boxes (the chosen position), toggles and
    // menu toggles (1 on, 0 off).
    ZorGUIIntCallback intCallback = nullptr;
    // Text fields: the typed text; returns 1 to accept it.
    ZorGUITextCallback textCallback = nullptr;
    // Spin text fields: the arrows.
    ZorGUIVoidCallback upCallback = nullptr;
    ZorGUIVoidCallback downCallback = nullptr;
};

// Hears every change of a dialog or control; `id` names it.
class WidgetObserver {
public:
    virtual ~WidgetObserver() = default;
    virtual void widgetChanged(int id) = 0;
};

class WidgetModel {
public:
    explicit WidgetModel(const LockModel& lock) : lock_(lock) {}

    // ---- Host API ---------------------------------------------------------
    int createDialog(const Dialog& dialog);
    // Shows the dialog and runs its init callback (again at each launch).
    void launchDialog(int dialogId);
    void dropDialog(int dialogId);
    // False for an id that names no dialog (not a refusal).
    bool isDialogUp(int dialogId);
    void setSensitivity(int id, bool isSensitive);
    void setToolTip(int id, const std::string& toolTip);

    // A control of `control.kind` in dialog `control.parent`; its id, or
    // ZOR_NO_CONTROL (refused) when the parent is not a dialog. A radio box
    // or an option menu with items starts with position 1 chosen.
    int addControl(const Control& control);

    void labelSetText(int labelId, const std::string& text);
    // Text fields and spin text fields.
    void textFieldSetString(int textFieldId, const std::string& text);
    bool toggleGet(int toggleId);
    void toggleSet(int toggleId, bool isOn);
    int radioBoxGet(int radioBoxId);
    void radioBoxSet(int radioBoxId, int position);
    // After the items are deleted nothing is chosen; the first item appended
    // to a menu without a choice is chosen.
    void optionMenuDeleteAll(int optionMenuId);
    void optionMenuAppend(int optionMenuId, const std::string& item);
    int optionMenuGet(int optionMenuId);
    void optionMenuSet(int optionMenuId, int position);

    // The menu bar of a dialog, created on the first call.
    int menuBarOf(int dialogId);
    // A menu, menu item, toggle or separator in the menu bar or menu
    // `entry.menu`; its id, or ZOR_NO_CONTROL (refused) when that is no
    // menu bar or menu (entries other than menus go into menus only).
    int addMenuEntry(const Control& entry);
    void menuSetToggle(int toggleId, bool isOn);

    void listAppend(int listId, const std::string& text);
    void listReplace(int listId, const std::string& text, int position);
    void listDeleteAt(int listId, int position);
    void listDeleteAll(int listId);
    int listCount(int listId);
    std::vector<int> listSelection(int listId);
    void listSelect(int listId, int position);
    // Refused when a position is out of range, or when a single-selection
    // list is given more than one.
    void listSelectMany(int listId, std::vector<int> positions);
    void listDeselectAll(int listId);

    // ---- Control face -------------------------------------------------------
    // Both throw std::out_of_range for an unknown id.
    const Dialog& dialog(int dialogId) const;
    const Control& control(int controlId) const;
    // The controls of `kind` in a dialog, in the order they were added.
    std::vector<int> controlsOf(int dialogId, ControlKind kind) const;
    // Ids of the dialogs with this title, in the order they were created.
    std::vector<int> dialogsTitled(const std::string& title) const;
    // The first control of a dialog whose text, or one of whose items, is
    // `text`; throws std::out_of_range when there is none.
    int controlWithText(int dialogId, const std::string& text) const;
    // The menu entry labelled `label` in the menu (or menu bar) `menuId`;
    // throws std::out_of_range when there is none.
    int menuEntry(int menuId, const std::string& label) const;
    // The dialogs that are up, in the order they were launched.
    std::vector<int> dialogsUp() const;

    // Every user action below throws std::logic_error when the user could
    // not do it: the dialog is down or behind a modal dialog, the control is
    // insensitive or of another kind, the position is not shown, or the
    // dialog has no such button.

    // The user closes a modeless dialog: its close callback runs.
    void closeDialog(int dialogId);
    // The buttons of a modal dialog (and help of a modeless one).
    void pressOk(int dialogId);
    void pressApply(int dialogId);
    void pressCancel(int dialogId);
    void pressHelp(int dialogId);
    void pressButton(int buttonId);
    // Puts `text` into the field and hands it to the field's callback;
    // returns what the callback answered (1 without a callback). A refused
    // edit (0) puts the text back that the field showed before.
    int typeText(int textFieldId, const std::string& text);
    void spinUp(int spinFieldId);
    void spinDown(int spinFieldId);
    // Switches a toggle over; its callback gets 1 when now on, 0 when off.
    void clickToggle(int toggleId);
    // Chooses a position of an option menu or radio box; the callback gets it.
    void choose(int controlId, int position);
    // Picks a menu item (its callback runs) or a menu toggle (switched over,
    // its callback gets 1 or 0).
    void pickMenuEntry(int entryId);
    // The user clicks a line: only it is selected, then the list callback
    // gets its position. A shift-click on a multi-selection list selects
    // every line from the last click to this one. Both throw
    // std::logic_error when the user could not click there (dialog down,
    // list insensitive, no such line).
    void clickListItem(int listId, int position);
    void shiftClickListItem(int listId, int position);
    // A ctrl-click on a multi-selection list switches one line in or out of
    // the selection and makes it the anchor; on a single-selection list it
    // is a click.
    void ctrlClickListItem(int listId, int position);

    // Counts a refused host call.
    void refuse(const char* call, const std::string& reason);
    // Host calls that were refused, each as "function: reason".
    const std::vector<std::string>& refusedCalls() const { return refused_; }
    // Host calls made while the add-on lock was not held.
    const std::vector<std::string>& unlockedCalls() const { return unlocked_; }

    // Observers are not owned; each must be removed before it dies.
    void addObserver(WidgetObserver* observer) { observers_.insert(observer); }
    void removeObserver(WidgetObserver* observer) { observers_.erase(observer); }

private:
    // The dialog or list a host call names, or null after counting a
    // refusal; also notes a call made without the lock.
    Dialog* dialogFor(const char* call, int dialogId);
    Control* listFor(const char* call, int listId);
    // The control a host call names if it is one of `kinds`.
    Control* controlFor(const char* call, int id, std::initializer_list<ControlKind> kinds);
    bool inRange(const char* call, const Control& list, int position);
    void checkLock(const char* call);
    void changed(int id);
    Control& clickable(int listId, int position);
    // The control the user acts on, checked as described above.
    Control& usable(int controlId, std::initializer_list<ControlKind> kinds);
    Dialog& usableDialog(int dialogId);
    void pressDialogButton(int dialogId, ZorGUIVoidCallback DialogCallbacks::*button, const char* name);

    const LockModel& lock_;
    int nextId_ = 1;
    std::map<int, Dialog> dialogs_;
    std::map<int, Control> controls_;
    std::vector<int> launchOrder_;
    std::vector<std::string> refused_;
    std::vector<std::string> unlocked_;
    std::set<WidgetObserver*> observers_;
};

}  // namespace zorsim

#endif
