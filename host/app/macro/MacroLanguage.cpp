#include "macro/MacroLanguage.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale>
#include <sstream>

#include "macro/MacroGrammar.h"
#include "macro/PrintableText.h"

namespace zorhost {

namespace {

constexpr const char* byteOrderMark = "\xEF\xBB\xBF";

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}
bool isNameStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool isNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}
// A word runs to the next blank; "=" and a quote end it too, so that
// "A=1 B=2" reads as two parameters.
bool isWordChar(char c)
{
    return !isBlank(c) && c != '=' && c != '"';
}

// A number spelled in the C locale that covers the whole word.
std::optional<double> numberOf(const std::string& word)
{
    std::istringstream in(word);
    in.imbue(std::locale::classic());
    double number = 0.0;
    in >> number;
    if (in.fail() || !in.eof() || !std::isfinite(number))
        return std::nullopt;
    return number;
}

class LineReader {
public:
    LineReader(const std::string& line, int lineNumber) : line_(line), lineNumber_(lineNumber) {}

    std::optional<MacroCommand> read()
    {
        skipBlanks();
        if (atEnd() || peek() == '#')
            return std::nullopt;
        MacroCommand command;
        command.line = lineNumber_;
        command.name = readCommandName();
        while (skipBlanks(), !atEnd())
            command.parameters.push_back(readParameter());
        return command;
    }

private:
    bool atEnd() const { return pos_ >= line_.size(); }
    char peek() const { return line_[pos_]; }
    void skipBlanks()
    {
        while (!atEnd() && isBlank(peek()))
            ++pos_;
    }
    [[noreturn]] void fail(const std::string& message) const { throw MacroError(lineNumber_, message); }

    std::string rest() const
    {
        const std::string found = printable(line_.substr(pos_, 20));
        return "\"" + found + (pos_ + 20 < line_.size() ? "...\"" : "\"");
    }

    std::string readName()
    {
        const std::size_t start = pos_;
        while (!atEnd() && isNameChar(peek()))
            ++pos_;
        return upper(line_.substr(start, pos_ - start));
    }

    std::string readCommandName()
    {
        if (line_.compare(pos_, 2, "$!") != 0 || pos_ + 2 >= line_.size() || !isNameStart(line_[pos_ + 2]))
            fail("expected a command: \"$!\" and its name, found " + rest());
        pos_ += 2;
        std::string name = readName();
        if (!atEnd() && !isBlank(peek()))
            fail("expected a blank after $!" + name + ", found " + rest());
        return name;
    }

    MacroParameter readParameter()
    {
        if (!isNameStart(peek()))
            fail("expected a parameter KEY = VALUE, found " + rest());
        MacroParameter parameter;
        parameter.key = readName();
        skipBlanks();
        if (atEnd() || peek() != '=')
            fail("expected \"=\" after " + parameter.key);
        ++pos_;
        skipBlanks();
        if (atEnd())
            fail(parameter.key + " has no value");
        parameter.value = peek() == '"' ? readText() : readWord(parameter.key);
        if (!atEnd() && !isBlank(peek()))
            fail("expected a blank after the value of " + parameter.key + ", found " + rest());
        return parameter;
    }

    MacroValue readText()
    {
        MacroValue value;
        value.kind = MacroValue::Kind::Text;
        ++pos_;
        while (!atEnd() && peek() != '"') {
            if (peek() == '\\' && pos_ + 1 < line_.size() && (line_[pos_ + 1] == '"' || line_[pos_ + 1] == '\\'))
                ++pos_;
            value.text += line_[pos_++];
        }
        if (atEnd())
            fail("text is not closed by a double quote");
        ++pos_;
        return value;
    }

    MacroValue readWord(const std::string& key)
    {
        const std::size_t start = pos_;
        while (!atEnd() && isWordChar(peek()))
            ++pos_;
        if (pos_ == start)
            fail(key + " has no value");
        MacroValue value;
        value.text = upper(line_.substr(start, pos_ - start));
        if (const std::optional<double> number = numberOf(value.text)) {
            value.kind = MacroValue::Kind::Number;
            value.number = *number;
        } else if (value.text == "TRUE" || value.text == "FALSE") {
            value.kind = MacroValue::Kind::Boolean;
            value.boolean = value.text == "TRUE";
        }
        return value;
    }

    const std::string& line_;
    int lineNumber_;
    std::size_t pos_ = 0;
};

}  // namespace

const MacroParameter* MacroCommand::find(const std::string& key) const
{
    for (const MacroParameter& parameter : parameters)
        if (parameter.key == key)
            return &parameter;
    return nullptr;
}

std::optional<MacroCommand> parseMacroLine(const std::string& line, int lineNumber)
{
    return LineReader(line, lineNumber).read();
}

std::vector<MacroCommand> readMacro(std::istream& in)
{
    std::vector<MacroCommand> commands;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        // Editors may begin a UTF-8 file with a byte order mark.
        if (lineNumber == 1 && line.rfind(byteOrderMark, 0) == 0)
            line.erase(0, std::strlen(byteOrderMark));
        if (std::optional<MacroCommand> command = parseMacroLine(line, lineNumber)) {
            checkMacroCommand(*command);
            commands.push_back(std::move(*command));
        }
    }
    return commands;
}

}  // namespace zorhost
