#include "runtime/large_blocks.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>

namespace kz {
namespace {

constexpr size_t HugePage = size_t(2) << 20;

// The address sanitizer checks only the memory it hands out itself.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool OwnMappings = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool OwnMappings = false;
#else
constexpr bool OwnMappings = true;
#endif
#else
constexpr bool OwnMappings = true;
#endif

std::atomic<size_t> mappedBytes{0};

bool Mapped(size_t bytes) { return OwnMappings && bytes >= HugePage; }

size_t MappedSize(size_t bytes) { return (bytes + HugePage - 1) / HugePage * HugePage; }

// A mapping of whole huge pages on a huge-page boundary: one page more is
// mapped and the parts before and after the boundaries are given back.
void* MapHugePages(size_t size)
{
    void* mapping = mmap(nullptr, size + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED)
        return nullptr;
    const auto start = reinterpret_cast<uintptr_t>(mapping);
    const uintptr_t aligned = (start + HugePage - 1) / HugePage * HugePage;
    if (aligned > start)
        munmap(mapping, aligned - start);
    if (const size_t tail = start + HugePage - aligned; tail > 0)
        munmap(reinterpret_cast<void*>(aligned + size), tail);
    // Only advice: without huge pages the mapping works page by page.
    madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

}  // namespace

void* AllocateLargeBlock(size_t bytes)
{
    if (!Mapped(bytes)) {
        if (void* block = std::malloc(bytes == 0 ? 1 : bytes))
            return block;
        throw std::bad_alloc();
    }
    void* block = MapHugePages(MappedSize(bytes));
    if (!block)
        throw std::bad_alloc();
    mappedBytes += MappedSize(bytes);
    return block;
}

void FreeLargeBlock(void* block, size_t bytes)
{
    if (!Mapped(bytes)) {
        std::free(block);
    } else if (block) {
        munmap(block, MappedSize(bytes));
        mappedBytes -= MappedSize(bytes);
    }
}

size_t MappedLargeBlockBytes() { return mappedBytes; }

}  // namespace kz
