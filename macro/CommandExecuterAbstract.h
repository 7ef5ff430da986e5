// The base of the executers of the add-on's macro commands: each carries
// out one parsed command with its parameters and raises KeyFrameError with
// the message for the host when it cannot.
#ifndef KFA_MACRO_COMMAND_EXECUTER_ABSTRACT_H
#define KFA_MACRO_COMMAND_EXECUTER_ABSTRACT_H

#include "macro/MacroCommandManager.h"

class CommandExecuterAbstract {
public:
    CommandExecuterAbstract() = default;
    virtual ~CommandExecuterAbstract() = default;
    CommandExecuterAbstract(const CommandExecuterAbstract&) = delete;
    CommandExecuterAbstract& operator=(const CommandExecuterAbstract&) = delete;

    virtual void execute(const AddOnMacroCommandManager::ParameterList& parameters) = 0;
};

#endif
