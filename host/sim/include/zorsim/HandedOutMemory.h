// Strings, arrays and sets that the host hands out and the add-on must free.
// Freeing what the host did not hand out, or freeing twice, is counted as a
// fault; what is still out is a leak.
//
// Freed strings and arrays are kept (a freed string's text overwritten)
// until the model is destroyed, so that no later allocation can reuse an
// address and hide a second free of the first.
#ifndef ZORSIM_HANDED_OUT_MEMORY_H
#define ZORSIM_HANDED_OUT_MEMORY_H

#include <set>

namespace zorsim {

class HandedOutMemory {
public:
    HandedOutMemory() = default;
    // Frees whatever is still out or kept, so that a reset host leaks nothing.
    ~HandedOutMemory();
    HandedOutMemory(const HandedOutMemory&) = delete;
    HandedOutMemory& operator=(const HandedOutMemory&) = delete;

    // A zeroed string of room for maxLength characters; null when a failure
    // was asked for.
    char* allocString(int maxLength);
    void freeString(char* string);
    void* allocArray(std::size_t bytes);
    void freeArray(void* array);
    // Sets are allocated by their owner; this only tracks them.
    void trackSet(const void* set) { sets_.insert(set); }
    // False (and a fault) when the set was not handed out.
    bool untrackSet(const void* set);

    // A misuse of something handed out (a freed set walked, ...).
    void countFault() { ++faults_; }

    // The next string allocation fails.
    void failNextStringAlloc() { failNextString_ = true; }

    std::size_t stringsOut() const { return strings_.size(); }
    std::size_t arraysOut() const { return arrays_.size(); }
    std::size_t setsOut() const { return sets_.size(); }
    bool nothingOut() const { return strings_.empty() && arrays_.empty() && sets_.empty(); }
    int faults() const { return faults_; }

private:
    // Moves `block` from `out` to `freed`; false (and a fault) when it was not out.
    bool release(std::set<const void*>& out, std::set<const void*>& freed, const void* block);

    std::set<const void*> strings_;
    std::set<const void*> arrays_;
    std::set<const void*> sets_;
    std::set<const void*> freedStrings_;
    std::set<const void*> freedArrays_;
    bool failNextString_ = false;
    int faults_ = 0;
};

}  // namespace zorsim

#endif
