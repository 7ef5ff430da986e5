// A dialog's menu bar of the host's widget model as a QMenuBar: its menus,
// items, toggles and separators, in the order the add-on added them. Each
// entry shows the model's text, sensitivity, check mark and status text;
// picking one goes through the model's user action, as a test would pick it.
#ifndef ZORHOST_DIALOG_MENU_BAR_H
#define ZORHOST_DIALOG_MENU_BAR_H

#include <map>

#include "window/ControlWidgets.h"

class QAction;
class QMenu;
class QMenuBar;

namespace zorhost {

class DialogMenuBar {
public:
    DialogMenuBar(zorsim::WidgetModel& widgets, int menuBarId, UserActor act, QWidget* parent);
    DialogMenuBar(const DialogMenuBar&) = delete;
    DialogMenuBar& operator=(const DialogMenuBar&) = delete;

    QMenuBar* bar() const { return bar_; }
    // Shows the menu bar or one of its entries, making the entry the first
    // time it is seen; its menu is made before it.
    void follow(int controlId);

private:
    QAction* actionOf(int controlId);
    QAction* make(const zorsim::Control& entry);
    void pick(int entryId);

    zorsim::WidgetModel& widgets_;
    int menuBarId_;
    UserActor act_;
    QMenuBar* bar_;
    std::map<int, QMenu*> menus_;
    std::map<int, QAction*> actions_;
};

}  // namespace zorhost

#endif
