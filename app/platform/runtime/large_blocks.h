// Memory for large tables. Memory a process has not touched before costs a
// page fault per 4 KB page on its first use, and on a virtual machine a fault
// can cost more than the work done on the page. Blocks of 2 MB and more are
// therefore asked for in huge pages where the system offers them (one fault
// per 2 MB); smaller ones come from the ordinary heap.
#pragma once

#include <cstddef>
#include <new>
#include <utility>
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

// Large-block memory whose vector leaves the elements it grows by as the
// memory holds them instead of filling them with zeros: for elements written
// before they are read, such as a file read into memory. A fill would touch
// every page once more than the read does.
template <typename T>
class UnfilledLargeBlockAllocator : public LargeBlockAllocator<T> {
public:
    UnfilledLargeBlockAllocator() = default;
    template <typename U>
    UnfilledLargeBlockAllocator(const UnfilledLargeBlockAllocator<U>&) noexcept
    {}

    template <typename U>
    void construct(U* element) noexcept
    {
        ::new (static_cast<void*>(element)) U;
    }
    template <typename U, typename... Args>
    void construct(U* element, Args&&... args)
    {
        ::new (static_cast<void*>(element)) U(std::forward<Args>(args)...);
    }
};

using LargeBytes = std::vector<char, UnfilledLargeBlockAllocator<char>>;

}  // namespace kz
