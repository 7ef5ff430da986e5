#include "macro/MacroLanguage.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace zorhost;

namespace {

// The MacroError of reading `line` as the sixth line of a file, after a byte
// order mark, comments, blank lines and line ends of either kind, as
// "LINE: message".
std::string errorOf(const std::string& line)
{
    std::istringstream in("\xEF\xBB\xBF#!MC 1\n\n$!REDRAW\r\n \t\r\n   # $!REDRAW\n" + line + "\n");
    try {
        readMacro(in);
    } catch (const MacroError& error) {
        return std::to_string(error.line()) + ": " + error.what();
    }
    return "no error";
}

}  // namespace

TEST(MacroLanguageTest, ReadsNamesKeysAndWordsInUpperCaseAndEachKindOfValue)
{
    const MacroCommand command = parseMacroLine("  $!rotate3d axis=psi   Angle =  -12.5e1 ", 7).value();
    ASSERT_EQ(2u, command.parameters.size());
    EXPECT_EQ(std::make_tuple("ROTATE3D", 7, "AXIS", "ANGLE", -125.0),
              std::make_tuple(command.name, command.line, command.parameters[0].key, command.parameters[1].key,
                              command.parameters[1].value.number));

    using Kind = MacroValue::Kind;
    const std::tuple<std::string, Kind, std::string> cases[] = {
        {"30", Kind::Number, "30"},
        {"0.5", Kind::Number, "0.5"},
        {"psi", Kind::Word, "PSI"},
        {"true", Kind::Boolean, "TRUE"},
        {"False", Kind::Boolean, "FALSE"},
        {"256color", Kind::Word, "256COLOR"},
        {"1.2.3", Kind::Word, "1.2.3"},
        {"nan", Kind::Word, "NAN"},
        {"\"Mixed Case\"", Kind::Text, "Mixed Case"},
        {"\"\"", Kind::Text, ""},
        {"\"say \\\"hi\\\"\"", Kind::Text, "say \"hi\""},
        {"\"C:\\\\dir\\\\f\"", Kind::Text, "C:\\dir\\f"},
        {"\"a\\nb\"", Kind::Text, "a\\nb"},
        {"\"a = \\\"#b\\\" c\"", Kind::Text, "a = \"#b\" c"},
    };
    for (const auto& [value, kind, text] : cases) {
        const MacroCommand style = parseMacroLine("$!STYLE VALUE = " + value, 1).value();
        ASSERT_EQ(1u, style.parameters.size()) << value;
        EXPECT_EQ(std::make_pair(kind, text),
                  std::make_pair(style.parameters[0].value.kind, style.parameters[0].value.text))
            << value;
    }
}

