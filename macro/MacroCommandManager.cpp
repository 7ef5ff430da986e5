#include "macro/MacroCommandManager.h"

#include <memory>

AddOnMacroCommandManager& macroCommandManager()
{
    static const std::unique_ptr<AddOnMacroCommandManager> manager(new AddOnMacroCommandManager(" "));
    return *manager;
}
