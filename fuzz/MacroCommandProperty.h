// What must hold for any macro command string handed to the add-on: it
// either parses or is refused with the add-on's error; a string that parses
// into values without double quotes composes back into a string that parses
// into the same command and parameters.
#ifndef KFA_FUZZ_MACRO_COMMAND_PROPERTY_H
#define KFA_FUZZ_MACRO_COMMAND_PROPERTY_H

#include <string>

// Empty when the rule holds for `commandString`; otherwise what went wrong.
std::string macroCommandPropertyViolation(const std::string& commandString);

#endif
