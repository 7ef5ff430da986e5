// Strings and arrays that the host hands out.
#include "ApiGuard.h"
#include "ZorUtil.h"

using namespace zorsim;

char* ZorUtilStringAlloc(int maxLength, const char* /*debugInfo*/)
{
    return guarded(callText("ZorUtilStringAlloc", maxLength), static_cast<char*>(nullptr),
                   [&] { return host().memory.allocString(maxLength); });
}

void ZorUtilStringDealloc(char** string)
{
    guardedVoid("ZorUtilStringDealloc", [&] {
        if (string == nullptr || *string == nullptr)
            return;
        host().memory.freeString(*string);
        *string = nullptr;
    });
}

void ZorUtilArrayDealloc(void** array)
{
    guardedVoid("ZorUtilArrayDealloc", [&] {
        if (array == nullptr || *array == nullptr)
            return;
        host().memory.freeArray(*array);
        *array = nullptr;
    });
}
