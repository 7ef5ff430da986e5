// Counts the heap blocks of at least a given size that the process asks for,
// from C++, C and every library alike: the program that links this replaces
// malloc and its relatives, which hand each request on to the C library's
// own allocator.
#ifndef KFA_BENCH_LARGE_ALLOCATION_COUNTER_H
#define KFA_BENCH_LARGE_ALLOCATION_COUNTER_H

#include <cstddef>

// Starts counting requests of at least `bytes`, from zero.
void countAllocationsOf(std::size_t bytes);

// Requests of at least that size since the count started.
std::size_t largeAllocations();

#endif
