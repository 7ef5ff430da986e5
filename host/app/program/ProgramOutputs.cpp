#include "program/ProgramOutputs.h"

#include <filesystem>
#include <vector>

#include "sheet/PngFile.h"
#include "zorsim/Host.h"

namespace zorhost {

namespace {

struct NamedFile {
    std::string path;
    std::string what;
};

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error))
        return true;
    std::error_code errorA;
    std::error_code errorB;
    const std::filesystem::path canonicalA = std::filesystem::weakly_canonical(std::filesystem::absolute(a), errorA);
    const std::filesystem::path canonicalB = std::filesystem::weakly_canonical(std::filesystem::absolute(b), errorB);
    return !errorA && !errorB && canonicalA == canonicalB;
}

std::vector<NamedFile> outputsOf(const ProgramOptions& options)
{
    std::vector<NamedFile> outputs;
    for (const NamedFile& output :
         {NamedFile{options.recordFile, "recorded macro"}, NamedFile{options.frameLogFile, "frame log"},
          NamedFile{options.contactSheetFile, "contact sheet"}})
        if (!output.path.empty())
            outputs.push_back(output);
    return outputs;
}

std::vector<NamedFile> inputsOf(const ProgramOptions& options)
{
    std::vector<NamedFile> inputs;
    for (const std::string& path : options.macroFiles)
        inputs.push_back({path, "macro file"});
    if (!options.addOnFile.empty())
        inputs.push_back({options.addOnFile, "add-on"});
    return inputs;
}

// Throws OutputFileError when an output would overwrite an input or
// another output.
void refuseOverwrites(const ProgramOptions& options)
{
    const std::vector<NamedFile> outputs = outputsOf(options);
    const std::vector<NamedFile> inputs = inputsOf(options);
    for (auto output = outputs.begin(); output != outputs.end(); ++output) {
        for (const NamedFile& input : inputs)
            if (sameFile(output->path, input.path))
                throw OutputFileError("the " + output->what + " " + output->path + " would overwrite the " +
                                      input.what + " " + input.path);
        for (auto other = output + 1; other != outputs.end(); ++other)
            if (sameFile(output->path, other->path))
                throw OutputFileError("the " + output->what + " " + output->path + " and the " + other->what + " " +
                                      other->path + " are the same file");
    }
}

void writeSheet(const ContactSheet& sheet, AtomicFile& file, const std::string& path)
{
    try {
        sheet.write(file.stream());
    } catch (const PngError& error) {
        throw OutputFileError("cannot write the contact sheet " + path + ": " + error.what());
    }
    file.commit();
}

void writeRecording(const zorsim::Host& host, AtomicFile& file)
{
    for (const std::string& line : host.macro.lines())
        file.stream() << line << '\n';
    file.commit();
}

}  // namespace

ProgramOutputs::ProgramOutputs(const ProgramOptions& options) : options_(options)
{
    refuseOverwrites(options);
    if (!options.recordFile.empty())
        recordFile_.emplace(options.recordFile, "recorded macro");
    if (!options.frameLogFile.empty()) {
        logFile_.emplace(options.frameLogFile, "frame log");
        log_.emplace(logFile_->stream());
    }
    if (!options.contactSheetFile.empty()) {
        sheetFile_.emplace(options.contactSheetFile, "contact sheet");
        sheet_.emplace();
    }
    if (!options.frameFolder.empty())
        frames_.emplace(options.frameFolder);
}

std::string ProgramOutputs::movieRefusal(const std::string& movie, const std::vector<std::string>& settingsFiles) const
{
    std::vector<NamedFile> files = inputsOf(options_);
    for (const std::string& path : settingsFiles)
        files.push_back({path, "settings file"});
    for (const NamedFile& output : outputsOf(options_))
        files.push_back(output);
    for (const NamedFile& file : files)
        if (sameFile(movie, file.path))
            return "the movie " + movie + " would overwrite the " + file.what + " " + file.path;
    return std::string();
}

bool ProgramOutputs::complete(const zorsim::Host& host, bool commandsSucceeded, TerminalFace& face)
{
    bool completed = true;
    const auto attempt = [&](const auto& write) {
        try {
            write();
        } catch (const OutputFileError& error) {
            face.report(error.what());
            completed = false;
        }
    };
    if (sheet_ && sheet_->frames() == 0)
        face.report("no frame was drawn, so there is no contact sheet " + options_.contactSheetFile);
    else if (sheet_)
        attempt([&] { writeSheet(*sheet_, *sheetFile_, options_.contactSheetFile); });
    if (logFile_)
        attempt([&] { logFile_->commit(); });
    if (recordFile_ && !commandsSucceeded)
        face.report("the recorded macro " + options_.recordFile + " is not written, because a command failed");
    else if (recordFile_)
        attempt([&] { writeRecording(host, *recordFile_); });
    return completed;
}

}  // namespace zorhost
