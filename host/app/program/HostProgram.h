// What zorhost does once the add-on is loaded: play the macro files against
// the host model, with the progress line on the terminal, and write the
// frame log, the contact sheet and the recorded macro asked for.
#ifndef ZORHOST_HOST_PROGRAM_H
#define ZORHOST_HOST_PROGRAM_H

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "program/FrameRange.h"

namespace zorsim {
class Host;
}

namespace zorhost {

constexpr int exitOk = 0;
constexpr int exitFailed = 1;
constexpr int exitUsage = 2;

struct ProgramOptions {
    std::vector<std::string> macroFiles;
    // Empty: not written.
    std::string recordFile;
    std::string frameLogFile;
    std::string contactSheetFile;
    std::string frameFolder;
    // The add-on module, an input no output may overwrite.
    std::string addOnFile;
    bool showProgress = true;
    // Set: the run's one movie is a segment of these frames.
    std::optional<FrameRange> frameRange;
};

// Turns macro recording on when a record file is asked for; call it before
// the add-on is loaded so that recording is on from the start.
void prepareHost(zorsim::Host& host, const ProgramOptions& options);

// Plays every macro file in order and returns the exit status: exitOk when
// every command succeeded and every output was written; exitFailed after
// "MACROFILE:LINE: text" on `errors` for the first command that failed
// (nothing after it is played), or when an output or a movie could not be
// written; exitUsage when a macro file cannot be read or an output names an
// input or cannot be created. Every macro file is read and checked, and
// every output created, before anything is played.
int playMacroFiles(zorsim::Host& host, const ProgramOptions& options, std::ostream& errors);

// Plays every macro file in order as playMacroFiles does, with no outputs,
// drawing and writing nothing, and prints the frames of the run's movie on
// `out`: the count, its frames per second and the movie's export file name,
// apart by tabs; "0" when the run starts no movie. The exit status as playMacroFiles gives it; a run
// that starts a second movie fails at that line.
int countMovieFrames(zorsim::Host& host, const ProgramOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace zorhost

#endif
