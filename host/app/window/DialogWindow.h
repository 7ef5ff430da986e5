// One dialog of the host's widget model as a window over the main window:
// its title, its controls (ControlWidgets) and menu bar (DialogMenuBar) at
// their places, scaled from dialog units to pixels by one factor for the
// whole window, and the OK, Apply, Cancel and Help buttons the model gives
// it. Modal dialogs block the rest of the application; Enter is their OK,
// Esc their Cancel. The window's close button is the user's close of a
// modeless dialog (its close callback runs) and the Cancel of a modal one;
// everything goes through the widget model's user actions, so the add-on
// sees what a test would make it see.
#ifndef ZORHOST_DIALOG_WINDOW_H
#define ZORHOST_DIALOG_WINDOW_H

#include <QDialog>

#include <map>
#include <memory>

#include "window/ControlWidgets.h"
#include "window/DialogMenuBar.h"

class QAbstractButton;
class QDialogButtonBox;

namespace zorhost {

// Pixels per dialog unit, for every dialog and control.
constexpr double pixelsPerDialogUnit = 0.14;

int dialogUnitsToPixels(int units);

class DialogWindow : public QDialog {
    Q_OBJECT

public:
    DialogWindow(zorsim::WidgetModel& widgets, int dialogId, UserActor act, QWidget* parent);
    ~DialogWindow() override;

    int dialogId() const { return dialogId_; }
    // Shows or hides the window as the model says the dialog is.
    void follow();
    // Shows one of the dialog's controls, making its widget when new.
    void followControl(int controlId);
    // The area holding the controls, of the dialog's size.
    QWidget* controlArea() const { return area_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Esc on the window is a close too, not QDialog's silent reject.
    void reject() override;
    // Menu entries' status texts go to the main window's status line.
    bool event(QEvent* event) override;

private:
    void addButtons();
    void press(QAbstractButton* button);

    zorsim::WidgetModel& widgets_;
    int dialogId_;
    UserActor act_;
    QWidget* area_;
    QDialogButtonBox* buttons_ = nullptr;
    std::unique_ptr<DialogMenuBar> menuBar_;
    std::map<int, std::unique_ptr<ControlWidget>> controls_;
};

}  // namespace zorhost

#endif
