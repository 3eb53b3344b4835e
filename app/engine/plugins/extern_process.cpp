#include "plugins/extern_process.h"

#include <QFile>
#include <QVector>

#include <limits>
#include <memory>
#include <vector>

#include "answers/answer_store.h"
#include "answers/zuntab_binding.h"
#include "model/survey.h"
#include "plugins/plugin_activation.h"
#include "runtime/cp932.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

Long windowHandle = 0;

// Descriptions of the run-time errors a call can meet; the result names the
// error and then says that the call failed.
const QString CallFailed = QStringLiteral("DLL呼び出しエラーが起きました。");
const QString BadFileName = QStringLiteral("ファイル名または番号が不正です。");
const QString CannotCreateObject = QStringLiteral("ActiveX コンポーネントはオブジェクトを作成できません。");
const QString SubscriptOutOfRange = QStringLiteral("インデックスが有効範囲にありません。");
const QString Overflow = QStringLiteral("オーバーフローしました。");
const QString ZuntabMissing = QStringLiteral("ファイルが見つかりません: zuntab");

// The texts zuntab's CallExternDLL gives instead of the plug-in's.
const QString LibraryNotFound = QStringLiteral("Unable to find Library");
const QString EntryNotFound = QStringLiteral("Library found, but unable to call KZExternProcessMain function");

ExternProcessResult Failure(const QString& description) { return {description + CallFailed, false}; }

// Counted CP932 copies of texts for one call, freed with the holder.
class CountedStrings {
public:
    explicit CountedStrings(const QVector<QString>& texts)
    {
        strings_.reserve(texts.size());
        for (const QString& text : texts) {
            const QByteArray bytes = ToCp932(text);
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

// The text of a counted CP932 result, without its zero characters.
QString ResultText(const OwnedKZString& result)
{
    const char* bytes = result.get();
    QString text = FromCp932(QByteArray(bytes, bytes ? zuntab::KZStringLength(bytes) : 0));
    text.remove(QChar(u'\0'));
    return text;
}

// The ten arguments of KZExternProcessMain, as the plug-in receives them.
struct PluginArguments {
    int32_t window;
    KZString title;
    int16_t action;
    int16_t questionCount;
    int16_t answered;
    const KZStringArray* labels;
    int32_t sampleId;
    const int16_t* counts;
    const int16_t* codes;
    const KZStringArray* texts;
};

ExternProcessResult CallLibrary(const QString& name, PluginArguments& a)
{
    const QString file = PluginLibraryFile(name);
    const QByteArray fileName = QFile::encodeName(file);
    OwnedKZString result(zuntab::CallExternDLL(file.isEmpty() ? nullptr : fileName.constData(), &a.window, a.title,
                                               a.action, a.questionCount, a.answered, a.labels, a.sampleId, a.counts,
                                               a.codes, a.texts));
    if (!result)
        return Failure(ZuntabMissing);
    QString text = ResultText(result);
    const bool ok = text != LibraryNotFound && text != EntryNotFound;
    return {std::move(text), ok};
}

ExternProcessResult CallObject(const QString& programId, PluginArguments& a)
{
    const PluginObject object = CreateObject(programId);
    if (!object)
        return Failure(CannotCreateObject);
    // The text is zuntab's string, so it may outlive the object's library.
    const OwnedKZString result(object.method()(&a.window, a.title, a.action, a.questionCount, a.answered, a.labels,
                                               a.sampleId, a.counts, a.codes, a.texts));
    return {ResultText(result), true};
}

}  // namespace

void SetExternProcessWindowHandle(Long handle) { windowHandle = handle; }

ExternProcessResult CallExternProcess(Long sampleIndex, Integer paraIndex, Integer option)
{
    const QString& name = survey.ExternProcessName;
    if (name.contains(u'/') || name.contains(u'\\'))
        return Failure(BadFileName);
    if (paraIndex == std::numeric_limits<Integer>::max())
        return Failure(Overflow);  // the action code paraIndex + 1 has no 16-bit value
    // With no samples there is no record to read; the plug-in still runs, on
    // SampleID 0 and no answers, and the table is left as it is.
    const bool haveSample = SampleCount() > 0;
    if (haveSample && (sampleIndex < 0 || sampleIndex >= SampleCount()))
        return Failure(SubscriptOutOfRange);

    const Integer questionCount = survey.QuestionCount;
    QVector<Integer> counts(questionCount + 1), codes(survey.AnswerSlotCount + 1);
    QVector<QString> labels(questionCount + 1), texts(survey.AnswerSlotCount + 1);
    for (Integer q = 0; q < questionCount; ++q)
        labels[q] = QuestionLabel(q);
    if (paraIndex >= 0 && haveSample)
        ReadSampleAnswers(sampleIndex, counts, codes, texts);

    const CountedStrings title({survey.Title}), labelArray(labels), textArray(texts);
    if (!title.allocated() || !labelArray.allocated() || !textArray.allocated())
        return Failure(ZuntabMissing);
    PluginArguments arguments{windowHandle,
                              title.first(),
                              static_cast<int16_t>(paraIndex + 1),
                              questionCount,
                              option,
                              labelArray.array(),
                              haveSample ? samples.Samples[sampleIndex].SampleID : 0,
                              counts.constData(),
                              codes.constData(),
                              textArray.array()};
    return name.contains(u'.') ? CallObject(name, arguments) : CallLibrary(name, arguments);
}

}  // namespace kz
