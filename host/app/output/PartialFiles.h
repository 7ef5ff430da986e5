// The temporary files of outputs not yet complete, kept where a signal
// handler can reach them, so that a signal that ends zorhost removes them
// instead of leaving them behind.
//
//   const int slot = partialFiles::remember(temporaryPath);
//   ...                                   // the file is written
//   partialFiles::forget(slot);           // renamed or removed by its owner
#ifndef ZORHOST_PARTIAL_FILES_H
#define ZORHOST_PARTIAL_FILES_H

#include <string>

namespace zorhost::partialFiles {

// Keeps `path` until forget(slot). Returns the slot, or -1 when the path is
// too long or every slot is taken (the file is then not removed by a
// signal).
int remember(const std::string& path);
// Drops the slot; -1 is ignored.
void forget(int slot);
// Removes every file remembered now; safe inside a signal handler.
void removeAll() noexcept;

}  // namespace zorhost::partialFiles

#endif
