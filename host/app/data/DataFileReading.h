// Reads a data file through the reading helper (zorhost-read), one process
// a file, under the host's percent-done line: the helper's progress moves
// it, and a cancel (Stop, Esc, Ctrl-C) ends the helper. Whatever goes wrong
// (the file, the helper crashing, hanging, refusing or sending what cannot
// be used) ends in one DataReadError naming the file.
#ifndef ZORHOST_DATA_FILE_READING_H
#define ZORHOST_DATA_FILE_READING_H

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "data/LoadedDataSet.h"

namespace zorsim {
class StatusModel;
}

namespace zorhost {

// "cannot read NAME: reason", NAME as the file was given.
class DataReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ReaderLimits {
    // The helper program.
    std::string program;
    // Its address space; 0: unlimited.
    std::uint64_t memoryBytes = 0;
    // How long it may take for the whole file.
    int seconds = 600;
    // The largest record taken from it.
    std::uint64_t maxRecordBytes = std::uint64_t{1} << 30;
};

// The helper beside the running program; half the machine's memory, at
// least 2 GiB (none in a build with a sanitizer, whose shadow memory needs
// more address space than any limit would leave); ten minutes.
ReaderLimits defaultReaderLimits();

std::shared_ptr<const LoadedDataSet> readDataFile(const std::string& path, zorsim::StatusModel& status,
                                                  const ReaderLimits& limits);

}  // namespace zorhost

#endif
