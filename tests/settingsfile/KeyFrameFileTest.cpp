#include "settingsfile/KeyFrameFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "addon/KeyFrameError.h"
#include "support/Assertions.h"
#include "support/FileSystemFaults.h"
#include "support/TempFolder.h"

namespace {

// The file the writer makes of WorkedExampleSettings and
// workedExampleKeyFrames(), kept as a seed of the settings file fuzzer.
std::string workedExample()
{
    const char* sourceDir = std::getenv("KFA_SOURCE_DIR");
    EXPECT_NE(nullptr, sourceDir);
    return readFile(std::string(sourceDir ? sourceDir : "") + "/fuzz/corpus/keyframe/worked-example.keyframe");
}

const char* const Header = "#!KeyFrame 1\n";
// A complete key frame section, ending with a line end.
const char* const ViewSection = "%KeyFrameView\n Position 1 2 3\n Angle 4 5 6\n%KeyFrameView\n";

// Settings in the order of their fields: animateTime, timeAnimationOperation,
// numCycles, destination, animateStreamtraces, fadeIn, fadeOut.
const AnimationSettings_s WorkedExampleSettings{false, Forward, 1, OnScreen, false, true, false};
// Unlike the defaults in every field the file holds.
const AnimationSettings_s Unusual{true, Bounce, 7, ToFile, true, true, true};

std::vector<KeyFrame_s> workedExampleKeyFrames()
{
    return {
        KeyFrame_s(ThreeDView_s(10.5, -3.25, 8, 60, 30, 0, 4.5), "View 1", 30, 0.0),
        KeyFrame_s(ThreeDView_s(12, -1, 6.75, 45, 60, 0, 3.2), "View 2", 30, 0.5),
    };
}

std::string framed(const std::string& message, int line)
{
    return "Error reading key frame settings file.\n\n" + message + "\n\nError occurred on line number " +
           std::to_string(line) + ".";
}

std::string mismatch(int valuesRead)
{
    return "Mismatch between number of expected values and number of values that could be read.\n"
           "Number of expected values: 3\nNumber of values read: " +
           std::to_string(valuesRead);
}

}  // namespace

// Key frames as readable text in failure messages.
void PrintTo(const KeyFrame_s& keyFrame, std::ostream* out)
{
    const ThreeDView_s& view = keyFrame.view;
    *out << '"' << keyFrame.name << "\" (" << view.x << ' ' << view.y << ' ' << view.z << ", " << view.psi << ' '
         << view.theta << ' ' << view.alpha << ", " << view.width << ") " << keyFrame.frameCount << ' '
         << keyFrame.solutionTime;
}

// The fixture hears the changes of the key frames.
class KeyFrameFileTest : public ::testing::Test, public ListModelObserverInterface {
protected:
    KeyFrameFileTest() { keyFrames.addObserver(this); }
    void modelChanged(const ListModelChange_s& change) override { changes.push_back(change.type); }

    // Reads `text` as a file into `settings` and `keyFrames`.
    void readText(const std::string& text)
    {
        writeFile(fileName, text);
        KeyFrameFile().read(fileName, settings, keyFrames);
    }

    std::string writeAndGetText()
    {
        KeyFrameFile().write(fileName, settings, keyFrames);
        return readFile(fileName);
    }

    TempFolder folder;
    const std::string fileName = folder.path("animation.keyframe");
    AnimationSettings_s settings;
    ListModelKeyFrame keyFrames;
    std::vector<ListModelChangeType_e> changes;
};

TEST_F(KeyFrameFileTest, WritesTheWorkedExampleByteForByteAndReadsItBack)
{
    settings = WorkedExampleSettings;
    keyFrames.setKeyFrames(workedExampleKeyFrames());
    EXPECT_EQ(workedExample(), writeAndGetText());
    EXPECT_EQ(std::vector<std::string>{"animation.keyframe"}, folder.entries()) << "no temporary file is left";

    settings = Unusual;
    keyFrames.setKeyFrames({});
    changes.clear();
    KeyFrameFile().read(fileName, settings, keyFrames);
    EXPECT_EQ(std::vector<ListModelChangeType_e>{Reset}, changes);
    EXPECT_TRUE((AnimationSettings_s{false, Forward, 1, ToFile, false, true, false}) == settings)
        << "every field but the destination comes from the file";
    EXPECT_EQ(workedExampleKeyFrames(), keyFrames.getKeyFrames());
}

