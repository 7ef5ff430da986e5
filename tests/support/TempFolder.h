// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes.
//
//   TempFolder folder;
//   writeFile(folder.path("a.keyframe"), "...");
#ifndef KFA_TESTS_TEMP_FOLDER_H
#define KFA_TESTS_TEMP_FOLDER_H

#include <filesystem>
#include <string>
#include <vector>

// The whole content of a file; empty when it cannot be read.
std::string readFile(const std::string& fileName);
// Replaces the file's content by `text`, written byte for byte; returns
// `fileName`.
std::string writeFile(const std::string& fileName, const std::string& text);

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's own full name.
    const std::string& root() const { return root_.native(); }
    // The full name of `name` inside the folder.
    std::string path(const std::string& name) const { return (root_ / name).string(); }
    // The names of the entries the folder, or its subfolder `folder`, holds, sorted.
    std::vector<std::string> entries(const std::string& folder = "") const;

private:
    std::filesystem::path root_;
};

#endif
