// Which commands the host's macro language has, which parameters each
// takes, and what their values must be.
#ifndef ZORHOST_MACRO_GRAMMAR_H
#define ZORHOST_MACRO_GRAMMAR_H

#include "macro/MacroLanguage.h"

namespace zorhost {

// Throws MacroError (at the command's line) for an unknown command, an
// unknown, repeated or missing parameter, or a value of the wrong kind; the
// message names the command and the parameter.
void checkMacroCommand(const MacroCommand& command);

}  // namespace zorhost

#endif
