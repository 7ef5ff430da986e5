#include "settingsfile/KeyFrameFile.h"

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/predicate.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <filesystem>
#include <fstream>
#include <limits>
#include <locale>
#include <sstream>
#include <stdexcept>

#include "addon/AddOnNames.h"
#include "addon/KeyFrameError.h"
#include "settingsfile/ReplaceFileContent.h"
#include "settingsfile/SettingsFileNames.h"

namespace {

const int FileVersion = 1;
const double WidthLimit = 1e150;

// The value of `word` in E's table, letter case ignored; false when the
// table has no such word. Every entry line is first looked up as a section
// header, so a miss is the common case and raises nothing.
template <typename E>
bool lookUp(const std::string& word, E& value)
{
    return enumNameMap<E>().findEnum(word, value);
}

template <typename E>
const std::string& nameOf(E value)
{
    return enumNameMap<E>().toString(value);
}

// A stream over one line that reads numbers the same wherever the host runs.
// A section reads all its lines through one such stream: making a stream
// and giving it its locale costs more than reading a line.
class EntryStream : public std::istringstream {
public:
    explicit EntryStream(const std::string& line = std::string()) : std::istringstream(line)
    {
        imbue(std::locale::classic());
    }

    // Starts over on `line`, with the state cleared.
    EntryStream& over(const std::string& line)
    {
        str(line);
        clear();
        return *this;
    }
};

// The blanks trimmed off a line; a plain test, made for every character.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string firstWord(std::istream& entry)
{
    std::string word;
    entry >> word;
    return word;
}

// Exactly the words true and false.
bool readBoolean(std::istream& entry, bool& value)
{
    const std::string word = firstWord(entry);
    if (word != "true" && word != "false")
        return false;
    value = word == "true";
    return true;
}

// A decimal integer from 1 to the largest unsigned 32-bit value. Read
// through a wider signed type: reading straight into an unsigned one would
// take -1 as 4294967295.
bool readFrameCount(std::istream& entry, uint32_t& frameCount)
{
    long long value = 0;
    if (!(entry >> value) || value < 1 || value > std::numeric_limits<uint32_t>::max())
        return false;
    frameCount = static_cast<uint32_t>(value);
    return true;
}

// The text between the first double quote of the line and the next one.
bool readQuotedName(const std::string& line, std::string& name)
{
    const std::string::size_type open = line.find('"');
    const std::string::size_type close = open == std::string::npos ? open : line.find('"', open + 1);
    if (close == std::string::npos)
        return false;
    name = line.substr(open + 1, close - open - 1);
    return true;
}

std::string invalidSettingText(SettingId_e setting)
{
    return "Invalid value for " + nameOf(setting) + " setting.";
}

// The name as written. The reader takes the text up to the first double
// quote inside the name, so one that begins with quotes would read as empty
// and the whole file be refused: those quotes are left out.
std::string writtenName(const std::string& name)
{
    const std::string::size_type start = name.find_first_not_of('"');
    return start == std::string::npos ? std::string() : name.substr(start);
}

std::ostream& beginEntry(std::ostream& file, const std::string& key)
{
    return file << "\n " << key << ' ';
}

}  // namespace

KeyFrameFile::~KeyFrameFile() = default;

void KeyFrameFile::read(const std::string& fileName, AnimationSettings_s& settings, ListModelKeyFrame& keyFrames)
{
    AnimationSettings_s workingSettings = settings;
    std::vector<KeyFrame_s> workingKeyFrames;
    read(fileName, workingSettings, workingKeyFrames);
    // The list first: replacing it may fail, assigning the settings cannot.
    keyFrames.setKeyFrames(workingKeyFrames);
    settings = workingSettings;
}

void KeyFrameFile::read(const std::string& fileName, AnimationSettings_s& settings, std::vector<KeyFrame_s>& keyFrames)
{
    std::ifstream file(fileName);
    // A folder opens as a stream but cannot be read.
    std::error_code ignored;
    if (!file.is_open() || std::filesystem::is_directory(fileName, ignored))
        throw KeyFrameError("Unable to open file for reading.");
    read(file, settings, keyFrames);
}

void KeyFrameFile::read(std::istream& file, AnimationSettings_s& settings, std::vector<KeyFrame_s>& keyFrames)
{
    readHeader(file);
    AnimationSettings_s workingSettings = settings;
    std::vector<KeyFrame_s> workingKeyFrames;
    std::string line;
    while (getNextLine(file, line)) {
        SectionId_e section = SectionId_Settings;
        if (!lookUp(line, section))
            raiseReadError("Unknown section header: " + line);
        if (section == SectionId_Settings)
            readSettingsSection(file, workingSettings);
        else
            workingKeyFrames.push_back(readKeyFrameViewSection(file));
    }
    if (file.fail() && !file.eof())
        raiseReadError("Error during file read.");
    keyFrames.swap(workingKeyFrames);
    settings = workingSettings;
}

