// The program knows only the library's file in its folder, the export names
// and the ABI.
#include <gtest/gtest.h>

#include <cstdint>
#include <dlfcn.h>
#include <filesystem>

namespace {

struct Layout {
    int16_t slots, bitOffset, bitsPerSlot, essayOffset;
};
struct Item {
    int16_t kindRank, code;
};

class LibraryByName : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto file = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "libzuntab.so";
        library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << dlerror();
    }
    void TearDown() override
    {
        if (library)
            dlclose(library);
    }
    template <typename Fn>
    Fn bind(const char* name)
    {
        void* symbol = dlsym(library, name);
        EXPECT_NE(symbol, nullptr) << name;
        return reinterpret_cast<Fn>(symbol);
    }
    void* library = nullptr;
};

TEST_F(LibraryByName, EveryExportResolves)
{
    for (const char* name : {"qcDecodeC", "maAno_popC", "maAno_pushC", "maAno_pop_verstC", "maAno_push_verstC",
                             "lmDoC", "VerstTotalC", "VerstTotalRangeC", "VerstTotalListC", "VerstTotalQuestionsC",
                             "CallExternDLL", "KZStringAlloc", "KZStringFree", "KZStringLength", "KZStringArrayGet"})
        EXPECT_NE(dlsym(library, name), nullptr) << name;
}

TEST_F(LibraryByName, PackedAnswersAndConditionsThroughBoundPointers)
{
    auto push = bind<void (*)(const Layout*, int16_t, int16_t*, const int16_t*, const int16_t*)>("maAno_pushC");
    auto pop = bind<void (*)(const Layout*, int16_t, const int16_t*, int16_t*, int16_t*)>("maAno_popC");
    auto evaluate = bind<int16_t (*)(const Item*, const Layout*, int16_t, const int16_t*)>("lmDoC");
    auto total = bind<int32_t (*)(const Item*, const Layout*, int16_t, const int16_t*, int16_t, int32_t*, int16_t)>(
        "VerstTotalC");

    const Layout layout[] = {{2, 0, 3, 0}, {1, 6, 8, 0}, {0, 14, 0, 0}};
    int16_t words[2] = {};
    const int16_t count = 2, values[] = {6, 2};
    push(layout, 0, words, &count, values);
    int16_t readCount = 0, readValues[2] = {};
    pop(layout, 0, words, &readCount, readValues);
    EXPECT_EQ(readCount, 2);
    EXPECT_EQ(readValues[1], 2);

    Item cond[16] = {};
    cond[1] = {3, 2};  // Q0 choice 2 required
    EXPECT_EQ(evaluate(cond, layout, 0, words), -1);
    int32_t counts[128] = {};
    EXPECT_EQ(total(cond, layout, 0, words, 1, counts, 0), 1);
    EXPECT_EQ(counts[0], 1);  // Q1 unanswered
}

}  // namespace
