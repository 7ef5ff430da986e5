#include "program/HostProgram.h"

#include <fstream>
#include <memory>

#include "macro/MacroLanguage.h"
#include "player/FrameDataStore.h"
#include "player/FrameRecorder.h"
#include "player/MacroPlayer.h"
#include "program/ProgramOutputs.h"
#include "program/TerminalFace.h"
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

void printMacroError(TerminalFace& face, const std::string& path, const MacroError& error)
{
    face.print(path + ":" + std::to_string(error.line()) + ": " + error.what());
}

std::vector<MacroFile> readMacroFiles(const std::vector<std::string>& paths, TerminalFace& face)
{
    std::vector<MacroFile> files;
    for (const std::string& path : paths) {
        std::ifstream in(path);
        if (!in) {
            face.report("cannot read the macro file " + path);
            throw RunEnded{exitUsage};
        }
        try {
            files.push_back({path, readMacro(in)});
        } catch (const MacroError& error) {
            printMacroError(face, path, error);
            throw RunEnded{exitFailed};
        }
        if (in.bad()) {
            face.report("cannot read the macro file " + path);
            throw RunEnded{exitUsage};
        }
    }
    return files;
}

std::unique_ptr<ProgramOutputs> openOutputs(const ProgramOptions& options, TerminalFace& face)
{
    try {
        return std::make_unique<ProgramOutputs>(options);
    } catch (const OutputFileError& error) {
        face.report(error.what());
        throw RunEnded{exitUsage};
    }
}

// The settings files the macros have the add-on open.
std::vector<std::string> settingsFilesOf(const std::vector<MacroFile>& files)
{
    const std::string open = "OpenSettingsFile";
    const std::string key = "FileName=";
    std::vector<std::string> paths;
    for (const MacroFile& file : files)
        for (const MacroCommand& command : file.commands) {
            const MacroParameter* const parameter = command.find("COMMAND");
            if (command.name != "ADDONCOMMAND" || parameter == nullptr)
                continue;
            const std::string& text = parameter->value.text;
            if (text.rfind(open, 0) != 0)
                continue;
            const std::size_t start = text.find(key);
            if (start != std::string::npos)
                paths.push_back(text.substr(start + key.size()));
        }
    return paths;
}

// Plays the files; the status of the run.
int play(zorsim::Host& host, const std::vector<MacroFile>& files, FrameDataStore& frameData, TerminalFace& face)
{
    MacroPlayer player(host, frameData);
    for (const MacroFile& file : files) {
        try {
            player.play(file.commands);
        } catch (const MacroError& error) {
            printMacroError(face, file.path, error);
            return exitFailed;
        }
    }
    return exitOk;
}

}  // namespace

void prepareHost(zorsim::Host& host, const ProgramOptions& options)
{
    if (!options.recordFile.empty())
        host.macro.setRecording(true);
}

int playMacroFiles(zorsim::Host& host, const ProgramOptions& options, std::ostream& errors)
{
    TerminalFace face(host, options.showProgress, errors);
    try {
        const std::vector<MacroFile> files = readMacroFiles(options.macroFiles, face);
        const std::unique_ptr<ProgramOutputs> outputs = openOutputs(options, face);
        FrameDataStore frameData;
        int status = exitOk;
        bool drawn = true;
        {
            FrameRecorder recorder(host, frameData, outputs->log(), outputs->sheet(), outputs->frames(),
                                   [&face](const std::string& message) { face.report(message); });
            recorder.attach();
            recorder.refuseMovieName = [&outputs, settingsFiles = settingsFilesOf(files)](const std::string& movie) {
                return outputs->movieRefusal(movie, settingsFiles);
            };
            status = play(host, files, frameData, face);
            drawn = !recorder.failed();
        }
        const bool completed = outputs->complete(host, status == exitOk, face);
        return completed && drawn ? status : exitFailed;
    } catch (const RunEnded& ended) {
        return ended.status;
    }
}

}  // namespace zorhost
