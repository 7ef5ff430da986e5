// The loadable module shows the host its entry point and nothing else.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>

namespace {

// The defined symbols of the module's dynamic symbol table, with their
// kind letters, as nm reports them.
std::map<std::string, std::string> definedDynamicSymbols(const std::string& module)
{
    const std::string command = "nm -D --defined-only --format=posix '" + module + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {};
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        output += buffer;
    EXPECT_EQ(0, pclose(pipe)) << output;

    std::map<std::string, std::string> symbols;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string name;
        std::string kind;
        if (fields >> name >> kind)
            symbols[name] = kind;
    }
    return symbols;
}

}  // namespace

TEST(ModuleSymbolsTest, DefinesOnlyTheEntryPoint)
{
    const std::map<std::string, std::string> expected = {{"InitZorAddOn113", "T"}};
    EXPECT_EQ(expected, definedDynamicSymbols(KFA_MODULE_PATH));
}
