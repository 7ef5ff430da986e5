// The widget layer over the host's widget model: it observes the model and
// keeps one DialogWindow for every dialog an add-on created, shown while
// the model says the dialog is up, and shows every change of a control in
// its dialog's window at once. What the user does in these windows goes
// through the model's user actions, run as the main window runs actions.
#ifndef ZORHOST_DIALOG_LAYER_H
#define ZORHOST_DIALOG_LAYER_H

#include <QPointer>

#include <functional>
#include <map>
#include <memory>

#include "window/DialogWindow.h"
#include "zorsim/WidgetModel.h"

class QWidget;

namespace zorhost {

class DialogLayer : public zorsim::WidgetObserver {
public:
    using Actor = UserActor;

    // The windows are children of `window`; `act` runs user actions.
    DialogLayer(zorsim::WidgetModel& widgets, QWidget& window, Actor act);
    ~DialogLayer() override;
    DialogLayer(const DialogLayer&) = delete;
    DialogLayer& operator=(const DialogLayer&) = delete;

    void widgetChanged(int id) override;
    // The window of a dialog, or null while the dialog has none.
    DialogWindow* windowOf(int dialogId) const;
    // While false (a task runs, a message box is up), the dialogs take no
    // input. Back to true, the dialog the person was in (or a modal one
    // that came up meanwhile) is active again, its focus where it was.
    void setInteractive(bool interactive);

private:
    void takeInputAway();
    void giveInputBack();
    DialogWindow* lastWindowUp() const;

    zorsim::WidgetModel& widgets_;
    QWidget& window_;
    Actor act_;
    std::map<int, std::unique_ptr<DialogWindow>> windows_;
    bool interactive_ = true;
    QPointer<QWidget> activeBefore_;
    QPointer<QWidget> focusBefore_;
};

}  // namespace zorhost

#endif
