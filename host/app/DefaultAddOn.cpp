#include "DefaultAddOn.h"

#include <filesystem>
#include <system_error>

namespace zorhost {

std::string defaultAddOnPath()
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return ZORHOST_INSTALLED_ADDON;
    // The same file, not the same name: the build tree may be reached
    // through a symbolic link.
    if (fs::equivalent(self, ZORHOST_BUILT_PROGRAM, error))
        return ZORHOST_BUILT_ADDON;
    return (self.parent_path() / ZORHOST_INSTALLED_ADDON).lexically_normal().string();
}

}  // namespace zorhost
