#include "output/PartialFiles.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <climits>
#include <cstring>

namespace zorhost::partialFiles {

namespace {

// Fixed storage, so that a signal handler reads no memory that is being
// allocated or freed. A slot's path is complete before it is marked used.
struct Slot {
    std::atomic<bool> used{false};
    char path[PATH_MAX] = "";
};

std::array<Slot, 8> slots;

}  // namespace

int remember(const std::string& path)
{
    if (path.size() >= PATH_MAX)
        return -1;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (slots[i].used.load())
            continue;
        std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
        slots[i].used.store(true);
        return static_cast<int>(i);
    }
    return -1;
}

void forget(int slot)
{
    if (slot >= 0 && slot < static_cast<int>(slots.size()))
        slots[static_cast<std::size_t>(slot)].used.store(false);
}

void removeAll() noexcept
{
    for (Slot& slot : slots)
        if (slot.used.load())
            unlink(slot.path);
}

}  // namespace zorhost::partialFiles
