// What must hold for any text read as a zorhost macro file: it is either
// read as a whole or refused with a MacroError at one of its lines, and the
// commands read, written out again, read back as the same commands.
#ifndef KFA_FUZZ_HOST_MACRO_PROPERTY_H
#define KFA_FUZZ_HOST_MACRO_PROPERTY_H

#include <string>

// Empty when the rule holds for `macroText`; otherwise what went wrong.
std::string hostMacroPropertyViolation(const std::string& macroText);

#endif
