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
// List positions count from 1, as in the host API.
#ifndef ZORSIM_WIDGET_MODEL_H
#define ZORSIM_WIDGET_MODEL_H

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ZorTypes.h"

namespace zorsim {

class LockModel;

enum class ControlKind { List };

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
    // Lists: the lines shown, and the selected positions, ascending.
    std::vector<std::string> items;
    std::vector<int> selection;
    bool multiSelection = false;
    // Where a shift-click extends the selection from.
    int anchor = 0;
    // Gets the chosen position (lists).
    ZorGUIIntCallback intCallback = nullptr;
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

    // A control of `control.kind` in dialog `control.parent`; its id, or
    // ZOR_NO_CONTROL (refused) when the parent is not a dialog.
    int addControl(const Control& control);

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

    // The user closes a modeless dialog: its close callback runs.
    void closeDialog(int dialogId);
    // The user clicks a line: only it is selected, then the list callback
    // gets its position. A shift-click on a multi-selection list selects
    // every line from the last click to this one. Both throw
    // std::logic_error when the user could not click there (dialog down,
    // list insensitive, no such line).
    void clickListItem(int listId, int position);
    void shiftClickListItem(int listId, int position);

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
    bool inRange(const char* call, const Control& list, int position);
    void checkLock(const char* call);
    void changed(int id);
    Control& clickable(int listId, int position);

    const LockModel& lock_;
    int nextId_ = 1;
    std::map<int, Dialog> dialogs_;
    std::map<int, Control> controls_;
    std::vector<std::string> refused_;
    std::vector<std::string> unlocked_;
    std::set<WidgetObserver*> observers_;
};

}  // namespace zorsim

#endif
