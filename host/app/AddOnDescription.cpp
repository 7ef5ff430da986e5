#include "AddOnDescription.h"

#include <sstream>

namespace zorhost {

namespace {

void describeRegistrations(const zorsim::Registry& registry, std::ostream& out)
{
    out << "Add-ons:\n";
    for (const zorsim::RegisteredAddOn& addOn : registry.addOns()) {
        out << "  \"" << addOn.name << "\"\n"
            << "    version: " << addOn.versionText << "\n"
            << "    company: " << addOn.company << "\n"
            << "    host interface: " << addOn.interfaceVersion << "\n";
    }
}

void describeMenuOptions(const zorsim::Registry& registry, std::ostream& out)
{
    out << "Menu options:\n";
    for (const zorsim::MenuOption& option : registry.options()) {
        out << "  \"" << option.label << "\" in standard menu " << registry.standardMenuNumber(option.menu)
            << ", position " << option.position << ", ";
        if (option.sensitivity == nullptr)
            out << "always available\n";
        else
            out << (registry.isOptionSensitive(option.label) ? "available now\n" : "not available now\n");
    }
}

void describeMacroCommands(const zorsim::Registry& registry, std::ostream& out)
{
    out << "Macro commands for:\n";
    for (const std::string& name : registry.macroCallbackNames())
        out << "  \"" << name << "\"\n";
}

}  // namespace

std::string describeAddOns(const zorsim::Host& host)
{
    std::ostringstream out;
    describeRegistrations(host.registry, out);
    describeMenuOptions(host.registry, out);
    describeMacroCommands(host.registry, out);
    return out.str();
}

}  // namespace zorhost
