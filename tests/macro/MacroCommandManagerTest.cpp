#include "macro/MacroCommandManager.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/HostFixture.h"

namespace {

using ParameterList = AddOnMacroCommandManager::ParameterList;

struct Parsed {
    Command_e command;
    ParameterList parameters;
};

Parsed parsed(const std::string& commandString)
{
    Parsed result{OpenSettingsFile, {}};
    macroCommandManager().parse(commandString, result.command, result.parameters);
    return result;
}

void expectParsesTo(const std::string& commandString, Command_e command, const ParameterList& parameters)
{
    SCOPED_TRACE(commandString);
    const Parsed result = parsed(commandString);
    EXPECT_EQ(command, result.command);
    EXPECT_EQ(parameters, result.parameters);
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

TEST(MacroCommandComposeTest, WritesCanonicalNamesAndQuotesValuesWithBlanks)
{
    const AddOnMacroCommandManager& manager = macroCommandManager();
    EXPECT_EQ("Animate", manager.compose(Animate, {}));
    EXPECT_EQ("Animate AnimationDestination=ToFile", manager.compose(Animate, {{AnimationDestination, "ToFile"}}));
    const ParameterList withBlank{{FileName, "/home/me/my anim.keyframe"}};
    const std::string text = manager.compose(OpenSettingsFile, withBlank);
    EXPECT_EQ("OpenSettingsFile FileName=\"/home/me/my anim.keyframe\"", text);
    expectParsesTo(text, OpenSettingsFile, withBlank);
    EXPECT_THROW_MSG(manager.compose(static_cast<Command_e>(2), {}), std::out_of_range, "Enumeration out of range.");
}

TEST(MacroCommandValueTest, DestinationMustBeExactlyOneName)
{
    const auto destinationOf = [](const std::string& text) {
        Destination_e destination = OnScreen;
        macroCommandManager().getParameterValue(AnimationDestination, {{AnimationDestination, text}}, destination);
        return destination;
    };
    EXPECT_EQ(ToFile, destinationOf("ToFile"));
    EXPECT_EQ(ToFile, destinationOf("TOFILE"));
    EXPECT_EQ(OnScreen, destinationOf("onscreen"));
    for (const char* text : {"Screen", "OnScreenX", " OnScreen", "OnScreen ", "On Screen", "ToFile ToFile", "", "1"}) {
        SCOPED_TRACE(text);
        Destination_e destination = ToFile;
        EXPECT_THROW_MSG(
            macroCommandManager().getParameterValue(AnimationDestination, {{AnimationDestination, text}}, destination),
            KeyFrameError, "Invalid macro command: invalid value for parameter \"AnimationDestination\"");
        EXPECT_EQ(ToFile, destination);
    }
}

TEST(MacroCommandValueTest, TheFirstOccurrenceCountsAndAMissingParameterIsNamed)
{
    std::string text = "unchanged";
    macroCommandManager().getParameterValue(
        FileName, {{AnimationDestination, "ToFile"}, {FileName, " my anim "}, {FileName, "second"}}, text);
    EXPECT_EQ(" my anim ", text);
    Destination_e destination = ToFile;
    EXPECT_THROW_MSG(
        macroCommandManager().getParameterValue(AnimationDestination, parsed("Animate").parameters, destination),
        KeyFrameError, "Invalid macro command: missing value for parameter \"AnimationDestination\"");
    std::string fileName;
    EXPECT_THROW_MSG(macroCommandManager().getParameterValue(FileName, {{AnimationDestination, "x"}}, fileName),
                     KeyFrameError, "Invalid macro command: missing value for parameter \"FileName\"");
}

class MacroCommandRecordTest : public HostFixture {};

TEST_F(MacroCommandRecordTest, RecordsOneCommandInTheHostsForm)
{
    host().macro.setRecording(true);
    macroCommandManager().recordCommand(OpenSettingsFile, {{FileName, "/tmp/my anim.keyframe"}});
    EXPECT_EQ((std::vector<std::string>{"$!ADDONCOMMAND ADDON = \"Key Frame Animation\" "
                                        "COMMAND = \"OpenSettingsFile FileName=\\\"/tmp/my anim.keyframe\\\"\""}),
              host().macro.lines());
}

TEST_F(MacroCommandRecordTest, RecordsNothingWhileTheHostDoesNotRecord)
{
    macroCommandManager().recordCommand(Animate, {{AnimationDestination, "OnScreen"}});
    macroCommandManager().record(Animate, {{AnimationDestination, "OnScreen"}});
    EXPECT_TRUE(host().macro.lines().empty());
}

TEST_F(MacroCommandRecordTest, AFailedComposeReleasesTheLock)
{
    host().macro.setRecording(true);
    EXPECT_THROW(macroCommandManager().recordCommand(static_cast<Command_e>(7), {}), std::out_of_range);
    EXPECT_TRUE(host().macro.lines().empty());
}

}  // namespace
