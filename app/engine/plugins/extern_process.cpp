#include "plugins/extern_process.h"

#include <QVector>

#include <limits>

#include "model/answer_store.h"
#include "model/survey.h"
#include "plugins/plugin_host.h"
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
const QString HostMissing = QStringLiteral("ファイルが見つかりません: kzpluginhost");
const QString HostEnded = QStringLiteral("外部処理が異常終了しました。");
const QString HostStopped = QStringLiteral("外部処理を中止しました。");
const QString HostBusy = QStringLiteral("ほかの外部処理が実行中です。");
const QString ResultTooLong = QStringLiteral("外部処理の結果が長すぎます（%1バイトまで）。").arg(MaxResultBytes);
const QString NoProcess = QStringLiteral("外部処理が設定されていません。");
const QString LibraryMissing = QStringLiteral("外部処理「%1」が見つかりません。");
const QString EntryMissing = QStringLiteral("外部処理「%1」にKZExternProcessMainがありません。");

ExternProcessResult Failure(const QString& description) { return {description + CallFailed, false}; }

QList<QByteArray> Cp932Texts(const QVector<QString>& texts)
{
    QList<QByteArray> bytes;
    bytes.reserve(texts.size());
    for (const QString& text : texts)
        bytes.push_back(ToCp932(text));
    return bytes;
}

// The text of a CP932 result, without its zero characters.
QString ResultText(const QByteArray& bytes)
{
    QString text = FromCp932(bytes);
    text.remove(QChar(u'\0'));
    return text;
}

ExternProcessResult ResultOf(const HostExchange& exchange, const QString& name)
{
    switch (exchange.failure) {
    case HostFailure::None:
        break;
    case HostFailure::Missing:
        return Failure(HostMissing);
    case HostFailure::Ended:
        return Failure(HostEnded);
    case HostFailure::Stopped:
        return Failure(HostStopped);
    case HostFailure::Busy:
        return Failure(HostBusy);
    }
    switch (exchange.reply.outcome) {
    case PluginOutcome::Returned:
        return {ResultText(exchange.reply.text), true};
    case PluginOutcome::LibraryMissing:
        return Failure(LibraryMissing.arg(name));
    case PluginOutcome::EntryMissing:
        return Failure(EntryMissing.arg(name));
    case PluginOutcome::ZuntabMissing:
        return Failure(ZuntabMissing);
    case PluginOutcome::NoObject:
        return Failure(CannotCreateObject);
    case PluginOutcome::TooLong:
        return Failure(ResultTooLong);
    }
    return Failure(HostEnded);
}

}  // namespace

void SetExternProcessWindowHandle(Long handle) { windowHandle = handle; }

ExternProcessResult CallExternProcess(const Workspace& ws, Long sampleIndex, Integer paraIndex, Integer option)
{
    const Survey& questionnaire = ws.survey;
    const QString& name = questionnaire.ExternProcessName;
    if (name.isEmpty())
        return Failure(NoProcess);
    if (name.contains(u'/') || name.contains(u'\\'))
        return Failure(BadFileName);
    if (paraIndex == std::numeric_limits<Integer>::max())
        return Failure(Overflow);  // the action code paraIndex + 1 has no 16-bit value
    // With no samples there is no record to read; the plug-in still runs, on
    // SampleID 0 and no answers, and the table is left as it is.
    const bool haveSample = SampleCount(ws.samples) > 0;
    if (haveSample && (sampleIndex < 0 || sampleIndex >= SampleCount(ws.samples)))
        return Failure(SubscriptOutOfRange);

    const Integer questionCount = questionnaire.QuestionCount;
    PluginCall call;
    call.name = name;
    call.window = windowHandle;
    call.title = ToCp932(questionnaire.Title);
    call.action = static_cast<Integer>(paraIndex + 1);
    call.questionCount = questionCount;
    call.answered = option;
    call.sampleId = haveSample ? ws.samples.Samples.id(sampleIndex) : 0;
    call.counts.resize(questionCount + 1);
    call.codes.resize(questionnaire.AnswerSlotCount + 1);
    QVector<QString> labels(questionCount + 1), texts(questionnaire.AnswerSlotCount + 1);
    for (Integer q = 0; q < questionCount; ++q)
        labels[q] = QuestionLabel(questionnaire, q);
    if (paraIndex >= 0 && haveSample)
        ReadSampleAnswers(ws, sampleIndex, call.counts, call.codes, texts);
    call.labels = Cp932Texts(labels);
    call.texts = Cp932Texts(texts);
    return ResultOf(CallPluginHost(call), name);
}

}  // namespace kz
