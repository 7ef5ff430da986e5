#include "sheet/FrameFolder.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "output/AtomicFile.h"
#include "sheet/PngFile.h"

namespace zorhost {

FrameFolder::FrameFolder(const std::string& folder) : folder_(folder)
{
    const auto refuse = [&folder](const std::string& reason) {
        throw OutputFileError("cannot create the frame folder " + folder + ": " + reason);
    };
    std::error_code error;
    if (std::filesystem::exists(folder, error) && !std::filesystem::is_directory(folder, error))
        refuse("it is not a folder");
    if (!std::filesystem::create_directory(folder, error) && error)
        refuse(error.message());
    if (access(folder.c_str(), W_OK | X_OK) != 0)
        refuse(std::strerror(errno));
}

std::string FrameFolder::fileName(int frameNumber) const
{
    char name[32];
    std::snprintf(name, sizeof name, "frame-%06d.png", frameNumber);
    return (std::filesystem::path(folder_) / name).string();
}

void FrameFolder::write(int frameNumber, const Image& picture) const
{
    const std::string path = fileName(frameNumber);
    AtomicFile file(path, "frame");
    try {
        writePng(file.stream(), picture);
    } catch (const PngError& error) {
        throw OutputFileError("cannot write the frame " + path + ": " + error.what());
    }
    file.commit();
}

}  // namespace zorhost
