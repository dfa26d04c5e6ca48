#include "document/memory_reuse.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace {

#ifdef M_MMAP_MAX // glibc
// glibc's own limit on mapped blocks.
constexpr int DefaultMmapMax = 65536;
bool reusing = false;
#endif

} // namespace

void reuseFreedMemory()
{
#ifdef M_MMAP_MAX
    // Big blocks come from the heap too, so that freed ones are used again; the heap still
    // gives back what lies free at its top beyond 256 MB.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    reusing = true;
#endif
}

MappedGrowth::MappedGrowth()
{
#ifdef M_MMAP_MAX
    if (reusing)
        mallopt(M_MMAP_MAX, DefaultMmapMax);
#endif
}

MappedGrowth::~MappedGrowth()
{
#ifdef M_MMAP_MAX
    if (reusing)
        mallopt(M_MMAP_MAX, 0);
#endif
}

void returnFreedMemory()
{
#ifdef M_MMAP_MAX
    malloc_trim(0);
#endif
}
