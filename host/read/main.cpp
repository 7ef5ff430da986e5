// zorhost-read FILE: reads one data file and writes its zones, variables
// and solution times to the standard output in the host's data stream (see
// datastream/DataStream.h). zorhost runs it for every file it opens, so that
// a reader that crashes or hangs on a damaged file takes only this process
// with it.
//
// Exit status: 0 when everything was sent; 1 when the file was refused (the
// stream then ends with the reason); 2 for a usage error.
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <new>
#include <stdexcept>

#include "ReaderMessages.h"
#include "StepSources.h"
#include "ZoneExtraction.h"
#include "datastream/StreamFraming.h"

namespace {

using namespace zorhost;

// Sends the progress when its percent changed.
class ProgressReport {
public:
    explicit ProgressReport(DataStreamWriter& out) : out_(out) {}

    void at(std::size_t step, std::size_t steps, double fraction)
    {
        const double done = (static_cast<double>(step) + std::clamp(fraction, 0.0, 1.0)) / static_cast<double>(steps);
        const int percent = static_cast<int>(100.0 * done);
        if (percent == percent_)
            return;
        percent_ = percent;
        out_.progress(percent);
    }

private:
    DataStreamWriter& out_;
    int percent_ = -1;
};

void checkFile(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        throw ReadRefusal("there is no such file");
    if (std::filesystem::is_directory(status))
        throw ReadRefusal("it is a folder");
    if (access(path.c_str(), R_OK) != 0)
        throw ReadRefusal("it may not be read");
}

void readFile(const std::string& path, DataStreamWriter& out)
{
    checkFile(path);
    const std::optional<DataFormat> format = dataFormatOf(path);
    if (!format)
        throw ReadRefusal("its name ends in no data file extension zorhost knows");
    ReaderMessages messages;
    ProgressReport report(out);
    std::size_t step = 0;
    std::size_t steps = 1;
    // Readers find the files a file names (a series' steps) beside it only
    // by its full name.
    auto source = openStepSource(std::filesystem::absolute(path).string(), *format, messages,
                                 [&](double fraction) { report.at(step, steps, fraction); });
    const std::vector<double>& times = source->times();
    out.times(times);
    steps = std::max<std::size_t>(times.size(), 1);
    ZoneExtractor extractor(out, messages);
    bool anything = false;
    for (step = 0; step < steps; ++step) {
        report.at(step, steps, 0.0);
        std::uint32_t block = 0;
        for (const vtkSmartPointer<vtkDataSet>& zone : source->read(step)) {
            if (zone != nullptr && extractor.send(*zone, static_cast<std::uint32_t>(step), block))
                anything = true;
            ++block;
        }
    }
    if (!anything)
        throw ReadRefusal("it holds no surfaces, volumes or lines to show");
    report.at(steps, steps, 0.0);
    out.end();
}

}  // namespace

// In a sanitized build the reader libraries' own faults end the helper as
// they do in any other build: a crash by its signal, an allocation too large
// for the machine by a failed malloc the readers report. The host turns both
// into its message; the sanitizer's report would only hide which it was.
extern "C" const char* __asan_default_options();
extern "C" const char* __asan_default_options()
{
    return "handle_segv=0:handle_sigbus=0:handle_sigfpe=0:handle_sigill=0:handle_abort=0:allocator_may_return_null=1";
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Usage: zorhost-read FILE\nWrites the data file's zones to the standard output for zorhost.\n";
        return 2;
    }
    // The data goes to a descriptor of its own; whatever a library prints
    // to the standard output goes to the standard error stream instead, so
    // that it cannot break the data.
    const int data = dup(STDOUT_FILENO);
    if (data < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
        std::perror("zorhost-read");
        return 1;
    }
    std::signal(SIGPIPE, SIG_IGN);
    try {
        DataStreamWriter out(data);
        try {
            readFile(argv[1], out);
            return 0;
        } catch (const ReadRefusal& refusal) {
            out.refusal(refusal.what());
        } catch (const std::bad_alloc&) {
            out.refusal("it needs more memory than the reader may use");
        } catch (const std::length_error&) {
            out.refusal("it declares more data than the reader can hold");
        }
    } catch (const std::exception& error) {
        // The host went away: nobody is left to tell.
        std::cerr << "zorhost-read: " << error.what() << "\n";
    }
    return 1;
}
