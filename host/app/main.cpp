// zorhost: the stand-in Zorvan host program. Loads the add-on module into
// the host model and, on request, shows what it registered.
#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>
#include <string>

#include "AddOnDescription.h"
#include "AddOnLoader.h"
#include "zorsim/Host.h"

namespace {

constexpr int exitOk = 0;
constexpr int exitFailed = 1;
constexpr int exitUsage = 2;

struct Options {
    std::string addOnPath = ZORHOST_DEFAULT_ADDON;
    bool describeAddOn = false;
};

int run(const Options& options)
{
    zorhost::AddOnLoader addOn(options.addOnPath);
    if (options.describeAddOn)
        std::cout << zorhost::describeAddOns(zorsim::host());
    return exitOk;
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Loads the key frame animation add-on into the stand-in Zorvan host."};
    Options options;
    app.set_version_flag("--version", std::string("zorhost ") + ZORHOST_VERSION);
    app.add_option("--addon", options.addOnPath, "The add-on module to load")->capture_default_str();
    app.add_flag("--describe-addon", options.describeAddOn, "Print what the add-on registered with the host");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? exitOk : exitUsage;
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
