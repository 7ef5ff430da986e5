// The host's macro language: one command a line.
//
//   # a comment
//   $!ROTATE3D AXIS = PSI ANGLE = 30
//   $!ADDONCOMMAND ADDON = "Key Frame Animation" COMMAND = "Animate AnimationDestination=ToFile"
//
// A command is "$!" and its name, then parameters KEY = VALUE (blanks around
// "=" optional). A value is a number, a word, TRUE or FALSE, or text in
// double quotes in which \" and \\ stand for a quote and a backslash (any
// other backslash stands for itself). Names, keys, words and TRUE/FALSE are
// read without regard to letter case; they are kept in upper case.
#ifndef ZORHOST_MACRO_LANGUAGE_H
#define ZORHOST_MACRO_LANGUAGE_H

#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zorhost {

struct MacroValue {
    enum class Kind { Number, Word, Boolean, Text };
    Kind kind = Kind::Word;
    // The value as written: the upper-case word, the number's spelling, or
    // the text with its escapes resolved.
    std::string text;
    double number = 0.0;
    bool boolean = false;
};

struct MacroParameter {
    std::string key;
    MacroValue value;
};

struct MacroCommand {
    int line = 0;
    std::string name;
    std::vector<MacroParameter> parameters;

    // The parameter with `key` (upper case), or null.
    const MacroParameter* find(const std::string& key) const;
};

// A fault in a macro file; `line` counts from 1 and what() is the text
// without the file and line.
class MacroError : public std::runtime_error {
public:
    MacroError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

// Reads one line. Returns nothing for a blank line or a comment; throws
// MacroError for a line that is not a command of the form above. The
// command's name and keys are not checked here (MacroGrammar does that).
std::optional<MacroCommand> parseMacroLine(const std::string& line, int lineNumber);

// Reads a whole macro and checks every command against the grammar; throws
// MacroError at the first fault, so nothing of a broken macro is played. A
// UTF-8 byte order mark at the start is skipped.
std::vector<MacroCommand> readMacro(std::istream& in);

}  // namespace zorhost

#endif
