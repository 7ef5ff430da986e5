#include "LargeAllocationCounter.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>

// The C library's allocator under its own names, beside the public ones
// replaced below.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {

// No threshold until counting starts: nothing is counted.
std::atomic<std::size_t> threshold{static_cast<std::size_t>(-1)};
std::atomic<std::size_t> counted{0};

void note(std::size_t size)
{
    if (size >= threshold.load(std::memory_order_relaxed))
        counted.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace

void countAllocationsOf(std::size_t bytes)
{
    counted = 0;
    threshold = bytes;
}

std::size_t largeAllocations()
{
    return counted.load();
}

extern "C" {

void* malloc(std::size_t size)
{
    note(size);
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size)
{
    // A product that overflows is refused by the C library; it is no block.
    if (size == 0 || count <= static_cast<std::size_t>(-1) / size)
        note(count * size);
    return __libc_calloc(count, size);
}

void* realloc(void* block, std::size_t size)
{
    note(size);
    return __libc_realloc(block, size);
}

void* memalign(std::size_t alignment, std::size_t size)
{
    note(size);
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size)
{
    note(size);
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** block, std::size_t alignment, std::size_t size)
{
    if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0)
        return EINVAL;
    note(size);
    void* const aligned = __libc_memalign(alignment, size);
    if (aligned == nullptr)
        return ENOMEM;
    *block = aligned;
    return 0;
}

void free(void* block)
{
    __libc_free(block);
}

}  // extern "C"
