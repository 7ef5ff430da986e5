// The controls of the host's widget model as Qt widgets, one class for each
// kind: lists, buttons, labels, frames, text fields, spin text fields,
// toggles, radio boxes and option menus (a dialog's menus are in
// DialogMenuBar). Each widget sits at its control's place, scaled from
// dialog units and lined up on its dialog's columns, shows what the model
// holds (follow) and hands what the person does to the model's user
// actions, so the add-on's callbacks run as in the host model's tests.
#ifndef ZORHOST_CONTROL_WIDGETS_H
#define ZORHOST_CONTROL_WIDGETS_H

#include <functional>
#include <memory>

#include "window/ColumnGrid.h"
#include "zorsim/WidgetModel.h"

class QWidget;

namespace zorhost {

// Runs a user action as the main window runs every action.
using UserActor = std::function<void(std::function<void()>)>;

class ControlWidget {
public:
    ControlWidget(zorsim::WidgetModel& widgets, int controlId, UserActor act);
    virtual ~ControlWidget() = default;
    ControlWidget(const ControlWidget&) = delete;
    ControlWidget& operator=(const ControlWidget&) = delete;

    QWidget* widget() const { return widget_; }
    int controlId() const { return controlId_; }
    // Shows the control's place, text, items, choice, sensitivity and tooltip.
    void follow();
    // The dialog's columns, which the widget's edges line up on.
    void alignTo(const ColumnGrid& columns) { columns_ = &columns; }

protected:
    // Called once by the kind's constructor with the widget it made.
    void adopt(QWidget* widget);
    const zorsim::Control& control() const { return widgets_.control(controlId_); }
    // The control's left edge in pixels, on its column.
    int left(const zorsim::Control& control) const;
    // Runs `action` on the model as the user, then shows the model's state
    // again (the action may have been refused, or not run while busy).
    void userDoes(const std::function<void(zorsim::WidgetModel&, int)>& action);

private:
    virtual void showState(const zorsim::Control& control) = 0;
    // Labels keep their size from their text.
    virtual void place(const zorsim::Control& control);

    zorsim::WidgetModel& widgets_;
    int controlId_;
    UserActor act_;
    QWidget* widget_ = nullptr;
    const ColumnGrid* columns_ = nullptr;
};

// The widget of a dialog's control, a child of `parent`, lined up on
// `columns`; null for menu entries, which DialogMenuBar makes.
std::unique_ptr<ControlWidget> makeControlWidget(zorsim::WidgetModel& widgets, int controlId, UserActor act,
                                                 QWidget* parent, const ColumnGrid& columns);

}  // namespace zorhost

#endif
