#pragma once

// Keeps memory the program frees for its next allocations instead of handing it back to the
// system at once. Laying out a long line allocates and frees tens of megabytes per keystroke,
// and each fresh page from the system costs a page fault: most of a keystroke's time.
void reuseFreedMemory();

// Hands the memory that lies free back to the system, after a one-off peak such as a load.
void returnFreedMemory();

// While it lives, big blocks come straight from the system again: a text that grows piece by
// piece is then moved by remapping instead of copying, which keeps the peak of a load low.
class MappedGrowth {
public:
    MappedGrowth();
    ~MappedGrowth();
    MappedGrowth(const MappedGrowth &) = delete;
    MappedGrowth &operator=(const MappedGrowth &) = delete;
};
