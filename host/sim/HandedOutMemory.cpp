#include "zorsim/HandedOutMemory.h"

#include <cstdlib>
#include <cstring>

namespace zorsim {

namespace {

void freeAll(const std::set<const void*>& blocks)
{
    for (const void* block : blocks)
        std::free(const_cast<void*>(block));
}

}  // namespace

HandedOutMemory::~HandedOutMemory()
{
    freeAll(strings_);
    freeAll(arrays_);
    freeAll(freedStrings_);
    freeAll(freedArrays_);
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
    // A reader of a freed string sees this instead of the text it had.
    if (release(strings_, freedStrings_, string))
        std::memset(string, 'X', std::strlen(string));
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
    release(arrays_, freedArrays_, array);
}

bool HandedOutMemory::release(std::set<const void*>& out, std::set<const void*>& freed, const void* block)
{
    if (out.erase(block) == 1) {
        freed.insert(block);
        return true;
    }
    ++faults_;
    return false;
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
