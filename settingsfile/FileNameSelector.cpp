#include "settingsfile/FileNameSelector.h"

#include <fstream>

#include "ZorUtil.h"
#include "addon/AddOnLock.h"

namespace {

// Position of the dot that starts the extension of the name's last path
// component, or npos. A dot in a folder name is not an extension: taking it
// would move the file into another folder under a cut-off name.
std::string::size_type extensionDot(const std::string& fileName)
{
    const std::string::size_type dot = fileName.rfind('.');
    const std::string::size_type slash = fileName.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::string::npos;
    return dot;
}

// Copies a string the host handed out and frees the host's copy.
std::string takeHostString(char*& hostString)
{
    std::string copy(hostString);
    ZorUtilStringDealloc(&hostString);
    return copy;
}

bool askYesNo(const std::string& question)
{
    return ZorUtilDialogMessageBox(question.c_str(), ZOR_MESSAGE_QUESTION);
}

}  // namespace

FileNameSelector::FileNameSelector(std::string fileName, std::string extension, std::string fileTypeName)
    : fileName_(std::move(fileName)), extension_(std::move(extension)), fileTypeName_(std::move(fileTypeName))
{
    replaceExtension(fileName_, extension_);
}

void FileNameSelector::setExtension(const std::string& extension)
{
    extension_ = extension;
    replaceExtension(fileName_, extension_);
}

void FileNameSelector::setFileName(const std::string& fileName)
{
    fileName_ = fileName;
    const std::string extension = extensionOf(fileName_);
    if (extension.empty())
        replaceExtension(fileName_, extension_);
    else
        extension_ = extension;
}

bool FileNameSelector::selectFileName(int dialogOption)
{
    std::string chosen;
    if (!chooseFileName(dialogOption, chosen))
        return false;
    confirmFileName(chosen);
    return true;
}

bool FileNameSelector::chooseFileName(int dialogOption, std::string& chosen) const
{
    const std::string filter = "*." + extension_;
    AddOnLock lock;
    char* hostString = nullptr;
    if (!ZorUtilDialogGetFileName(dialogOption, &hostString, fileTypeName_.c_str(), fileName_.c_str(),
                                  filter.c_str()) ||
        hostString == nullptr)
        return false;
    std::string name = takeHostString(hostString);
    confirmExtension(name, extension_);
    if (dialogOption == ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE && !confirmOverwrite(name))
        return false;
    chosen = name;
    return true;
}

void FileNameSelector::confirmFileName(const std::string& fileName)
{
    fileName_ = fileName;
    confirmed_ = true;
}

std::string FileNameSelector::extensionOf(const std::string& fileName)
{
    const std::string::size_type dot = extensionDot(fileName);
    return dot == std::string::npos ? std::string() : fileName.substr(dot + 1);
}

void FileNameSelector::replaceExtension(std::string& fileName, const std::string& extension)
{
    const std::string::size_type dot = extensionDot(fileName);
    if (dot == std::string::npos)
        fileName += '.';
    else
        fileName.erase(dot + 1);
    fileName += extension;
}

bool FileNameSelector::fileExists(const std::string& fileName)
{
    return std::ifstream(fileName).is_open();
}

void FileNameSelector::confirmExtension(std::string& fileName, const std::string& defaultExtension)
{
    const std::string extension = extensionOf(fileName);
    if (extension.empty()) {
        replaceExtension(fileName, defaultExtension);
        return;
    }
    if (extension == defaultExtension)
        return;
    const bool keep = askYesNo("You have specified an extension other than the default file extension\n"
                               "Are you sure you want to save the file as " +
                               fileName + "\nClick \"No\" to restore the default file extension.");
    if (!keep)
        replaceExtension(fileName, defaultExtension);
}

bool FileNameSelector::confirmOverwrite(const std::string& fileName)
{
    if (!fileExists(fileName))
        return true;
    return askYesNo("The file: " + fileName + " exists.\nAre you sure you want to overwrite it?");
}
