// How zorhost's memory is kept between frames.
//
// The C library's allocator gives the free top of a heap back to the system
// once more of it is free than its trim threshold, and raises that threshold
// only as blocks larger than it are freed, in whatever order zorhost's,
// Mesa's and the encoders' threads happen to free them. Each frame drawn
// allocates and frees about a megabyte of vertex data (the renderer's and
// the OpenGL driver's), whatever the picture's size: in runs where no larger
// block happened to be freed early, that megabyte went back to the system
// after every frame and was faulted in anew for the next, some 250 page
// faults a frame.
#ifndef ZORHOST_HEAP_REUSE_H
#define ZORHOST_HEAP_REUSE_H

namespace zorhost {

// Fixes the allocator's thresholds at what its own rules reach at most:
// blocks of up to 32 MiB come from the heap, and up to 64 MiB of freed heap
// is kept for reuse. Call it first in main().
void keepFreedMemoryForReuse();

}  // namespace zorhost

#endif
