// Memory for large tables. Memory a process has not touched before costs a
// page fault per 4 KB page on its first use, and on a virtual machine a fault
// can cost more than the work done on the page. Blocks of 2 MB and more are
// therefore asked for in huge pages where the system offers them (one fault
// per 2 MB); smaller ones come from the ordinary heap.
#pragma once

#include <cstddef>
#include <new>
#include <vector>

namespace kz {

// Throws std::bad_alloc when no memory is left.
void* AllocateLargeBlock(size_t bytes);
// `bytes` is the size the block was allocated with.
void FreeLargeBlock(void* block, size_t bytes);
// Bytes held in huge-page mappings, which the heap's own statistics
// (mallinfo2) do not see.
size_t MappedLargeBlockBytes();

template <typename T>
class LargeBlockAllocator {
public:
    using value_type = T;

    LargeBlockAllocator() = default;
    template <typename U>
    LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept
    {}

    T* allocate(size_t n) { return static_cast<T*>(AllocateLargeBlock(n * sizeof(T))); }
    void deallocate(T* block, size_t n) noexcept { FreeLargeBlock(block, n * sizeof(T)); }

    template <typename U>
    friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator<U>&) noexcept
    {
        return true;
    }
};

template <typename T>
using LargeVector = std::vector<T, LargeBlockAllocator<T>>;

}  // namespace kz
