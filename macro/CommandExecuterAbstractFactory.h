// Makes the executer of a macro command. Both executers work on the main
// dialog's key frames and settings, and change them only after everything
// was read and checked.
//
//   auto executer = CommandExecuterAbstractFactory::create(command);
//   executer->execute(parameters);
#ifndef KFA_MACRO_COMMAND_EXECUTER_ABSTRACT_FACTORY_H
#define KFA_MACRO_COMMAND_EXECUTER_ABSTRACT_FACTORY_H

#include <memory>

#include "export/Enumerations.h"
#include "macro/CommandExecuterAbstract.h"

class CommandExecuterAbstractFactory {
public:
    // OpenSettingsFile FileName=path: reads the file into the main dialog.
    class CommandExecuterOpenSettings : public CommandExecuterAbstract {
    public:
        void execute(const AddOnMacroCommandManager::ParameterList& parameters) override;
    };

    // Animate AnimationDestination=OnScreen|ToFile: plays all key frames.
    class CommandExecuterAnimate : public CommandExecuterAbstract {
    public:
        void execute(const AddOnMacroCommandManager::ParameterList& parameters) override;
    };

    // Empty for a value that names no command.
    static std::unique_ptr<CommandExecuterAbstract> create(Command_e command);
};

#endif
