#include "window/HostMenus.h"

#include <QMenu>
#include <QMenuBar>

#include <algorithm>

#include "zorsim/Registry.h"

namespace zorhost {

HostMenus::HostMenus(zorsim::Registry& registry, QMenuBar& bar, Actor act)
    : registry_(registry), bar_(bar), act_(std::move(act))
{
}

QMenu* HostMenus::menu(int number)
{
    auto found = menus_.find(number);
    if (found != menus_.end())
        return found->second;
    auto* created = new QMenu(QString::fromStdString(zorsim::Registry::standardMenuLabel(number)), &bar_);
    created->setObjectName("menu" + QString::number(number));
    // Before the first menu of a higher number, so the bar keeps the host's order.
    auto next = menus_.upper_bound(number);
    bar_.insertMenu(next == menus_.end() ? nullptr : next->second->menuAction(), created);
    QObject::connect(created, &QMenu::aboutToShow, created, [this] { updateSensitivity(allowed_); });
    menus_[number] = created;
    return created;
}

void HostMenus::addAddOnOptions()
{
    for (const zorsim::MenuOption& option : registry_.options()) {
        const int number = registry_.standardMenuNumber(option.menu);
        if (number == 0)
            continue;
        QMenu* target = menu(number);
        auto* action = new QAction(QString::fromStdString(option.label), target);
        const std::string label = option.label;
        QObject::connect(action, &QAction::triggered, action,
                         [this, label] { act_([this, label] { registry_.pickOption(label); }); });
        insertOption(*target, *action, option.position);
        options_.push_back({action, label});
    }
    updateSensitivity(allowed_);
}

// Positions count the menu's entries from 1; -1, or a position past the
// end, appends. Options follow the host's own entries after a separator.
void HostMenus::insertOption(QMenu& menu, QAction& action, int position)
{
    const bool firstOption = std::none_of(options_.begin(), options_.end(),
                                          [&menu](const Option& option) { return option.action->parent() == &menu; });
    if (firstOption && !menu.isEmpty())
        menu.addSeparator();
    const QList<QAction*> entries = menu.actions();
    if (position >= 1 && position <= entries.size())
        menu.insertAction(entries[position - 1], &action);
    else
        menu.addAction(&action);
}

void HostMenus::updateSensitivity(bool allowed)
{
    allowed_ = allowed;
    for (const Option& option : options_)
        option.action->setEnabled(allowed && registry_.isOptionSensitive(option.label));
}

QAction* HostMenus::optionAction(const QString& label) const
{
    for (const Option& option : options_)
        if (QString::fromStdString(option.label) == label)
            return option.action;
    return nullptr;
}

}  // namespace zorhost
