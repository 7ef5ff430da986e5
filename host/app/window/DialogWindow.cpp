#include "window/DialogWindow.h"

#include <QCloseEvent>

#include <cmath>

#include "zorsim/WidgetModel.h"

namespace zorhost {

int dialogUnitsToPixels(int units)
{
    return static_cast<int>(std::lround(units * pixelsPerDialogUnit));
}

DialogWindow::DialogWindow(zorsim::WidgetModel& widgets, int dialogId,
                           std::function<void(std::function<void()>)> act, QWidget* parent)
    : QDialog(parent), widgets_(widgets), dialogId_(dialogId), act_(std::move(act))
{
    const zorsim::Dialog& dialog = widgets_.dialog(dialogId_);
    setObjectName("hostDialog" + QString::number(dialogId_));
    setWindowTitle(QString::fromStdString(dialog.title));
    setFixedSize(dialogUnitsToPixels(dialog.width), dialogUnitsToPixels(dialog.height));
    setModal(dialog.modal);
}

void DialogWindow::follow()
{
    const bool up = widgets_.dialog(dialogId_).up;
    if (up && !isVisible())
        show();
    else if (!up && isVisible())
        hide();
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The model decides: the dialog goes when its callback drops it.
    event->ignore();
    const bool modal = widgets_.dialog(dialogId_).modal;
    act_([this, modal] {
        if (modal)
            widgets_.pressCancel(dialogId_);
        else
            widgets_.closeDialog(dialogId_);
    });
}

void DialogWindow::reject()
{
    close();
}

}  // namespace zorhost
