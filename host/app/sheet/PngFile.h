// Writing a picture as a PNG file.
#ifndef ZORHOST_PNG_FILE_H
#define ZORHOST_PNG_FILE_H

#include <stdexcept>
#include <string>

#include "render/Image.h"

namespace zorhost {

class PngError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes `image` to a temporary file beside `path` and renames it to `path`
// when complete; throws PngError (leaving no file) when that fails.
void writePng(const std::string& path, const Image& image);

}  // namespace zorhost

#endif