TEST_F(KeyFrameFileTest, RefusedFilesReportTheFramedMessageAndChangeNothing)
{
    struct Case {
        std::string text;
        std::string message;
    };
    const std::string settingsStart = std::string(Header) + "%Settings\n";
    const std::string viewStart = std::string(Header) + "%KeyFrameView\n";
    const std::string booleanText = "\nValue must be \"true\" or \"false\".";
    const Case cases[] = {
        {"", "Invalid file header."},
        {"#!KeyFrame one\n", "Invalid file header."},
        {"#!KeyFrame 2\n", "File created with a newer version of the Key Frame add-on."},
        {"#!KeyFrame 1\n\n%Settings\n Loops 3\n", framed("Unrecognized setting entry.", 4)},
        {"#!KeyFrame 1\n\n%Settings extra\n", framed("Unknown section header: %Settings extra", 3)},
        {std::string(Header) + ViewSection + "\n\n Position 1 2 3\n",
         framed("Unknown section header: Position 1 2 3", 8)},
        {settingsStart + " FadeIn true\n%KeyFrameView\n", framed("Missing end marker for Settings section.", 4)},
        {viewStart + " Position 1 2 3\n%Settings\n", framed("Missing end marker for KeyFrameView section.", 4)},
        {viewStart + " Zoom 2\n", framed("Unrecognized KeyFrameItem entry.", 3)},
        {settingsStart + " AnimateTime True\n", framed("Invalid value for AnimateTime setting." + booleanText, 3)},
        {settingsStart + " FadeIn\n", framed("Invalid value for FadeIn setting." + booleanText, 3)},
        {settingsStart + " TimeAnimationOperation Backward\n",
         framed("Invalid value for TimeAnimationOperation setting.", 3)},
        {settingsStart + " NumCycles 0\n",
         framed("Invalid value for NumCycles setting.\nValue must be an integer greater than 1.", 3)},
        {settingsStart + " NumCycles 2147483648\n",
         framed("Invalid value for NumCycles setting.\nValue must be an integer greater than 1.", 3)},
        {viewStart + " Name View 1\n", framed("View name must be surrounded in quotation marks.", 3)},
        {viewStart + " Name \"View 1\n", framed("View name must be surrounded in quotation marks.", 3)},
        {viewStart + " Name \"\"\n", framed("Unable to read view name.", 3)},
        {viewStart + " Position 1 2\n", framed(mismatch(2), 3)},
        {viewStart + " Angle 1 2 3 4\n", framed(mismatch(4), 3)},
        {viewStart + " Position 1 2 x\n",
         framed("Error reading item from file.\nUnable to convert input to appropriate value: x", 3)},
        {viewStart + " Width wide\n", framed("Unable to read width value.", 3)},
        {viewStart + " Width 1.0000001e150\n",
         framed("Invalid width value. Width must be between -1e150 and 1e150", 3)},
        {viewStart + " FrameCount 0\n", framed("Invalid frameCount value.", 3)},
        {viewStart + " FrameCount 4294967296\n", framed("Invalid frameCount value.", 3)},
        {viewStart + " FrameCount -1\n", framed("Invalid frameCount value.", 3)},
        {viewStart + " FrameCount 0x10\n", framed("Invalid frameCount value.", 3)},
        {viewStart + " FrameCount twelve\n", framed("Invalid frameCount value.", 3)},
        {viewStart + " SolutionTime now\n", framed("Unable to read solution time value.", 3)},
        {viewStart + " Angle 4 5 6\n\n%KeyFrameView\n", framed("Missing Position entry.", 5)},
        {viewStart + " Position 1 2 3\n%KeyFrameView\n", framed("Missing Angle entry.", 4)},
        // A section left open at the end is reported at its last line, blank lines after it aside.
        {viewStart + " FrameCount 2\n\n  \n", framed("Missing Position entry.", 3)},
        // A refusal after complete sections takes none of them over.
        {std::string(Header) + "%Settings\n NumCycles 4\n%Settings\n" + ViewSection + "%Bogus\n",
         framed("Unknown section header: %Bogus", 9)},
    };
    for (const Case& c : cases) {
        settings = Unusual;
        keyFrames.setKeyFrames(workedExampleKeyFrames());
        changes.clear();
        EXPECT_THROW_MSG(readText(c.text), KeyFrameError, c.message);
        EXPECT_TRUE(Unusual == settings) << c.text;
        EXPECT_EQ(workedExampleKeyFrames(), keyFrames.getKeyFrames()) << c.text;
        EXPECT_TRUE(changes.empty()) << c.text;
    }
    // A file that cannot be opened has no line to name.
    EXPECT_THROW_MSG(KeyFrameFile().read(folder.path("missing.keyframe"), settings, keyFrames), KeyFrameError,
                     "Unable to open file for reading.");
    EXPECT_TRUE(Unusual == settings);
}

