// The files a run of zorhost writes besides its movies: the recorded macro,
// the frame log, the contact sheet and the frame folder. Each is created when the run starts,
// so that an output that cannot be made is refused before anything is
// played, and each replaces its file only when it is complete.
#ifndef ZORHOST_PROGRAM_OUTPUTS_H
#define ZORHOST_PROGRAM_OUTPUTS_H

#include <optional>
#include <string>
#include <vector>

#include "log/FrameLog.h"
#include "output/AtomicFile.h"
#include "program/HostProgram.h"
#include "program/TerminalFace.h"
#include "sheet/ContactSheet.h"
#include "sheet/FrameFolder.h"

namespace zorsim {
class Host;
}

namespace zorhost {

class ProgramOutputs {
public:
    // Throws OutputFileError, naming the output, when an output names an
    // input or another output, or cannot be created.
    explicit ProgramOutputs(const ProgramOptions& options);
    ProgramOutputs(const ProgramOutputs&) = delete;
    ProgramOutputs& operator=(const ProgramOutputs&) = delete;

    // Null when not asked for.
    FrameLog* log() { return log_ ? &*log_ : nullptr; }
    ContactSheet* sheet() { return sheet_ ? &*sheet_ : nullptr; }
    const FrameFolder* frames() const { return frames_ ? &*frames_ : nullptr; }

    // Why a movie may not be written to `movie`: a message naming it and
    // the input (a macro file, the add-on, one of `settingsFiles`) or output
    // it would overwrite; empty when it may.
    std::string movieRefusal(const std::string& movie, const std::vector<std::string>& settingsFiles) const;

    // Completes the contact sheet when a frame was drawn, the frame log,
    // and the recorded macro when every command succeeded; an output not
    // completed leaves its file as it was. Every failure and every output
    // left out is reported through `face`; false when one failed.
    bool complete(const zorsim::Host& host, bool commandsSucceeded, TerminalFace& face);

private:
    const ProgramOptions& options_;
    std::optional<AtomicFile> recordFile_;
    std::optional<AtomicFile> logFile_;
    std::optional<AtomicFile> sheetFile_;
    std::optional<FrameLog> log_;
    std::optional<ContactSheet> sheet_;
    std::optional<FrameFolder> frames_;
};

}  // namespace zorhost

#endif
