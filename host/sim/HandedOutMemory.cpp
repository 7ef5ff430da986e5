#include "zorsim/HandedOutMemory.h"

#include <cstdlib>

namespace zorsim {

HandedOutMemory::~HandedOutMemory()
{
    for (const void* string : strings_)
        std::free(const_cast<void*>(string));
    for (const void* array : arrays_)
        std::free(const_cast<void*>(array));
}

char* HandedOutMemory::allocString(int maxLength)
{
    if (failNextString_ || maxLength < 0) {
        failNextString_ = false;
        return nullptr;
    }
    char* string = static_cast<char*>(std::calloc(static_cast<std::size_t>(maxLength) + 1, 1));
    if (string != nullptr)
        strings_.insert(string);
    return string;
}

void HandedOutMemory::freeString(char* string)
{
    if (strings_.erase(string) == 0) {
        ++faults_;
        return;
    }
    std::free(string);
}

void* HandedOutMemory::allocArray(std::size_t bytes)
{
    void* array = std::calloc(bytes == 0 ? 1 : bytes, 1);
    if (array != nullptr)
        arrays_.insert(array);
    return array;
}

void HandedOutMemory::freeArray(void* array)
{
    if (arrays_.erase(array) == 0) {
        ++faults_;
        return;
    }
    std::free(array);
}

bool HandedOutMemory::untrackSet(const void* set)
{
    if (sets_.erase(set) == 0) {
        ++faults_;
        return false;
    }
    return true;
}

}  // namespace zorsim
