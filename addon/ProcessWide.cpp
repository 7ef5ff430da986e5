#include "addon/ProcessWide.h"

#include <vector>

namespace {

// In the order the objects were built.
std::vector<void (*)()>& discards()
{
    static std::vector<void (*)()> functions;
    return functions;
}

}  // namespace

void keepProcessWideObject(void (*discard)())
{
    discards().push_back(discard);
}

void discardProcessWideObjects()
{
    while (!discards().empty()) {
        void (*const discard)() = discards().back();
        discards().pop_back();
        discard();
    }
}
