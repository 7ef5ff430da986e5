// Reads and writes a key frame settings file: a header line with the format
// version, settings sections and one section per key frame.
//
//   KeyFrameFile().read(fileName, settings, keyFrames);
//
// Make a fresh object for each read or write. Reading is all-or-nothing: a
// refused file raises KeyFrameError, whose text names the problem and, for
// a problem inside the file, its line, and changes neither the settings nor
// the key frames.
#ifndef KFA_SETTINGSFILE_KEY_FRAME_FILE_H
#define KFA_SETTINGSFILE_KEY_FRAME_FILE_H

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "animation/AnimationSettings.h"
#include "gui/ListModelInterface.h"
#include "keyframes/KeyFrame.h"
#include "keyframes/ListModelKeyFrame.h"

class KeyFrameFile {
public:
    KeyFrameFile() = default;
    virtual ~KeyFrameFile();
    KeyFrameFile(const KeyFrameFile&) = delete;
    KeyFrameFile& operator=(const KeyFrameFile&) = delete;

    // Replaces all key frames (announced to the list's observers as one
    // reset) and the settings the file holds (all but the destination);
    // settings the file does not name keep their values.
    void read(const std::string& fileName, AnimationSettings_s& settings, ListModelKeyFrame& keyFrames);
    // The same from the named file, the key frames into a plain list.
    void read(const std::string& fileName, AnimationSettings_s& settings, std::vector<KeyFrame_s>& keyFrames);
    // The same from a file's content in `file`.
    void read(std::istream& file, AnimationSettings_s& settings, std::vector<KeyFrame_s>& keyFrames);

    // Writes the settings and the key frames, in list order. An empty list
    // is refused with its empty-list text, and an existing file is only ever
    // replaced by a complete one.
    void write(const std::string& fileName, const AnimationSettings_s& settings,
               const ListModelInterface<KeyFrame_s>& keyFrames);

private:
    // Takes the next line that is not empty once trimmed into `line`;
    // false when the file has none left. The last line reads the same
    // whether or not a line end follows it. Counts every line it takes, the
    // blank ones too.
    bool getNextLine(std::istream& file, std::string& line);
    void readHeader(std::istream& file);
    void readSettingsSection(std::istream& file, AnimationSettings_s& settings);
    void readSetting(const std::string& key, std::istream& entry, AnimationSettings_s& settings);
    KeyFrame_s readKeyFrameViewSection(std::istream& file);
    // Reads numbers up to the end of the entry; exactly `expectedCount`.
    void readValues(std::istream& entry, std::size_t expectedCount, std::vector<double>& values);
    // Raises the message framed with the file's error prefix and the line.
    [[noreturn]] void raiseReadError(const std::string& message) const;

    static void writeSettingsSection(std::ostream& file, const AnimationSettings_s& settings);
    static void writeKeyFrameViewSections(std::ostream& file, const ListModelInterface<KeyFrame_s>& keyFrames);

    uint32_t lineCounter_ = 0;
};

#endif
