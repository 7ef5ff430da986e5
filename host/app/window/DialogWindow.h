// One dialog of the host's widget model as a window over the main window:
// its title, its controls (ControlWidgets) and menu bar (DialogMenuBar) at
// their places, scaled from dialog units to pixels by one factor for the
// whole window, and the OK, Apply, Cancel and Help buttons the model gives
// it. Modal dialogs block the rest of the application; Enter is their OK,
// Esc their Cancel. The window's close button is the user's close of a
// modeless dialog (its close callback runs) and the Cancel of a modal one;
// everything goes through the widget model's user actions, so the add-on
// sees what a test would make it see.
//
// A dialog opens where it was last left, in this run or an earlier one; the
// first time, a modeless dialog opens beside the main window when the
// screen has room for it there, so that it hides nothing of the view.
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
    void hideEvent(QHideEvent* event) override;
    // Esc on the window is a close too, not QDialog's silent reject.
    void reject() override;
    // Menu entries' status texts go to the main window's status line.
    bool event(QEvent* event) override;

private:
    void addButtons();
    void press(QAbstractButton* button);
    // Before the first show: the remembered place, or beside the main window.
    void placeFirstTime();
    void addToColumns(const zorsim::Control& control);
    void placeBesideMainWindow();
    QString placeKey() const;

    zorsim::WidgetModel& widgets_;
    int dialogId_;
    UserActor act_;
    QWidget* area_;
    QDialogButtonBox* buttons_ = nullptr;
    bool placed_ = false;
    std::unique_ptr<DialogMenuBar> menuBar_;
    ColumnGrid columns_;
    std::map<int, std::unique_ptr<ControlWidget>> controls_;
};

}  // namespace zorhost

#endif
