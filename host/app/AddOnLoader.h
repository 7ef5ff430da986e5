// Loads an add-on module into the host's process and starts it.
//
//   zorhost::AddOnLoader addOn(path);  // opened, entry point called
//   ...                                // the add-on's callbacks run
//   // destruction: unload announced to the add-on, module closed
//
// The module must export the C entry point InitZorAddOn113.
#ifndef ZORHOST_ADD_ON_LOADER_H
#define ZORHOST_ADD_ON_LOADER_H

#include <stdexcept>
#include <string>

namespace zorhost {

class AddOnLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class AddOnLoader {
public:
    // Opens the module file `path` (a name without a folder is taken from
    // the working folder, never from the loader's library path) and calls
    // its entry point. Throws AddOnLoadError, naming the module's file in
    // full and the reason, when the module cannot be opened or has no entry
    // point.
    explicit AddOnLoader(const std::string& path);
    // Sends the add-ons the unload notice (state change 15), then closes
    // the module.
    ~AddOnLoader();
    AddOnLoader(const AddOnLoader&) = delete;
    AddOnLoader& operator=(const AddOnLoader&) = delete;

private:
    void* module_;
};

}  // namespace zorhost

#endif
