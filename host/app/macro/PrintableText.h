// Text from a macro line or a file, made safe to show on a terminal.
#ifndef ZORHOST_PRINTABLE_TEXT_H
#define ZORHOST_PRINTABLE_TEXT_H

#include <string>

namespace zorhost {

// The text with NUL and every control character but the line end and the
// tab written as \xHH, so that what a line held can neither steer the
// terminal nor cut a message short.
std::string printable(const std::string& text);

}  // namespace zorhost

#endif