TEST(MacroLanguageTest, RefusesMalformedLinesAndCommandsOutsideTheGrammarCountingEveryLine)
{
    const std::pair<std::string, std::string> cases[] = {
        {"REDRAW", "expected a command: \"$!\" and its name, found \"REDRAW\""},
        {"$!", "expected a command: \"$!\" and its name, found \"$!\""},
        {"$! REDRAW", "expected a command: \"$!\" and its name, found \"$! REDRAW\""},
        {"$!REDRAW,", "expected a blank after $!REDRAW, found \",\""},
        // What a line holds cannot steer the terminal the message goes to.
        {std::string("$!RE\0DRAW", 9), "expected a blank after $!RE, found \"\\x00DRAW\""},
        {"$!ROTATE3D AXIS", "expected \"=\" after AXIS"},
        {"$!ROTATE3D AXIS PSI", "expected \"=\" after AXIS"},
        {"$!ROTATE3D AXIS =", "AXIS has no value"},
        {"$!ROTATE3D AXIS = = 3", "AXIS has no value"},
        {"$!ROTATE3D = PSI", "expected a parameter KEY = VALUE, found \"= PSI\""},
        {"$!ROTATE3D 3 = PSI", "expected a parameter KEY = VALUE, found \"3 = PSI\""},
        {"$!STYLE PATH = \"A B", "text is not closed by a double quote"},
        {"$!STYLE PATH = \"A B\\\"", "text is not closed by a double quote"},
        {"$!STYLE PATH = \"A\"B", "expected a blank after the value of PATH, found \"B\""},
        {"$!STYLE VALUE = ab\"c\"", "expected a blank after the value of VALUE, found \"\"c\"\""},
        {"$!FLY", "unknown command $!FLY"},
        {"$!REDRAW FULL = TRUE", "$!REDRAW: unknown parameter FULL"},
        {"$!ROTATE3D AXIS = PSI", "$!ROTATE3D: missing ANGLE"},
        {"$!ROTATE3D AXIS = PSI ANGLE = ten", "$!ROTATE3D: ANGLE must be a number, not TEN"},
        {"$!ROTATE3D AXIS = PSI ANGLE = \"10\"", "$!ROTATE3D: ANGLE must be a number, not \"10\""},
        {"$!ROTATE3D AXIS = X ANGLE = 1", "$!ROTATE3D: AXIS must be one of PSI, THETA, ALPHA, not X"},
        {"$!ROTATE3D AXIS = PSI ANGLE = 1 angle = 2", "$!ROTATE3D: ANGLE is given twice"},
        {"$!NEWFRAME PLOTTYPE = \"XYLINE\"",
         "$!NEWFRAME: PLOTTYPE must be one of CARTESIAN3D, CARTESIAN2D, XYLINE, POLAR, SKETCH, not \"XYLINE\""},
        {"$!FRAMESETUP", "$!FRAMESETUP: missing PLOTTYPE"},
        {"$!LOADSAMPLE NAME = RIPPLE", "$!LOADSAMPLE: NAME must be WAVE, not RIPPLE"},
        {"$!NEWFRAME PLOTTYPE = \"\x1b[2J\r\"",
         "$!NEWFRAME: PLOTTYPE must be one of CARTESIAN3D, CARTESIAN2D, XYLINE, POLAR, SKETCH, not \"\\x1B[2J\\x0D\""},
        {"$!LOADSAMPLE STEPS = 0", "$!LOADSAMPLE: STEPS = 0 is out of range: a whole number from 1 to 10000"},
        {"$!LOADSAMPLE STEPS = 20000", "$!LOADSAMPLE: STEPS = 20000 is out of range: a whole number from 1 to 10000"},
        {"$!LOADSAMPLE STEPS = 2.5", "$!LOADSAMPLE: STEPS must be a whole number, not 2.5"},
        {"$!STYLE PATH = GLOBALTHREED VALUE = 1", "$!STYLE: PATH must be text in double quotes, not GLOBALTHREED"},
        {"$!STYLE VALUE = 1", "$!STYLE: missing PATH"},
        {"$!SOLUTIONTIME TIME = TRUE", "$!SOLUTIONTIME: TIME must be a number, not TRUE"},
        {"$!ADDONCOMMAND ADDON = \"Key Frame Animation\"", "$!ADDONCOMMAND: missing COMMAND"},
        {"$!EXPORTSETUP", "$!EXPORTSETUP: expected one export setting KEYWORD = VALUE"},
        {"$!EXPORTSETUP EXPORTFORMAT = AVI IMAGEWIDTH = 3",
         "$!EXPORTSETUP: expected one export setting KEYWORD = VALUE"},
        {"$!EXPORTSETUP QUALITY = 3", "$!EXPORTSETUP: unknown export keyword QUALITY"},
        {"$!EXPORTSETUP EXPORTFORMAT = MOV",
         "$!EXPORTSETUP: EXPORTFORMAT must be one of AVI, FLASH, FLV, JPEG, MPEG4, PNG, "
         "RASTERMETAFILE, WMV, not MOV"},
        {"$!EXPORTSETUP IMAGEWIDTH = 640.5", "$!EXPORTSETUP: IMAGEWIDTH must be a whole number, not 640.5"},
        {"$!EXPORTSETUP IMAGEWIDTH = 1e10",
         "$!EXPORTSETUP: IMAGEWIDTH = 1E10 is out of range: a whole number from 4 to 16384"},
        {"$!EXPORTSETUP ANIMATIONSPEED = 0",
         "$!EXPORTSETUP: ANIMATIONSPEED = 0 is out of range: a number above 0 and at most 1000"},
        {"$!EXPORTSETUP SUPERSAMPLEFACTOR = 17",
         "$!EXPORTSETUP: SUPERSAMPLEFACTOR = 17 is out of range: a whole number from 1 to 16"},
        {"$!EXPORTSETUP USESUPERSAMPLEANTIALIASING = 1",
         "$!EXPORTSETUP: USESUPERSAMPLEANTIALIASING must be TRUE or FALSE, not 1"},
        {"$!EXPORTSETUP EXPORTFNAME = movie.mp4",
         "$!EXPORTSETUP: EXPORTFNAME must be text in double quotes, not MOVIE.MP4"},
        // The export's values set as styles are checked as $!EXPORTSETUP checks them.
        {"$!STYLE PATH = \"exportsetup imagewidth\" VALUE = 1e10",
         "$!STYLE: IMAGEWIDTH = 1E10 is out of range: a whole number from 4 to 16384"},
        {"$!STYLE PATH = \"EXPORTSETUP ANIMATIONSPEED\" VALUE = 0",
         "$!STYLE: ANIMATIONSPEED = 0 is out of range: a number above 0 and at most 1000"},
        {"$!STYLE PATH = \"EXPORTSETUP EXPORTFNAME\" VALUE = movie.mp4",
         "$!STYLE: EXPORTFNAME must be text in double quotes, not MOVIE.MP4"},
    };
    for (const auto& [line, message] : cases)
        EXPECT_EQ("6: " + message, errorOf(line)) << line;
}