// Blank lines count only once a line follows them, so that an error found at
// the end of the file names its last line however many blank lines end it.
bool KeyFrameFile::getNextLine(std::istream& file, std::string& line)
{
    uint32_t linesRead = 0;
    while (std::getline(file, line)) {
        ++linesRead;
        boost::algorithm::trim_if(line, isBlank);
        if (!line.empty()) {
            lineCounter_ += linesRead;
            return true;
        }
    }
    line.clear();
    return false;
}

void KeyFrameFile::readHeader(std::istream& file)
{
    std::string line;
    getNextLine(file, line);
    EntryStream header(line);
    std::string word;
    int version = 0;
    header >> word >> version;
    if (!header || !boost::algorithm::iequals(word, KeyFrameFileHeader, std::locale::classic()))
        throw KeyFrameError("Invalid file header.");
    if (version > FileVersion)
        throw KeyFrameError("File created with a newer version of the Key Frame add-on.");
}

// A section left open at the end of the file ends there.
void KeyFrameFile::readSettingsSection(std::istream& file, AnimationSettings_s& settings)
{
    EntryStream entry;
    std::string line;
    while (getNextLine(file, line)) {
        entry.over(line);
        const std::string key = firstWord(entry);
        SectionId_e section = SectionId_Settings;
        if (lookUp(key, section)) {
            if (section == SectionId_Settings)
                return;
            raiseReadError("Missing end marker for Settings section.");
        }
        readSetting(key, entry, settings);
    }
}

void KeyFrameFile::readSetting(const std::string& key, std::istream& entry, AnimationSettings_s& settings)
{
    SettingId_e setting = SettingId_AnimateTime;
    if (!lookUp(key, setting))
        raiseReadError("Unrecognized setting entry.");
    const std::string booleanText = invalidSettingText(setting) + "\nValue must be \"true\" or \"false\".";
    switch (setting) {
    case SettingId_AnimateTime:
        if (!readBoolean(entry, settings.animateTime))
            raiseReadError(booleanText);
        break;
    case SettingId_TimeAnimationOperation:
        if (!lookUp(firstWord(entry), settings.timeAnimationOperation))
            raiseReadError(invalidSettingText(setting));
        break;
    case SettingId_NumCycles:
        if (!(entry >> settings.numCycles) || settings.numCycles < 1)
            raiseReadError(invalidSettingText(setting) + "\nValue must be an integer greater than 1.");
        break;
    case SettingId_AnimateStreamtraces:
        if (!readBoolean(entry, settings.animateStreamtraces))
            raiseReadError(booleanText);
        break;
    case SettingId_FadeIn:
        if (!readBoolean(entry, settings.fadeIn))
            raiseReadError(booleanText);
        break;
    case SettingId_FadeOut:
        if (!readBoolean(entry, settings.fadeOut))
            raiseReadError(booleanText);
        break;
    }
}

KeyFrame_s KeyFrameFile::readKeyFrameViewSection(std::istream& file)
{
    std::vector<double> position;
    std::vector<double> angle;
    double width = 0.0;
    std::string name;
    uint32_t frameCount = 0;
    double solutionTime = 0.0;
    EntryStream entry;
    std::string line;
    while (getNextLine(file, line)) {
        entry.over(line);
        const std::string key = firstWord(entry);
        SectionId_e section = SectionId_KeyFrameView;
        if (lookUp(key, section)) {
            if (section == SectionId_KeyFrameView)
                break;
            raiseReadError("Missing end marker for KeyFrameView section.");
        }
        KeyFrameItemId_e item = KeyFrameItemId_Name;
        if (!lookUp(key, item))
            raiseReadError("Unrecognized KeyFrameItem entry.");
        switch (item) {
        case KeyFrameItemId_Name:
            if (!readQuotedName(line, name))
                raiseReadError("View name must be surrounded in quotation marks.");
            if (name.empty())
                raiseReadError("Unable to read view name.");
            break;
        case KeyFrameItemId_Position:
            readValues(entry, 3, position);
            break;
        case KeyFrameItemId_Angle:
            readValues(entry, 3, angle);
            break;
        case KeyFrameItemId_Width:
            if (!(entry >> width))
                raiseReadError("Unable to read width value.");
            if (width < -WidthLimit || width > WidthLimit)
                raiseReadError("Invalid width value. Width must be between -1e150 and 1e150");
            break;
        case KeyFrameItemId_FrameCount:
            if (!readFrameCount(entry, frameCount))
                raiseReadError("Invalid frameCount value.");
            break;
        case KeyFrameItemId_SolutionTime:
            if (!(entry >> solutionTime))
                raiseReadError("Unable to read solution time value.");
            break;
        }
    }
    // The writer always writes both; a view made up of zeros is no view.
    if (position.empty())
        raiseReadError("Missing Position entry.");
    if (angle.empty())
        raiseReadError("Missing Angle entry.");
    const ThreeDView_s view(position[0], position[1], position[2], angle[0], angle[1], angle[2], width);
    return KeyFrame_s(view, name, frameCount, solutionTime);
}

