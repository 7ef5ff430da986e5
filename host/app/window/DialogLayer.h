// The widget layer over the host's widget model: it observes the model and
// keeps one DialogWindow for every dialog an add-on created, shown while
// the model says the dialog is up. What the user does in these windows goes
// through the model's user actions, run as the main window runs actions.
#ifndef ZORHOST_DIALOG_LAYER_H
#define ZORHOST_DIALOG_LAYER_H

#include <functional>
#include <map>
#include <memory>

#include "window/DialogWindow.h"
#include "zorsim/WidgetModel.h"

class QWidget;

namespace zorhost {

class DialogLayer : public zorsim::WidgetObserver {
public:
    using Actor = std::function<void(std::function<void()>)>;

    // The windows are children of `window`; `act` runs user actions.
    DialogLayer(zorsim::WidgetModel& widgets, QWidget& window, Actor act);
    ~DialogLayer() override;
    DialogLayer(const DialogLayer&) = delete;
    DialogLayer& operator=(const DialogLayer&) = delete;

    void widgetChanged(int id) override;
    // The window of a dialog, or null while the dialog has none.
    DialogWindow* windowOf(int dialogId) const;
    // While false (a task runs), the dialogs take no input.
    void setInteractive(bool interactive);

private:
    zorsim::WidgetModel& widgets_;
    QWidget& window_;
    Actor act_;
    std::map<int, std::unique_ptr<DialogWindow>> windows_;
};

}  // namespace zorhost

#endif
