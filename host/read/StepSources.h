// A data file's contents step by step, through VTK's reader for its format:
// the solution times first, then the zones of one step at a time, so that
// no more than one step is held at once.
#ifndef ZORHOST_STEP_SOURCES_H
#define ZORHOST_STEP_SOURCES_H

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <vtkDataSet.h>
#include <vtkSmartPointer.h>

#include "datastream/DataFormats.h"

namespace zorhost {

class ReaderMessages;

// Told how far the reading of the current step is, from 0 to 1.
using StepProgress = std::function<void(double fraction)>;

class StepSource {
public:
    virtual ~StepSource() = default;
    // The solution times, ascending; empty for static data, which is one
    // step.
    virtual const std::vector<double>& times() const = 0;
    // The zones of `step`, in the same order in every step; null where a
    // zone is no data set. Throws ReadRefusal.
    virtual std::vector<vtkSmartPointer<vtkDataSet>> read(std::size_t step) = 0;
};

// Opens `path` with the reader of `format` and learns its times; throws
// ReadRefusal when the reader cannot make sense of it.
std::unique_ptr<StepSource> openStepSource(const std::string& path, DataFormat format, ReaderMessages& messages,
                                           StepProgress progress);

}  // namespace zorhost

#endif
