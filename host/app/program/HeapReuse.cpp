#include "program/HeapReuse.h"

#include <malloc.h>

namespace zorhost {

void keepFreedMemoryForReuse()
{
    constexpr int mebibyte = 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, 32 * mebibyte);
    mallopt(M_TRIM_THRESHOLD, 64 * mebibyte);
}

}  // namespace zorhost
