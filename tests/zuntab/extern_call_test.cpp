#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "zuntab.h"

namespace {

struct StringDeleter {
    void operator()(char* s) const { KZStringFree(s); }
};
using OwnedString = std::unique_ptr<char, StringDeleter>;

OwnedString owned(const std::string& s)
{
    return OwnedString(KZStringAlloc(s.data(), static_cast<int32_t>(s.size())));
}

std::string text(const OwnedString& s) { return std::string(s.get(), KZStringLength(s.get())); }

std::string pluginPath(const std::string& name)
{
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / name).string();
}

// The ten arguments of one call, with texts held as counted strings.
struct PluginCall {
    int32_t window = 4711;
    OwnedString title = owned("アンケート");
    std::vector<OwnedString> labelStore, textStore;
    std::vector<KZString> labelPtrs, textPtrs;
    KZStringArray labels{}, texts{};
    std::vector<int16_t> counts, codes;

    PluginCall(std::vector<std::string> labelTexts, std::vector<int16_t> answerCounts,
               std::vector<int16_t> answerCodes, std::vector<std::string> answerTexts)
        : counts(std::move(answerCounts)), codes(std::move(answerCodes))
    {
        for (const auto& s : labelTexts)
            labelPtrs.push_back(labelStore.emplace_back(owned(s)).get());
        for (const auto& s : answerTexts)
            textPtrs.push_back(textStore.emplace_back(owned(s)).get());
        labels = {static_cast<int32_t>(labelPtrs.size()), labelPtrs.data()};
        texts = {static_cast<int32_t>(textPtrs.size()), textPtrs.data()};
    }

    // Plug-ins are named by their path in the test's own folder, as the
    // program names them in its folder.
    std::string run(const char* library, int16_t action, int16_t answered = 0)
    {
        const std::string path = library ? pluginPath(library) : std::string();
        OwnedString result(CallExternDLL(library ? path.c_str() : nullptr, &window, title.get(), action,
                                         static_cast<int16_t>(counts.size()), answered, &labels, 1234, counts.data(),
                                         codes.data(), &texts));
        return text(result);
    }
};

PluginCall sampleWithTexts() { return PluginCall({"Q1", "Q2", "Q3"}, {1, 2, 1}, {1, 2, 3, 4}, {"a", "b", "c", "d"}); }

TEST(CallExternDLL, QexolinAnswersActionsThreeAndFour)
{
    auto call = sampleWithTexts();
    EXPECT_EQ(call.run("libqexolin.so", 3), "ba");
    EXPECT_EQ(call.run("libqexolin.so", 4), "d");
    EXPECT_EQ(call.run("libqexolin.so", 1), "");
}

TEST(CallExternDLL, MissingLibraryGivesItsMessage)
{
    auto call = sampleWithTexts();
    EXPECT_EQ(call.run("libno-such-plugin.so", 3), "Unable to find Library");
    EXPECT_EQ(call.run(nullptr, 3), "Unable to find Library");
}

TEST(CallExternDLL, LibraryWithoutEntryGivesItsMessage)
{
    auto call = sampleWithTexts();
    EXPECT_EQ(call.run("libkz_no_entry_plugin.so", 3),
              "Library found, but unable to call KZExternProcessMain function");
}

TEST(CallExternDLL, NegativeActionSkipsThePlugin)
{
    auto call = sampleWithTexts();
    EXPECT_EQ(call.run("libkz_echo_plugin.so", -1), "");
    EXPECT_EQ(call.run("libkz_echo_plugin.so", -32768), "");
}

TEST(CallExternDLL, ArgumentsReachThePluginInOrder)
{
    auto call = sampleWithTexts();
    EXPECT_EQ(call.run("libkz_echo_plugin.so", 2, 5), "4711|アンケート|3|5|Q2|1234|2|3|a");
}

TEST(CallExternDLL, ResultIsCopiedWholeAndNullIsEmpty)
{
    auto call = sampleWithTexts();
    EXPECT_EQ(call.run("libkz_echo_plugin.so", 1), std::string(300, 'x'));
    EXPECT_EQ(call.run("libkz_echo_plugin.so", 0), "");
}

TEST(CountedStrings, KeepLengthAndTerminator)
{
    const char bytes[] = {'a', '\0', 'b'};
    OwnedString s(KZStringAlloc(bytes, 3));
    EXPECT_EQ(KZStringLength(s.get()), 3);
    EXPECT_EQ(s.get()[2], 'b');
    EXPECT_EQ(s.get()[3], '\0');
    int32_t prefix = 0;  // the header promises the count in the 32 bits before the bytes
    std::memcpy(&prefix, s.get() - sizeof prefix, sizeof prefix);
    EXPECT_EQ(prefix, 3);
    OwnedString blank(KZStringAlloc(nullptr, 2));
    EXPECT_EQ(std::string(blank.get(), 3), std::string(3, '\0'));
    EXPECT_EQ(KZStringAlloc("x", -1), nullptr);
    EXPECT_EQ(KZStringLength(nullptr), 0);
    KZStringFree(nullptr);
}

TEST(CountedStrings, ArrayGetterChecksBounds)
{
    auto call = sampleWithTexts();
    KZString element = nullptr;
    EXPECT_EQ(KZStringArrayGet(&call.texts, 3, &element), 0);
    EXPECT_STREQ(element, "d");
    EXPECT_EQ(KZStringArrayGet(&call.texts, 4, &element), -1);
    EXPECT_EQ(element, nullptr);
    EXPECT_EQ(KZStringArrayGet(&call.texts, -1, &element), -1);
    EXPECT_EQ(KZStringArrayGet(nullptr, 0, &element), -1);
}

}  // namespace
