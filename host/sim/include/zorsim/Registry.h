// Registered add-ons, the standard menus with their options, and the macro
// command callbacks.
#ifndef ZORSIM_REGISTRY_H
#define ZORSIM_REGISTRY_H

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ZorTypes.h"

namespace zorsim {

struct RegisteredAddOn {
    ZorAddOnId id;
    int interfaceVersion;
    std::string name;
    std::string versionText;
    std::string company;
};

struct MenuOption {
    ZorMenuOption handle;
    ZorMenu menu;
    int position;
    std::string label;
    ZorMenuCallback callback;
    ZorArbParam clientData;
    ZorMenuSensitivityCallback sensitivity = nullptr;
    ZorArbParam sensitivityData = 0;
};

// The result of handing a command to an add-on's macro callback.
struct MacroCommandResult {
    bool ok;
    bool hasErrorText;
    std::string errorText;
};

class Registry {
public:
    Registry();

    ZorAddOnId registerAddOn(int interfaceVersion, const std::string& name, const std::string& versionText,
                             const std::string& company);
    const std::vector<RegisteredAddOn>& addOns() const { return addOns_; }

    ZorMenu standardMenu(int number) const;
    // The number of the standard menu `menu`; 0 when it is none of them.
    int standardMenuNumber(ZorMenu menu) const;
    // The label a window shows for standard menu `number`, its mnemonic
    // marked by an ampersand ("&File", ..., "&Tools", "&Help"); empty for a
    // number that names no standard menu.
    static std::string standardMenuLabel(int number);
    // A host without this standard menu answers 0 for it.
    void removeStandardMenu(int number) { standardMenus_.erase(number); }
    // While set, the host refuses every new menu option.
    void setRefuseMenuOptions(bool refuse) { refuseOptions_ = refuse; }
    ZorMenuOption insertOption(ZorMenu menu, int position, const std::string& label, ZorMenuCallback callback,
                               ZorArbParam clientData);
    bool setSensitivityCallback(ZorMenuOption option, ZorMenuSensitivityCallback callback, ZorArbParam clientData);
    const std::vector<MenuOption>& options() const { return options_; }
    // The option with this label; null when there is none.
    const MenuOption* findOption(const std::string& label) const;
    // What the host shows: true when there is no sensitivity callback.
    bool isOptionSensitive(const std::string& label) const;
    // The user picks the option (the callback runs whatever its sensitivity).
    void pickOption(const std::string& label) const;

    void addMacroCallback(const std::string& addOnName, ZorMacroCommandCallback callback);
    bool hasMacroCallback(const std::string& addOnName) const;
    // The names that have a macro command callback, in alphabetical order.
    std::vector<std::string> macroCallbackNames() const;
    // Hands `command` to the add-on's callback and takes over its error text.
    MacroCommandResult playAddOnCommand(const std::string& addOnName, const std::string& command);

private:
    std::vector<RegisteredAddOn> addOns_;
    std::set<int> standardMenus_;
    bool refuseOptions_ = false;
    std::vector<MenuOption> options_;
    std::map<std::string, ZorMacroCommandCallback> macroCallbacks_;
};

}  // namespace zorsim

#endif
