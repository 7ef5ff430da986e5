// Counts the bytes the process holds on the heap: this benchmark program
// replaces the global operator new and delete, so every allocation of the
// add-on and of the host model passes through the counter.
#ifndef KFA_BENCH_ALLOCATION_COUNTER_H
#define KFA_BENCH_ALLOCATION_COUNTER_H

#include <cstddef>

// Bytes allocated and not yet freed.
std::size_t liveHeapBytes();

#endif
