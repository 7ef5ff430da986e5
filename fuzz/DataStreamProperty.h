// What must hold for any bytes the host takes as the reading helper's
// stream: they are taken record by record however the pipe cuts them, or
// refused with a DataStreamError that says why; every zone taken reads back
// from the bytes kept for it, within the bounds its summary gave.
#ifndef KFA_FUZZ_DATA_STREAM_PROPERTY_H
#define KFA_FUZZ_DATA_STREAM_PROPERTY_H

#include <string>

// Empty when the rule holds for `bytes`; otherwise what went wrong.
std::string dataStreamPropertyViolation(const std::string& bytes);

#endif
