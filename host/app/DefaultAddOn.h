// The add-on module zorhost loads when no --addon names one.
#ifndef ZORHOST_DEFAULT_ADD_ON_H
#define ZORHOST_DEFAULT_ADD_ON_H

#include <string>

namespace zorhost {

// The zorhost built in the build tree, run from there, loads the module
// built beside it. Any other copy (an installed one, wherever its tree was
// moved) loads the installed module, found by a path relative to its own
// folder. When the program cannot learn its own place (/proc is not
// mounted), the relative path is returned as it is, and loading it fails
// with a message naming that path.
std::string defaultAddOnPath();

}  // namespace zorhost

#endif
