// The callback through which the host hands the add-on its macro commands.
#ifndef KFA_MACRO_MACRO_COMMAND_CALLBACK_H
#define KFA_MACRO_MACRO_COMMAND_CALLBACK_H

// Returns true when the command ran; otherwise false, with *errorText set to
// a host string "Key Frame Animation error:\n<message>" that the host frees.
bool macroCommandCallback(const char* commandText, char** errorText);

#endif
