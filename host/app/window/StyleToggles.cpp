#include "window/StyleToggles.h"

#include <QAction>
#include <QMenu>

#include "zorsim/StyleModel.h"

namespace zorhost {

QAction* StyleToggles::add(QMenu& menu, const QString& label, const std::string& path)
{
    QAction* action = menu.addAction(label);
    action->setCheckable(true);
    // The check mark follows the host, not the click.
    QObject::connect(action, &QAction::triggered, action, [this, action, path](bool on) {
        action->setChecked(!on);
        play_("$!STYLE PATH = \"" + path + "\" VALUE = " + (on ? "TRUE" : "FALSE"));
    });
    toggles_.push_back({action, path});
    refresh();
    return action;
}

void StyleToggles::refresh()
{
    for (const Toggle& toggle : toggles_)
        toggle.action->setChecked(styles_.boolValue(toggle.path));
}

}  // namespace zorhost
