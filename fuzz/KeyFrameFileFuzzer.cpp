// libFuzzer target: any byte string as the content of a settings file. A
// violation of the rule in KeyFrameFileProperty.h stops the run with its
// description.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/KeyFrameFileProperty.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string fileText(reinterpret_cast<const char*>(data), size);
    const std::string violation = keyFrameFilePropertyViolation(fileText);
    if (!violation.empty()) {
        std::fprintf(stderr, "settings file rule broken: %s\n", violation.c_str());
        std::abort();
    }
    return 0;
}