void KeyFrameFile::readValues(std::istream& entry, std::size_t expectedCount, std::vector<double>& values)
{
    std::vector<double> read;
    double value = 0.0;
    while (entry >> value)
        read.push_back(value);
    if (!entry.eof()) {
        entry.clear();
        raiseReadError("Error reading item from file.\nUnable to convert input to appropriate value: " +
                       firstWord(entry));
    }
    if (read.size() != expectedCount)
        raiseReadError("Mismatch between number of expected values and number of values that could be read."
                       "\nNumber of expected values: " +
                       std::to_string(expectedCount) + "\nNumber of values read: " + std::to_string(read.size()));
    values.swap(read);
}

void KeyFrameFile::raiseReadError(const std::string& message) const
{
    std::string text = "Error reading key frame settings file.\n\n" + message;
    if (lineCounter_ != 0)
        text += "\n\nError occurred on line number " + std::to_string(lineCounter_) + ".";
    throw KeyFrameError(text);
}

void KeyFrameFile::write(const std::string& fileName, const AnimationSettings_s& settings,
                         const ListModelInterface<KeyFrame_s>& keyFrames)
{
    if (keyFrames.getCount() == 0)
        throw KeyFrameError(keyFrames.getEmptyListText());
    std::ostringstream file;
    file.imbue(std::locale::classic());
    file << std::boolalpha << KeyFrameFileHeader << ' ' << FileVersion;
    writeSettingsSection(file, settings);
    writeKeyFrameViewSections(file, keyFrames);
    replaceFileContent(fileName, file.str());
}

void KeyFrameFile::writeSettingsSection(std::ostream& file, const AnimationSettings_s& settings)
{
    const std::string& header = nameOf(SectionId_Settings);
    file << "\n\n" << header;
    beginEntry(file, nameOf(SettingId_AnimateTime)) << settings.animateTime;
    beginEntry(file, nameOf(SettingId_TimeAnimationOperation)) << nameOf(settings.timeAnimationOperation);
    beginEntry(file, nameOf(SettingId_NumCycles)) << settings.numCycles;
    beginEntry(file, nameOf(SettingId_AnimateStreamtraces)) << settings.animateStreamtraces;
    beginEntry(file, nameOf(SettingId_FadeIn)) << settings.fadeIn;
    beginEntry(file, nameOf(SettingId_FadeOut)) << settings.fadeOut;
    file << '\n' << header;
}

void KeyFrameFile::writeKeyFrameViewSections(std::ostream& file, const ListModelInterface<KeyFrame_s>& keyFrames)
{
    const std::string& header = nameOf(SectionId_KeyFrameView);
    for (unsigned index = 0; index < keyFrames.getCount(); ++index) {
        const KeyFrame_s& keyFrame = keyFrames.getItem(index);
        const ThreeDView_s& view = keyFrame.view;
        const std::string name = writtenName(keyFrame.name);
        file << "\n\n" << header;
        // The reader refuses an empty name and a frame count of 0 but gives
        // exactly these to a section without the entry: leaving the entry
        // out keeps such a key frame readable.
        if (!name.empty())
            beginEntry(file, nameOf(KeyFrameItemId_Name)) << '"' << name << '"';
        beginEntry(file, nameOf(KeyFrameItemId_Position)) << view.x << ' ' << view.y << ' ' << view.z;
        beginEntry(file, nameOf(KeyFrameItemId_Angle)) << view.psi << ' ' << view.theta << ' ' << view.alpha;
        beginEntry(file, nameOf(KeyFrameItemId_Width)) << view.width;
        if (keyFrame.frameCount != 0)
            beginEntry(file, nameOf(KeyFrameItemId_FrameCount)) << keyFrame.frameCount;
        beginEntry(file, nameOf(KeyFrameItemId_SolutionTime)) << keyFrame.solutionTime;
        file << '\n' << header;
    }
}
