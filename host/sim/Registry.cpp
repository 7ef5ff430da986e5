#include "zorsim/Registry.h"

#include <cstdlib>
#include <iterator>
#include <stdexcept>

#include "zorsim/Host.h"

namespace zorsim {

namespace {

// Standard menus of the host, numbered from 1: File, Edit, View, ...,
// Tools (10), Help. Each has a mnemonic letter of its own.
const char* const standardMenuLabels[] = {"&File", "&Edit",  "&View",    "&Plot",  "&Insert", "&Animate",
                                          "&Data", "F&rame", "&Options", "&Tools", "&Help"};
constexpr int standardMenuCount = static_cast<int>(std::size(standardMenuLabels));

}  // namespace

Registry::Registry()
{
    for (int number = 1; number <= standardMenuCount; ++number)
        standardMenus_.insert(number);
}

ZorAddOnId Registry::registerAddOn(int interfaceVersion, const std::string& name, const std::string& versionText,
                                   const std::string& company)
{
    const ZorAddOnId id = 0x5A000001u + static_cast<ZorAddOnId>(addOns_.size());
    addOns_.push_back({id, interfaceVersion, name, versionText, company});
    return id;
}

ZorMenu Registry::standardMenu(int number) const
{
    return standardMenus_.count(number) != 0 ? static_cast<ZorMenu>(1000 + number) : 0;
}

std::string Registry::standardMenuLabel(int number)
{
    if (number < 1 || number > standardMenuCount)
        return {};
    return standardMenuLabels[number - 1];
}

int Registry::standardMenuNumber(ZorMenu menu) const
{
    for (int number : standardMenus_)
        if (standardMenu(number) == menu)
            return number;
    return 0;
}

ZorMenuOption Registry::insertOption(ZorMenu menu, int position, const std::string& label, ZorMenuCallback callback,
                                     ZorArbParam clientData)
{
    if (refuseOptions_ || menu == 0 || callback == nullptr)
        return 0;
    const ZorMenuOption handle = static_cast<ZorMenuOption>(options_.size() + 1);
    options_.push_back({handle, menu, position, label, callback, clientData});
    return handle;
}

bool Registry::setSensitivityCallback(ZorMenuOption option, ZorMenuSensitivityCallback callback, ZorArbParam clientData)
{
    if (option < 1 || option > static_cast<ZorMenuOption>(options_.size()))
        return false;
    MenuOption& entry = options_[static_cast<std::size_t>(option - 1)];
    entry.sensitivity = callback;
    entry.sensitivityData = clientData;
    return true;
}

const MenuOption* Registry::findOption(const std::string& label) const
{
    for (const MenuOption& option : options_)
        if (option.label == label)
            return &option;
    return nullptr;
}

bool Registry::isOptionSensitive(const std::string& label) const
{
    const MenuOption* option = findOption(label);
    if (option == nullptr)
        throw std::out_of_range("no menu option " + label);
    return option->sensitivity == nullptr || option->sensitivity(option->sensitivityData);
}

void Registry::pickOption(const std::string& label) const
{
    const MenuOption* option = findOption(label);
    if (option == nullptr)
        throw std::out_of_range("no menu option " + label);
    option->callback(option->clientData);
}

void Registry::addMacroCallback(const std::string& addOnName, ZorMacroCommandCallback callback)
{
    macroCallbacks_[addOnName] = callback;
}

bool Registry::hasMacroCallback(const std::string& addOnName) const
{
    return macroCallbacks_.count(addOnName) != 0;
}

std::vector<std::string> Registry::macroCallbackNames() const
{
    std::vector<std::string> names;
    for (const auto& entry : macroCallbacks_)
        names.push_back(entry.first);
    return names;
}

MacroCommandResult Registry::playAddOnCommand(const std::string& addOnName, const std::string& command)
{
    auto found = macroCallbacks_.find(addOnName);
    if (found == macroCallbacks_.end())
        throw std::out_of_range("no add-on named " + addOnName);
    char* errorText = nullptr;
    MacroCommandResult result{found->second(command.c_str(), &errorText), errorText != nullptr, ""};
    if (errorText != nullptr) {
        result.errorText = errorText;
        host().memory.freeString(errorText);
    }
    return result;
}

}  // namespace zorsim