TEST_F(KeyFrameFileTest, AcceptsTheFreedomsOfTheFormat)
{
    struct Case {
        std::string text;
        AnimationSettings_s settings;
        std::vector<KeyFrame_s> keyFrames;
    };
    const AnimationSettings_s bounceTwice{false, Bounce, 2, OnScreen, false, false, false};
    const AnimationSettings_s fadeOut{false, Forward, 1, OnScreen, false, false, true};
    const AnimationSettings_s asCaptured{false, AsCaptured, 1, OnScreen, false, false, false};
    const KeyFrame_s plain(ThreeDView_s(1, 2, 3, 4, 5, 6, 0), "", 0, 0.0);
    const std::vector<KeyFrame_s> none;
    const Case cases[] = {
        {"\n  \n#!keyframe 1", {}, none},
        {"#!KeyFrame 0 written by hand\n", {}, none},
        {"#!KeyFrame 1\n%settings\n numcycles 2\n timeAnimationOperation bounce\n%SETTINGS\n\n\n  \n", bounceTwice,
         none},
        {"#!KeyFrame 1\r\n\r\n\t%Settings \r\n\tFadeOut true\r\n%Settings\r\n", fadeOut, none},
        {"#!KeyFrame 1\n%Settings\n TimeAnimationOperation AsCaptured\n%Settings with a word\n", asCaptured, none},
        {"#!KeyFrame 1\n%Settings\n FadeOut true", fadeOut, none},
        {"#!KeyFrame 1\n%Settings\n NumCycles 2\n%Settings\n%Settings\n TimeAnimationOperation Bounce\n"
         " NumCycles 3 cycles\n NumCycles 2\n%Settings",
         bounceTwice, none},
        {std::string(Header) + ViewSection, {}, {plain}},
        {std::string(Header) + "%KeyFrameView\n Angle 0 0 0\n Angle 4 5 6\n Position 1 2 3", {}, {plain}},
        {std::string(Header) +
             "%KeyFrameView\n Name \"A\" B\" C\n Position 1 2 3\n Angle 4 5 6\n"
             " Width -1e150 wide\n FrameCount 4294967295 frames\n SolutionTime -2.5e-300 s\n%KeyFrameView\n"
             "%KeyFrameView\n Name x\"y\"z\n Position 0 0 0\n Angle 0 0 0\n Width 1E+150\n%KeyFrameView",
         {},
         {KeyFrame_s(ThreeDView_s(1, 2, 3, 4, 5, 6, -1e150), "A", 4294967295U, -2.5e-300),
          KeyFrame_s(ThreeDView_s(0, 0, 0, 0, 0, 0, 1e150), "y", 0, 0.0)}},
    };
    for (const Case& c : cases) {
        settings = AnimationSettings_s();
        keyFrames.setKeyFrames(workedExampleKeyFrames());
        ASSERT_NO_THROW(readText(c.text)) << c.text;
        EXPECT_TRUE(c.settings == settings) << c.text;
        EXPECT_EQ(c.keyFrames, keyFrames.getKeyFrames()) << c.text;
    }
}

TEST_F(KeyFrameFileTest, WritesSixSignificantDigitsAndLeavesOutWhatTheReaderWouldRefuse)
{
    // An empty name and a frame count of 0 are what a section without these
    // entries gives; written out as such they would be refused. The reader
    // takes a name up to its second quote, so leading quotes are left out.
    keyFrames.setKeyFrames(
        {KeyFrame_s(ThreeDView_s(0.1234567, 2e6, 8.0, -0.00001, 123456.7, 1e-300, 0.5), "\"\"", 0, -1234567.0),
         KeyFrame_s(ThreeDView_s(), "\"Top\" view", 4000000000U, 0.0)});
    EXPECT_EQ(std::string(Header) +
                  "\n%Settings\n AnimateTime false\n TimeAnimationOperation Forward\n NumCycles 1\n"
                  " AnimateStreamtraces false\n FadeIn false\n FadeOut false\n%Settings\n"
                  "\n%KeyFrameView\n Position 0.123457 2e+06 8\n Angle -1e-05 123457 1e-300\n Width 0.5\n"
                  " SolutionTime -1.23457e+06\n%KeyFrameView\n"
                  "\n%KeyFrameView\n Name \"Top\" view\"\n Position 0 0 0\n Angle 0 0 0\n Width 0\n"
                  " FrameCount 4000000000\n SolutionTime 0\n%KeyFrameView",
              writeAndGetText());
    KeyFrameFile().read(fileName, settings, keyFrames);
    EXPECT_EQ((std::vector<KeyFrame_s>{
                  KeyFrame_s(ThreeDView_s(0.123457, 2e6, 8.0, -0.00001, 123457, 1e-300, 0.5), "", 0, -1234570.0),
                  KeyFrame_s(ThreeDView_s(), "Top", 4000000000U, 0.0)}),
              keyFrames.getKeyFrames());
}

TEST_F(KeyFrameFileTest, AWriteThatFailsKeepsTheOldFileAndLeavesNoOther)
{
    writeFile(fileName, workedExample());
    EXPECT_THROW(KeyFrameFile().write(fileName, settings, keyFrames), KeyFrameError) << "no key frames";
    keyFrames.setKeyFrames({KeyFrame_s(ThreeDView_s(), "new", 5, 0)});
    {
        FileSizeLimit diskFull(100);
        EXPECT_THROW(KeyFrameFile().write(fileName, settings, keyFrames), KeyFrameError);
    }
    EXPECT_EQ(workedExample(), readFile(fileName));
    EXPECT_EQ(std::vector<std::string>{"animation.keyframe"}, folder.entries());
}
