// The loadable module shows the host its entry point and nothing else.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

TEST(ModuleSymbolsTest, DefinesOnlyTheEntryPoint)
{
    FILE* pipe = popen("nm -D --defined-only --format=just-symbols '" KFA_MODULE_PATH "' 2>&1", "r");
    ASSERT_NE(nullptr, pipe);
    std::string symbols;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        symbols += buffer;
    EXPECT_EQ(0, pclose(pipe)) << symbols;
    EXPECT_EQ("InitZorAddOn113\n", symbols);
}
