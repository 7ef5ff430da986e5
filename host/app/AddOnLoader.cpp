#include "AddOnLoader.h"

#include <dlfcn.h>

#include <filesystem>

#include "StateChange.h"
#include "zorsim/Host.h"

namespace zorhost {

namespace {

constexpr const char* entryPointName = "InitZorAddOn113";

using EntryPoint = void (*)();

// Why the loader failed, without the name of the module it begins with.
std::string lastLoaderError(const std::string& modulePath)
{
    const char* reason = dlerror();
    if (reason == nullptr)
        return "unknown reason";
    const std::string text = reason;
    const std::string prefix = modulePath + ": ";
    return text.rfind(prefix, 0) == 0 ? text.substr(prefix.size()) : text;
}

// The dynamic loader searches its library path for a name without a
// slash; the add-on is a file, named from the working folder.
std::string fileName(const std::string& path)
{
    return path.find('/') == std::string::npos ? "./" + path : path;
}

std::string shownName(const std::string& path)
{
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    return absolute.empty() ? path : absolute.lexically_normal().string();
}

}  // namespace

AddOnLoader::AddOnLoader(const std::string& path) : module_(dlopen(fileName(path).c_str(), RTLD_NOW | RTLD_LOCAL))
{
    if (module_ == nullptr)
        throw AddOnLoadError("cannot load the add-on " + shownName(path) + ": " + lastLoaderError(fileName(path)));
    const auto entryPoint = reinterpret_cast<EntryPoint>(dlsym(module_, entryPointName));
    if (entryPoint == nullptr) {
        const std::string reason = lastLoaderError(fileName(path));
        dlclose(module_);
        throw AddOnLoadError("the add-on " + shownName(path) + " has no entry point " + entryPointName + ": " + reason);
    }
    entryPoint();
}

AddOnLoader::~AddOnLoader()
{
    zorsim::host().stateChanges.notify(StateChange_UnloadAddOns);
    dlclose(module_);
}

}  // namespace zorhost
