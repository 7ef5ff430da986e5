#include "macro/MacroCommandManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Assertions.h"

namespace {

using ParameterList = AddOnMacroCommandManager::ParameterList;

void expectParsesTo(const std::string& commandString, Command_e command, const ParameterList& parameters)
{
    SCOPED_TRACE(commandString);
    Command_e parsedCommand = command == Animate ? OpenSettingsFile : Animate;
    ParameterList parsedParameters;
    macroCommandManager().parse(commandString, parsedCommand, parsedParameters);
    EXPECT_EQ(command, parsedCommand);
    EXPECT_EQ(parameters, parsedParameters);
}

TEST(MacroCommandParseTest, AcceptsTheGrammarInAnyCaseAndSpacingAndQuotedValues)
{
    const struct {
        const char* commandString;
        Command_e command;
        ParameterList parameters;
    } cases[] = {
        {"Animate", Animate, {}},
        {"   Animate   AnimationDestination=OnScreen  ", Animate, {{AnimationDestination, "OnScreen"}}},
        {"animate animationdestination=onscreen", Animate, {{AnimationDestination, "onscreen"}}},
        {"Animate AnimationDestination=ToFile FileName=a AnimationDestination=OnScreen",
         Animate,
         {{AnimationDestination, "ToFile"}, {FileName, "a"}, {AnimationDestination, "OnScreen"}}},
        {"OpenSettingsFile FileName=C:\\anim.keyframe", OpenSettingsFile, {{FileName, "C:\\anim.keyframe"}}},
        {"OpenSettingsFile FileName=", OpenSettingsFile, {{FileName, ""}}},
        {"OpenSettingsFile FileName=a=b\tc", OpenSettingsFile, {{FileName, "a=b\tc"}}},
        {"OpenSettingsFile FileName=\"/home/me/my  anim.keyframe\"",
         OpenSettingsFile,
         {{FileName, "/home/me/my  anim.keyframe"}}},
        {"OpenSettingsFile FileName=\" a \" AnimationDestination=ToFile",
         OpenSettingsFile,
         {{FileName, " a "}, {AnimationDestination, "ToFile"}}},
        {"OpenSettingsFile FileName=\"\"x.keyframe\"\"", OpenSettingsFile, {{FileName, "x.keyframe"}}},
        {"OpenSettingsFile FileName=\"\"\"", OpenSettingsFile, {{FileName, ""}}},
        // The quoted part ends at the first quote; the word runs on to a blank.
        {"OpenSettingsFile FileName=\"a b\"c FileName=d", OpenSettingsFile, {{FileName, "a b\"c"}, {FileName, "d"}}},
    };
    for (const auto& c : cases)
        expectParsesTo(c.commandString, c.command, c.parameters);
}

TEST(MacroCommandParseTest, RefusesWithExactTextAndLeavesTheOutputsAlone)
{
    const char* const Unmatched = "Invalid macro command string format. Unmatched quotation mark.";
    const struct {
        const char* commandString;
        const char* message;
    } refusals[] = {
        {"", "Invalid macro command string."},
        {"    ", "Invalid macro command string."},
        {"\t", "Unknown macro command: \t"},
        {"Animates AnimationDestination=OnScreen", "Unknown macro command: Animates"},
        {"AnimationDestination=OnScreen", "Unknown macro command: AnimationDestination=OnScreen"},
        {"Animate OnScreen", "Invalid macro command string format."},
        {"Animate AnimationDestination=OnScreen ToFile", "Invalid macro command string format."},
        {"Animate OnScreen FileName=x", "Invalid macro parameter string: OnScreen"},
        {"OpenSettingsFile File=x", "Unknown macro parameter: File"},
        {"OpenSettingsFile =x", "Unknown macro parameter: "},
        {"OpenSettingsFile  FileName =x", "Invalid macro parameter string: FileName"},
        {"OpenSettingsFile FileName=\"my anim.keyframe", Unmatched},
        {"OpenSettingsFile FileName=\"", Unmatched},
        {"OpenSettingsFile FileName=\"\"a b\"\"", "Invalid macro command string format."},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.commandString);
        Command_e command = Animate;
        ParameterList parameters{{FileName, "kept"}};
        EXPECT_THROW_MSG(macroCommandManager().parse(refusal.commandString, command, parameters), KeyFrameError,
                         refusal.message);
        EXPECT_EQ(Animate, command);
        EXPECT_EQ((ParameterList{{FileName, "kept"}}), parameters);
    }
}

TEST(MacroCommandComposeTest, WritesCanonicalNamesAndQuotesValuesWithBlanksSoThatParseReadsThemBack)
{
    const ParameterList withBlank{{AnimationDestination, "ToFile"}, {FileName, "/home/me/my anim.keyframe"}};
    const std::string text = macroCommandManager().compose(OpenSettingsFile, withBlank);
    EXPECT_EQ("OpenSettingsFile AnimationDestination=ToFile FileName=\"/home/me/my anim.keyframe\"", text);
    expectParsesTo(text, OpenSettingsFile, withBlank);
    EXPECT_EQ("Animate", macroCommandManager().compose(Animate, {}));
}

// The first occurrence counts; a destination is exactly one of its names,
// and a refused value leaves the output alone.
TEST(MacroCommandValueTest, ReadsTheFirstOccurrenceAsExactlyOneName)
{
    Destination_e destination = ToFile;
    macroCommandManager().getParameterValue(
        AnimationDestination, {{FileName, "x"}, {AnimationDestination, "onscreen"}, {AnimationDestination, "ToFile"}},
        destination);
    EXPECT_EQ(OnScreen, destination);
    for (const char* text : {"OnScreenX", "OnScreen ", "On Screen", "OnScreen ToFile", ""}) {
        SCOPED_TRACE(text);
        EXPECT_THROW_MSG(
            macroCommandManager().getParameterValue(AnimationDestination, {{AnimationDestination, text}}, destination),
            KeyFrameError, "Invalid macro command: invalid value for parameter \"AnimationDestination\"");
        EXPECT_EQ(OnScreen, destination);
    }
}

}  // namespace
