#include "Memory.h"

#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Blocks smaller than this come from the program's heap, not from mappings of their own that go
// back to the system when freed: the largest the GNU C library accepts.
constexpr int kMappedFrom = 32 << 20;
// Free memory at the end of the heap is given back only past this.
constexpr int kKeptUpTo = 256 << 20;

} // namespace

void Memory::keepFreedMemory()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, kMappedFrom);
    mallopt(M_TRIM_THRESHOLD, kKeptUpTo);
#endif
}
