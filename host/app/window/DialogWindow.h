// One dialog of the host's widget model as a window over the main window:
// its title, and its size in dialog units scaled to pixels by one factor
// for the whole window. Modal dialogs block the rest of the application.
// The window's close button is the user's close of a modeless dialog (its
// close callback runs) and the Cancel of a modal one; both go through the
// widget model's user actions, so the add-on sees what a test would make it
// see. The dialog's controls are made by the widget layer that fills it.
#ifndef ZORHOST_DIALOG_WINDOW_H
#define ZORHOST_DIALOG_WINDOW_H

#include <QDialog>

#include <functional>

namespace zorsim {
class WidgetModel;
}

namespace zorhost {

// Pixels per dialog unit, for every dialog and control.
constexpr double pixelsPerDialogUnit = 0.14;

int dialogUnitsToPixels(int units);

class DialogWindow : public QDialog {
    Q_OBJECT

public:
    // `act` runs a user action as the main window runs every action.
    DialogWindow(zorsim::WidgetModel& widgets, int dialogId, std::function<void(std::function<void()>)> act,
                 QWidget* parent);

    int dialogId() const { return dialogId_; }
    // Shows or hides the window as the model says the dialog is.
    void follow();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Esc on the window is a close too, not QDialog's silent reject.
    void reject() override;

private:
    zorsim::WidgetModel& widgets_;
    int dialogId_;
    std::function<void(std::function<void()>)> act_;
};

}  // namespace zorhost

#endif
