// zorhost: the stand-in Zorvan host program. Loads the add-on module into
// the host model, plays macro files against it, draws the frames and writes
// the movies, and on request shows what the add-on registered.
#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>
#include <string>

#include "AddOnDescription.h"
#include "AddOnLoader.h"
#include "DefaultAddOn.h"
#include "program/HeapReuse.h"
#include "program/HostProgram.h"
#include "window/WindowProgram.h"
#include "zorsim/Host.h"

namespace {

using zorhost::exitFailed;
using zorhost::exitOk;
using zorhost::exitUsage;

struct Options {
    std::string addOnPath = zorhost::defaultAddOnPath();
    bool describeAddOn = false;
    bool noProgress = false;
    bool window = false;
    zorhost::ProgramOptions program;
};

constexpr const char* usageLine = "Usage: zorhost [options] MACROFILE...";

int run(Options& options)
{
    if (options.window)
        return zorhost::runWindow(zorsim::host(), options.addOnPath, options.program.macroFiles, std::cerr);
    options.program.showProgress = !options.noProgress;
    options.program.addOnFile = options.addOnPath;
    zorhost::prepareHost(zorsim::host(), options.program);
    zorhost::AddOnLoader addOn(options.addOnPath);
    if (options.describeAddOn)
        std::cout << zorhost::describeAddOns(zorsim::host());
    return zorhost::playMacroFiles(zorsim::host(), options.program, std::cerr);
}

}  // namespace

int main(int argc, char** argv)
{
    zorhost::keepFreedMemoryForReuse();
    CLI::App app{"Loads the key frame animation add-on into the stand-in Zorvan host and plays the macro files."};
    Options options;
    app.set_version_flag("--version", std::string("zorhost ") + ZORHOST_VERSION);
    app.add_option("--addon", options.addOnPath, "The add-on module to load")->capture_default_str();
    app.add_flag("--describe-addon", options.describeAddOn, "Print what the add-on registered with the host");
    app.add_option("--record", options.program.recordFile,
                   "Record a macro from the start and write it to FILE when the program ends")
        ->option_text("FILE");
    app.add_option("--frame-log", options.program.frameLogFile, "Write a CSV row for every frame drawn to FILE")
        ->option_text("FILE");
    app.add_option("--contact-sheet", options.program.contactSheetFile,
                   "Write a PNG of up to 16 of the drawn frames to FILE")
        ->option_text("FILE");
    app.add_option("--frames", options.program.frameFolder,
                   "Write every picture drawn as a numbered PNG into DIR (an image sequence)")
        ->option_text("DIR");
    app.add_flag("--no-progress", options.noProgress, "Show no progress line on the terminal");
    app.add_flag("--window", options.window, "Open the windowed host; the macro files are played in it first")
        ->excludes("--describe-addon", "--record", "--frame-log", "--contact-sheet", "--frames");
    app.add_option("MACROFILE", options.program.macroFiles, "Macro files to play, in order");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? exitOk : exitUsage;
    }
    if (options.program.macroFiles.empty() && !options.describeAddOn && !options.window) {
        std::cerr << "zorhost: no macro file to play\n" << usageLine << "\nRun with --help for more information.\n";
        return exitUsage;
    }

    try {
        return run(options);
    } catch (const zorhost::AddOnLoadError& error) {
        std::cerr << "zorhost: " << error.what() << "\n";
        return exitUsage;
    } catch (const std::exception& error) {
        std::cerr << "zorhost: " << error.what() << "\n";
        return exitFailed;
    }
}
