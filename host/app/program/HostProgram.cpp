#include "program/HostProgram.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>

#include "log/FrameLog.h"
#include "macro/MacroLanguage.h"
#include "player/FrameRecorder.h"
#include "player/MacroPlayer.h"
#include "player/SampleStore.h"
#include "progress/ProgressBar.h"
#include "sheet/ContactSheet.h"
#include "sheet/PngFile.h"
#include "zorsim/Host.h"

namespace zorhost {

namespace {

struct MacroFile {
    std::string path;
    std::vector<MacroCommand> commands;
};

// Thrown to end the run with a status after its message was printed.
struct RunEnded {
    int status;
};

std::vector<MacroFile> readMacroFiles(const std::vector<std::string>& paths, std::ostream& errors)
{
    std::vector<MacroFile> files;
    for (const std::string& path : paths) {
        std::ifstream in(path);
        if (!in) {
            errors << "zorhost: cannot read the macro file " << path << "\n";
            throw RunEnded{exitUsage};
        }
        try {
            files.push_back({path, readMacro(in)});
        } catch (const MacroError& error) {
            errors << path << ":" << error.line() << ": " << error.what() << "\n";
            throw RunEnded{exitFailed};
        }
        if (in.bad()) {
            errors << "zorhost: cannot read the macro file " << path << "\n";
            throw RunEnded{exitUsage};
        }
    }
    return files;
}

// The host's messages, questions and progress line as zorhost shows them;
// undone when the run ends.
class TerminalFace {
public:
    TerminalFace(zorsim::Host& host, bool showProgress, std::ostream& errors)
        : host_(host), errors_(errors), bar_(stderr)
    {
        showBar_ = showProgress && isatty(STDERR_FILENO) != 0;
        host_.messages.setAnswerAllQuestionsYes(true);
        host_.messages.onMessage = [this](const std::string& text, int) {
            bar_.clear();
            errors_ << text << "\n";
        };
        host_.exports.onStartFailed = [this](const std::string& reason) {
            bar_.clear();
            errors_ << "zorhost: cannot start the movie: " << reason << "\n";
        };
        host_.status.onChange = [this](const zorsim::StatusModel& status) { statusChanged(status); };
        host_.status.pollCancel = [this] { return interrupts_.takeRequest(); };
    }
    ~TerminalFace()
    {
        bar_.clear();
        host_.messages.onMessage = nullptr;
        host_.exports.onStartFailed = nullptr;
        host_.status.onChange = nullptr;
        host_.status.pollCancel = nullptr;
    }
    TerminalFace(const TerminalFace&) = delete;
    TerminalFace& operator=(const TerminalFace&) = delete;

    void report(const std::string& message)
    {
        bar_.clear();
        errors_ << "zorhost: " << message << "\n";
    }

private:
    void statusChanged(const zorsim::StatusModel& status)
    {
        interrupts_.setLineRunning(status.isShown());
        if (!showBar_)
            return;
        if (!status.isShown()) {
            bar_.clear();
            return;
        }
        bar_.show(status.text(), status.percents().empty() ? 0 : status.percents().back());
    }

    zorsim::Host& host_;
    std::ostream& errors_;
    ProgressBar bar_;
    InterruptCancel interrupts_;
    bool showBar_ = false;
};

std::unique_ptr<std::ofstream> openOutput(const std::string& path, const char* what, std::ostream& errors)
{
    if (path.empty())
        return nullptr;
    auto out = std::make_unique<std::ofstream>(path);
    if (!*out) {
        errors << "zorhost: cannot create the " << what << " " << path << "\n";
        throw RunEnded{exitUsage};
    }
    return out;
}

// Plays the files; the status of the run.
int play(zorsim::Host& host, const std::vector<MacroFile>& files, SampleStore& samples, std::ostream& errors)
{
    MacroPlayer player(host, samples);
    for (const MacroFile& file : files) {
        try {
            player.play(file.commands);
        } catch (const MacroError& error) {
            errors << file.path << ":" << error.line() << ": " << error.what() << "\n";
            return exitFailed;
        }
    }
    return exitOk;
}

// Writes the recorded macro, one command a line; false when that failed.
bool writeRecording(const zorsim::Host& host, const std::string& path, std::ostream& errors)
{
    std::ofstream out(path);
    for (const std::string& line : host.macro.lines())
        out << line << "\n";
    out.close();
    if (out)
        return true;
    errors << "zorhost: cannot write the recorded macro " << path << "\n";
    return false;
}

}  // namespace

void prepareHost(zorsim::Host& host, const ProgramOptions& options)
{
    if (!options.recordFile.empty())
        host.macro.setRecording(true);
}

int playMacroFiles(zorsim::Host& host, const ProgramOptions& options, std::ostream& errors)
{
    try {
        const std::vector<MacroFile> files = readMacroFiles(options.macroFiles, errors);
        std::unique_ptr<std::ofstream> logFile = openOutput(options.frameLogFile, "frame log", errors);
        std::optional<FrameLog> log;
        if (logFile != nullptr)
            log.emplace(*logFile);
        std::optional<ContactSheet> sheet;
        if (!options.contactSheetFile.empty())
            sheet.emplace();

        TerminalFace face(host, options.showProgress, errors);
        SampleStore samples;
        int status = exitOk;
        {
            FrameRecorder recorder(host, samples, log ? &*log : nullptr, sheet ? &*sheet : nullptr,
                                   [&face](const std::string& message) { face.report(message); });
            recorder.attach();
            status = play(host, files, samples, errors);
        }
        if (sheet && sheet->frames() == 0) {
            face.report("no frame was drawn, so there is no contact sheet " + options.contactSheetFile);
        } else if (sheet) {
            try {
                sheet->write(options.contactSheetFile);
            } catch (const PngError& error) {
                face.report(error.what());
                status = exitFailed;
            }
        }
        if (logFile != nullptr && !logFile->flush()) {
            face.report("cannot write the frame log " + options.frameLogFile);
            status = exitFailed;
        }
        if (!options.recordFile.empty() && !writeRecording(host, options.recordFile, errors))
            status = exitFailed;
        return status;
    } catch (const RunEnded& ended) {
        return ended.status;
    }
}

}  // namespace zorhost
