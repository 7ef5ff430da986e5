#include "support/TempFolder.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kfa-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    root_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(root_, ignored);
}

std::vector<std::string> TempFolder::entries(const std::string& folder) const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(root_ / folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string readFile(const std::string& fileName)
{
    std::ostringstream text;
    text << std::ifstream(fileName, std::ios::binary).rdbuf();
    return text.str();
}

std::string writeFile(const std::string& fileName, const std::string& text)
{
    std::ofstream(fileName, std::ios::binary | std::ios::trunc) << text;
    return fileName;
}
