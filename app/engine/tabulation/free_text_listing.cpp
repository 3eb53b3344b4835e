#include "tabulation/free_text_listing.h"

#include <QStringBuilder>

#include "host/long_job.h"
#include "host/ui_seam.h"
#include "model/answer_store.h"
#include "model/condition_arrays.h"
#include "model/sample_table.h"
#include "model/total_option.h"
#include "model/workspace.h"
#include "runtime/number_format.h"
#include "runtime/val.h"
#include "texts/choice_texts.h"
#include "texts/condition_texts.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

constexpr int ListedHeading = HeadingLabel | HeadingLimit | HeadingText | HeadingMax;
// The rows of a listing besides its listed rows, as the cut counts them.
constexpr Long OtherRows = 5;

bool IsQuantityChoice(const Survey& questionnaire, Integer q, Integer c)
{
    return (questionnaire.Choices(q, c).Attr & (1 << AttrQuantity)) != 0;
}

// The labels of the sample's answers to each referenced question, a field each.
QString ReferencedAnswers(const Workspace& ws, Long sample, std::span<const Integer> refQuestions,
                          QVector<Integer>& codes)
{
    QString fields;
    for (Integer q : refQuestions) {
        Integer count = 0;
        PopQuestionAnswers(ws, sample, q, count, codes);
        QStringList labels;
        for (int i = 0; i < count; ++i)
            labels.push_back(ChoiceLabel(ws.survey, q, codes[i], false, false));
        fields += u'\t' + GridField(labels.join(QStringLiteral(", ")));
    }
    return fields;
}

QString Footer(const FreeTextListing& listing)
{
    QString footer = QStringLiteral("のべ") + QString::number(listing.rows) + QStringLiteral("人");
    if (listing.rows > 0)
        footer += QStringLiteral("\t平均 \t") + Format(listing.quantitySum / listing.rows);
    return footer;
}

QString CutMessage(Long s)
{
    return QStringLiteral("人数が多くて") + QString::number(s)
           + QStringLiteral("番までしか表示出来ませんでした。続きを見るときは『集計の続き』ボタンを押してください。");
}

}  // namespace

std::optional<Condition> ListingCondition(const Survey& questionnaire, const TotalOptionRec& option)
{
    Condition cond{};
    Integer pos = 0;
    ClearCondition(cond, pos);
    if (AppendCondition(cond, pos, questionnaire.QuestionLimit, option.Qno)
        && AppendCondition(cond, pos, option.Limits, 0))
        return cond;
    return std::nullopt;
}

QString ListingConditionTooLong()
{
    return QStringLiteral("質問の限定と全体の限定を合わせると%1行を超えるため、一覧を作れません。").arg(LastRowEntry);
}

ListingHead MakeListingHead(const Survey& questionnaire, const TotalOptionRec& option, const Condition& cond,
                            std::span<const Integer> refQuestions)
{
    ListingHead head;
    head.titles = {QStringLiteral("ＩＤ"), QStringLiteral("選択肢"), QStringLiteral("記述文")};
    if (!refQuestions.empty())
        head.titles.push_back(QStringLiteral("参照回答"));
    head.headings.push_back(ListedQuestionHeading(questionnaire, option.Qno));
    for (Integer q : refQuestions)
        head.headings.push_back(ListedQuestionHeading(questionnaire, q));
    head.conditionText = ConditionText(questionnaire, cond, false);
    if (option.Rank > 0)
        head.rankText = QString::number(option.Rank) + QStringLiteral("位");
    return head;
}

QString ListedQuestionHeading(const Survey& questionnaire, Integer q)
{
    return QuestionHeading(questionnaire, q, ListedHeading);
}

FreeTextRequest ListingRequest(const TotalOptionRec& option)
{
    FreeTextRequest request;
    request.Qno = option.Qno;
    request.XQno = option.XQno;
    request.CrossMode = option.CrossMode;
    request.EssayText = option.EssayText;
    request.QtyMin = option.QtyMin;
    request.QtyMax = option.QtyMax;
    request.CodeFrom = option.CodeFrom;
    request.CodeTo = option.CodeTo;
    request.Rank = option.Rank;
    return request;
}

QString GridField(const QString& text)
{
    if (!text.contains(u'\t') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString field = text;
    for (QChar& ch : field)
        if (ch == u'\t' || ch == u'\r' || ch == u'\n')
            ch = u' ';
    return field;
}

FreeTextListing ListSamples(const Workspace& ws, const TotalOptionRec& option, const Condition& cond,
                            std::span<const Integer> refQuestions, Long from, ListingView& view)
{
    FreeTextListing listing;
    listing.listed.clear(ws.samples);
    const Long sampleCount = static_cast<Long>(ws.samples.Samples.size());
    if (sampleCount == 0)
        return listing;
    const Survey& questionnaire = ws.survey;
    const Integer q = option.Qno;
    const FreeTextRequest request = ListingRequest(option);
    LongJob job(sampleCount - from, {}, LongJob::Bar::Fills,
                [&](const QString& percent, float) { return view.showProgress(percent); });
    Integer count = 0;
    QVector<Integer> codes;
    QVector<QString> texts;
    QVector<Integer> refCodes;
    Long s = from;
    for (; s < sampleCount; ++s) {
        if (!job.step(s - from, [&] { return FormatPercent(double(s) / sampleCount, 0); }))
            break;
        if (!MatchSampleQuestion(ws, s, request, cond, count, codes, texts))
            continue;
        const Long id = SampleIDAt(ws.samples.Samples, s);
        const QString idText = QString::number(id);
        for (int j = 0; j < count; ++j) {
            listing.listed.append(id);
            if (IsQuantityChoice(questionnaire, q, codes[j]))
                listing.quantitySum += Val(texts[j]);
            QString line = idText % u'\t' % GridField(ChoiceLabel(questionnaire, q, codes[j], false, false)) % u'\t'
                           % GridField(texts[j]);
            if (j == 0 && !refQuestions.empty())
                line += ReferencedAnswers(ws, s, refQuestions, refCodes);
            view.addRow(line);
            ++listing.rows;
        }
        if (s < sampleCount - 1 && listing.rows + OtherRows >= ListingRowLimit) {
            listing.nextStart = s + 1;
            break;
        }
    }
    // Through the last sample the progress ends at 100%, as a count's does;
    // a stop or a cut keeps the share it reached.
    if (s == sampleCount)
        view.showProgress(FormatPercent(1.0, 0));
    view.addRow(Footer(listing));
    return listing;
}

void TellListingCut(const FreeTextListing& listing)
{
    if (listing.nextStart > 0)
        MsgBox(CutMessage(listing.nextStart - 1), vbInformation);
}

}  // namespace kz
