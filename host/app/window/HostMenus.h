// The host's standard menus in the main window's menu bar, in the host's
// order and with their mnemonics ("&File", ..., "&Tools", ..., "&Help"): the
// host's own entries, then the options that add-ons registered, each where
// its add-on put it. An option's sensitivity callback decides whether it is
// enabled each time its menu opens and whenever the window refreshes.
// Only menus that hold something are shown.
#ifndef ZORHOST_HOST_MENUS_H
#define ZORHOST_HOST_MENUS_H

#include <QString>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace zorsim {
class Registry;
}

namespace zorhost {

class HostMenus {
public:
    using Actor = std::function<void(std::function<void()>)>;

    // Picking an add-on's option runs its callback through `act`.
    HostMenus(zorsim::Registry& registry, QMenuBar& bar, Actor act);

    // Standard menu `number`, put into the bar on first use.
    QMenu* menu(int number);
    // Adds the options the add-ons registered so far.
    void addAddOnOptions();
    // Asks every option's sensitivity callback; with `allowed` false (a task
    // runs) every option is disabled without asking.
    void updateSensitivity(bool allowed);

    // The action of an add-on's option; null when there is none.
    QAction* optionAction(const QString& label) const;

private:
    struct Option {
        QAction* action;
        std::string label;
    };

    void insertOption(QMenu& menu, QAction& action, int position);

    zorsim::Registry& registry_;
    QMenuBar& bar_;
    Actor act_;
    std::map<int, QMenu*> menus_;
    std::vector<Option> options_;
    bool allowed_ = true;
};

}  // namespace zorhost

#endif
