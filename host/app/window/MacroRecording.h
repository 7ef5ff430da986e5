// File > Record Macro... and Stop Recording: the host records every command
// from the start on, and stopping writes what was recorded since, one
// command a line, to the chosen file. The file is replaced whole or not at
// all (written under a temporary name and renamed).
#ifndef ZORHOST_MACRO_RECORDING_H
#define ZORHOST_MACRO_RECORDING_H

#include <cstddef>
#include <string>

namespace zorsim {
class MacroModel;
}

namespace zorhost {

class MacroRecording {
public:
    explicit MacroRecording(zorsim::MacroModel& macro) : macro_(macro) {}

    bool isRecording() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    void start(const std::string& path);
    // Writes the recording and stops it; returns an empty text then. When
    // the file cannot be written, recording goes on, nothing recorded is
    // lost, and the text says why.
    std::string stop();
    // Stopping will write to `path` instead.
    void moveTo(const std::string& path) { path_ = path; }

private:
    zorsim::MacroModel& macro_;
    std::string path_;
    std::size_t firstLine_ = 0;
};

}  // namespace zorhost

#endif
