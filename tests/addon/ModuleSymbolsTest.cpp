// The loadable module shows the host its entry point and nothing else.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

namespace {

// The name and kind letter of every defined symbol of the module's dynamic
// symbol table, as nm reports them, each followed by a semicolon.
std::string definedDynamicSymbols(const std::string& module)
{
    const std::string command = "nm -D --defined-only --format=posix '" + module + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[512];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        output += buffer;
    EXPECT_EQ(0, pipe == nullptr ? -1 : pclose(pipe)) << output;

    std::istringstream lines(output);
    std::string symbols;
    std::string name;
    std::string kind;
    std::string rest;
    while (lines >> name >> kind && std::getline(lines, rest))
        symbols += name + " " + kind + ";";
    return symbols;
}

}  // namespace

TEST(ModuleSymbolsTest, DefinesOnlyTheEntryPoint)
{
    EXPECT_EQ("InitZorAddOn113 T;", definedDynamicSymbols(KFA_MODULE_PATH));
}
