// What must hold for any settings file: it either reads or is refused with
// the add-on's error; a refused file leaves the settings and the key frames
// as they were; a line end after the last line changes nothing (the same
// refusal, or the same settings and key frames); a file that reads,
// written again and read back, gives the same settings and key frames, each
// number rounded to the six significant digits the writer keeps.
#ifndef KFA_FUZZ_KEY_FRAME_FILE_PROPERTY_H
#define KFA_FUZZ_KEY_FRAME_FILE_PROPERTY_H

#include <string>

// Empty when the rule holds for a file holding `fileText`; otherwise what
// went wrong. Works on files of its own in the temporary folder.
std::string keyFrameFilePropertyViolation(const std::string& fileText);

#endif
