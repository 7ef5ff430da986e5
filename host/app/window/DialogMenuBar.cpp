#include "window/DialogMenuBar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace zorhost {

using zorsim::Control;
using zorsim::ControlKind;

DialogMenuBar::DialogMenuBar(zorsim::WidgetModel& widgets, int menuBarId, UserActor act, QWidget* parent)
    : widgets_(widgets), menuBarId_(menuBarId), act_(std::move(act)), bar_(new QMenuBar(parent))
{
    bar_->setObjectName("control" + QString::number(menuBarId));
    bar_->setNativeMenuBar(false);
}

void DialogMenuBar::follow(int controlId)
{
    const Control& entry = widgets_.control(controlId);
    if (controlId == menuBarId_) {
        bar_->setEnabled(entry.sensitive);
        return;
    }
    QAction* action = actionOf(controlId);
    if (entry.kind != ControlKind::MenuSeparator)
        action->setText(QString::fromStdString(entry.text));
    action->setEnabled(entry.sensitive);
    action->setStatusTip(QString::fromStdString(entry.statusText));
    action->setToolTip(QString::fromStdString(entry.toolTip));
    if (entry.kind == ControlKind::MenuToggle)
        action->setChecked(entry.on);
}

QAction* DialogMenuBar::actionOf(int controlId)
{
    auto found = actions_.find(controlId);
    if (found != actions_.end())
        return found->second;
    QAction* action = make(widgets_.control(controlId));
    actions_[controlId] = action;
    return action;
}

QAction* DialogMenuBar::make(const Control& entry)
{
    const QString label = QString::fromStdString(entry.text);
    // The menu holding the entry is made first.
    if (entry.menu != menuBarId_)
        actionOf(entry.menu);
    if (entry.kind == ControlKind::Menu) {
        QMenu* menu = entry.menu == menuBarId_ ? bar_->addMenu(label) : menus_.at(entry.menu)->addMenu(label);
        menus_[entry.id] = menu;
        return menu->menuAction();
    }
    QMenu* menu = menus_.at(entry.menu);
    if (entry.kind == ControlKind::MenuSeparator)
        return menu->addSeparator();
    QAction* action = menu->addAction(label);
    action->setCheckable(entry.kind == ControlKind::MenuToggle);
    const int id = entry.id;
    QObject::connect(action, &QAction::triggered, [this, id] { pick(id); });
    return action;
}

void DialogMenuBar::pick(int entryId)
{
    act_([this, entryId] { widgets_.pickMenuEntry(entryId); });
    follow(entryId);
}

}  // namespace zorhost
