#include "plugins/plugin_runner.h"

#include <QFile>

#include <memory>
#include <vector>

#include "model/zuntab_binding.h"
#include "plugins/plugin_activation.h"

namespace kz {

namespace {

// The texts zuntab's CallExternDLL gives instead of the plug-in's.
const QByteArray LibraryNotFound = "Unable to find Library";
const QByteArray EntryNotFound = "Library found, but unable to call KZExternProcessMain function";

// Counted copies of texts for one call, freed with the holder.
class CountedStrings {
public:
    explicit CountedStrings(const QList<QByteArray>& texts)
    {
        strings_.reserve(texts.size());
        for (const QByteArray& bytes : texts) {
            KZString s = zuntab::KZStringAlloc(bytes.constData(), static_cast<int32_t>(bytes.size()));
            allocated_ = allocated_ && s;
            strings_.push_back(s);
        }
        array_ = {static_cast<int32_t>(strings_.size()), strings_.data()};
    }
    ~CountedStrings()
    {
        for (KZString s : strings_)
            zuntab::KZStringFree(s);
    }
    CountedStrings(const CountedStrings&) = delete;
    CountedStrings& operator=(const CountedStrings&) = delete;

    // False when zuntab could not make every string.
    bool allocated() const { return allocated_; }
    const KZStringArray* array() const { return &array_; }
    KZString first() const { return strings_.front(); }

private:
    std::vector<KZString> strings_;
    KZStringArray array_{};
    bool allocated_ = true;
};

struct FreeKZString {
    void operator()(char* s) const { zuntab::KZStringFree(s); }
};
using OwnedKZString = std::unique_ptr<char, FreeKZString>;

// The ten arguments of KZExternProcessMain, held for one call.
struct Arguments {
    explicit Arguments(const PluginCall& call)
        : window(call.window), title({call.title}), labels(call.labels), texts(call.texts)
    {}
    bool allocated() const { return title.allocated() && labels.allocated() && texts.allocated(); }

    int32_t window;
    CountedStrings title;
    CountedStrings labels;
    CountedStrings texts;
};

// A counted result as the reply carries it; a null result is the empty text.
PluginReply ReplyWith(const OwnedKZString& result)
{
    const qsizetype length = zuntab::KZStringLength(result.get());
    if (length > MaxResultBytes)
        return {PluginOutcome::TooLong, {}};
    return {PluginOutcome::Returned, QByteArray(result.get(), length)};
}

PluginReply CallLibrary(const PluginCall& call, Arguments& a)
{
    const QString file = PluginLibraryFile(call.name);
    const QByteArray fileName = QFile::encodeName(file);
    const OwnedKZString result(zuntab::CallExternDLL(file.isEmpty() ? nullptr : fileName.constData(), &a.window,
                                                     a.title.first(), call.action, call.questionCount, call.answered,
                                                     a.labels.array(), call.sampleId, call.counts.constData(),
                                                     call.codes.constData(), a.texts.array()));
    if (!result)
        return {PluginOutcome::ZuntabMissing, {}};
    PluginReply reply = ReplyWith(result);
    if (reply.text == LibraryNotFound)
        return {PluginOutcome::LibraryMissing, {}};
    if (reply.text == EntryNotFound)
        return {PluginOutcome::EntryMissing, {}};
    return reply;
}

PluginReply CallObject(const PluginCall& call, Arguments& a)
{
    const PluginObject object = CreateObject(call.name);
    if (!object)
        return {PluginOutcome::NoObject, {}};
    // The text is zuntab's string, so it may outlive the object's library.
    const OwnedKZString result(object.method()(&a.window, a.title.first(), call.action, call.questionCount,
                                               call.answered, a.labels.array(), call.sampleId,
                                               call.counts.constData(), call.codes.constData(), a.texts.array()));
    return ReplyWith(result);
}

}  // namespace

PluginReply RunPluginCall(const PluginCall& call)
{
    Arguments arguments(call);
    if (!arguments.allocated())
        return {PluginOutcome::ZuntabMissing, {}};
    return call.name.contains(u'.') ? CallObject(call, arguments) : CallLibrary(call, arguments);
}

}  // namespace kz
