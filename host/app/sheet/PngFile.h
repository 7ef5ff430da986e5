// Writing a picture as a PNG file.
#ifndef ZORHOST_PNG_FILE_H
#define ZORHOST_PNG_FILE_H

#include <ostream>
#include <stdexcept>
#include <string>

#include "render/Image.h"

namespace zorhost {

class PngError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes `image` as PNG into `out`; throws PngError for an empty picture or
// when libpng fails. A failed write only leaves `out` bad.
void writePng(std::ostream& out, const Image& image);

}  // namespace zorhost

#endif
