#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/large_blocks.h"

namespace kz {
namespace {

TEST(LargeBlocksTest, BlocksOfEverySizeHoldWhatIsWrittenAndMappedOnesAreCounted)
{
    const size_t before = MappedLargeBlockBytes();
    for (size_t bytes : {size_t(1), size_t(100'000), size_t(2) << 20, (size_t(5) << 20) + 7}) {
        SCOPED_TRACE(bytes);
        auto* block = static_cast<unsigned char*>(AllocateLargeBlock(bytes));
        std::fill_n(block, bytes, static_cast<unsigned char>(bytes));
        EXPECT_EQ(block[0], static_cast<unsigned char>(bytes));
        EXPECT_EQ(block[bytes - 1], static_cast<unsigned char>(bytes));
        // Large blocks lie in mappings of whole huge pages, where the
        // sanitizer's own heap does not take them over.
        const size_t mapped = MappedLargeBlockBytes() - before;
#if !defined(__SANITIZE_ADDRESS__)
        if (bytes >= (size_t(2) << 20)) {
            EXPECT_GE(mapped, bytes);
            EXPECT_EQ(mapped % (size_t(2) << 20), 0u);
        } else {
            EXPECT_EQ(mapped, 0u);
        }
#endif
        FreeLargeBlock(block, bytes);
        EXPECT_EQ(MappedLargeBlockBytes(), before);
    }
}

TEST(LargeBlocksTest, VectorGrowsAcrossTheThresholdKeepingItsElements)
{
    LargeVector<int> values;
    for (int i = 0; i < 1'000'000; ++i)
        values.push_back(i);
    for (int i = 0; i < 1'000'000; i += 999)
        ASSERT_EQ(values[static_cast<size_t>(i)], i);
}

}  // namespace
}  // namespace kz
