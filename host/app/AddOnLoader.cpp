#include "AddOnLoader.h"

#include <dlfcn.h>

#include "StateChange.h"
#include "zorsim/Host.h"

namespace zorhost {

namespace {

constexpr const char* entryPointName = "InitZorAddOn113";

using EntryPoint = void (*)();

std::string lastLoaderError()
{
    const char* reason = dlerror();
    return reason == nullptr ? "unknown reason" : reason;
}

}  // namespace

AddOnLoader::AddOnLoader(const std::string& path) : module_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
{
    if (module_ == nullptr)
        throw AddOnLoadError("cannot load the add-on " + path + ": " + lastLoaderError());
    const auto entryPoint = reinterpret_cast<EntryPoint>(dlsym(module_, entryPointName));
    if (entryPoint == nullptr) {
        const std::string reason = lastLoaderError();
        dlclose(module_);
        throw AddOnLoadError("the add-on " + path + " has no entry point " + entryPointName + ": " + reason);
    }
    entryPoint();
}

AddOnLoader::~AddOnLoader()
{
    zorsim::host().stateChanges.notify(StateChange_UnloadAddOns);
    dlclose(module_);
}

}  // namespace zorhost
