#include "tabulation/answer_addition.h"

#include <algorithm>
#include <cmath>

#include "answers/answer_check.h"
#include "answers/question_limit_check.h"
#include "document/cmd_box.h"
#include "document/listed_samples.h"
#include "document/menu_state.h"
#include "host/long_job.h"
#include "host/ui_seam.h"
#include "model/answer_store.h"
#include "model/sample_table.h"
#include "model/survey.h"
#include "runtime/number_format.h"
#include "runtime/rounding.h"
#include "runtime/val.h"

namespace kz {

namespace {

// Band starts, widths and quantities this long are not read.
constexpr qsizetype TooLong = 10;

bool Usable(const QString& text) { return !text.isEmpty() && text.size() < TooLong; }

// A choice of the target for a computed code, rounded half to even: below
// its choices "無回答", above them its last choice.
Integer WithinChoices(double code, Integer choiceCount)
{
    const double rounded = RoundHalfEven(code);
    if (!(rounded > 0))
        return 0;
    return rounded >= choiceCount - 1 ? static_cast<Integer>(choiceCount - 1) : CInt(rounded);
}

QString AskText(const SampleStore& table, Long sample)
{
    return QStringLiteral("ＩＤ") + SampleIDText(table, sample)
           + QStringLiteral("のサンプルに指定の回答を追加します。");
}

}  // namespace

std::optional<Band> ReadBand(const QString& start, const QString& width)
{
    if (!Usable(start) || !Usable(width))
        return std::nullopt;
    bool startIsNumber = false;
    bool widthIsNumber = false;
    const Band band{start.trimmed().toDouble(&startIsNumber), width.trimmed().toDouble(&widthIsNumber)};
    if (!startIsNumber || !widthIsNumber || !(band.width > 0) || !std::isfinite(band.start))
        return std::nullopt;
    return band;
}

QString BandText(const Band& band)
{
    const QString second = Format(band.start + band.width);
    return Format(band.start) + u'～' + second + QStringLiteral("未満を(1)、") + second + u'～'
           + Format(band.start + 2 * band.width) + QStringLiteral("未満を(2)...とします");
}

AddedAnswers AnswersToAdd(const Workspace& ws, Long sample, const AnswerAdditionForm& form,
                          const std::optional<Band>& band)
{
    AddedAnswers added;
    if (!form.copy) {
        added.codes = {form.Cno};
        added.texts = {form.AddEssay};
        return added;
    }
    const Integer choiceCount = ws.survey.Questions[form.Qno].ChoiceCount;
    const double shift = Val(form.Alpha);
    Integer m = 0;
    QVector<Integer> codes;
    QVector<QString> texts;
    ReadQuestionAnswers(ws, sample, form.AddQno, m, codes, texts);
    texts.resize(std::max<qsizetype>(texts.size(), m));
    for (int i = 0; i < m; ++i) {
        if (codes[i] == 0)
            continue;
        Integer code = WithinChoices(codes[i] + shift, choiceCount);
        if (band) {
            const QString& quantity = texts[i];
            code = Usable(quantity)
                       ? WithinChoices(std::floor((Val(quantity) - band->start) / band->width) + 1, choiceCount)
                       : 0;
            if (code < shift)
                code = 0;
        }
        added.codes.push_back(code);
        added.texts.push_back(texts[i]);
    }
    return added;
}

bool MergeAddedAnswers(Integer maxAnswers, Integer rank, Integer& n, QVector<Integer>& codes, QVector<QString>& texts,
                       const AddedAnswers& added)
{
    bool placed = false;
    const qsizetype room = std::max<qsizetype>(maxAnswers, n);
    codes.resize(std::max(codes.size(), room));
    texts.resize(std::max(texts.size(), room));
    for (qsizetype i = 0; i < added.codes.size(); ++i) {
        int at = -1;
        if (rank == 0) {
            if (n < maxAnswers)
                ++n;
            at = n - 1;
        } else if (n >= rank) {
            at = rank - 1;
        }
        if (at < 0)
            continue;
        codes[at] = added.codes[i];
        texts[at] = added.texts[i];
        placed = true;
    }
    return placed;
}

Long AddAnswersToListed(Workspace& ws, ListedSamples& listed, bool askEach, AnswerAdditionWindow& window)
{
    ShowProcessing(QStringLiteral("追加"), QStringLiteral("追加中です"), {}, false, true, false);
    SetModified(ws.document);
    HourglassScope hourglass;
    const Long total = SampleCount(ws.samples);
    LongJob job(total, {}, LongJob::Bar::Fills,
                [](const QString& text, float ratio) { return SetProcessingProgress(text, ratio); });
    Long handled = 0;
    Long changed = 0;
    for (const Long s : DistinctListedPositions(listed)) {
        ++handled;
        if (!job.step(s, [&] { return QStringLiteral("該当:%1  経過:%2/%3").arg(handled).arg(s + 1).arg(total); }))
            break;
        ui().yieldToEvents();
        if (askEach) {
            const int answer = MsgBox(AskText(ws.samples.Samples, s), vbYesNoCancel | vbExclamation);
            if (answer == vbCancel)
                break;
            if (answer == vbNo)
                continue;
        }
        AnswerAdditionForm form = window.form();
        std::optional<Band> band;
        if (form.copy && form.CopyNum) {
            band = ReadBand(form.SetNumFrom, form.SetNumCno);
            if (!band)
                window.dropBands();
        }
        const AddedAnswers added = AnswersToAdd(ws, s, form, band);
        const Integer q = form.Qno;
        Integer n = 0;
        QVector<Integer> codes;
        QVector<QString> texts;
        ReadQuestionAnswers(ws, s, q, n, codes, texts);
        if (!MergeAddedAnswers(ws.survey.Questions[q].MaxAnswers, form.Rank, n, codes, texts, added))
            continue;
        CheckQuestionAnswers(ws.survey, s, q, n, codes, texts, false, true, nullptr);
        WriteQuestionAnswers(ws, s, q, n, codes, texts);
        CheckQuestionLimit(ws, s, q, false, nullptr);
        ++changed;
    }
    EndProcessing();
    Beep();
    return changed;
}

}  // namespace kz
