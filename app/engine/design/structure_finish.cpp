#include "design/structure_finish.h"

#include <QVector>

#include <algorithm>
#include <utility>

#include "answers/answer_check.h"
#include "answers/question_limit_check.h"
#include "document/cmd_box.h"
#include "document/menu_state.h"
#include "host/long_job.h"
#include "host/ui_seam.h"
#include "model/answer_store.h"
#include "model/limit_eval.h"
#include "model/question_codes.h"
#include "model/zuntab_binding.h"
#include "reply/paragraph_table.h"

namespace kz {

namespace {

// After a change of numbering every question the tables can hold gets its
// own line, whatever the questionnaire's size, as data files have always
// stored it.
constexpr Integer EveryQuestionLine = LastParagraph - 1;

// Room for one question's answers at any MaxAnswers, and the one answer an
// unanswered question comes out of the check with.
constexpr int QuestionRoom = MaxChoices + 1;

// Carries samples of the table at opening, read by its layout, into the same
// positions of the active table, in the edited structure.
//
// It runs once per sample of a possibly large table: the buffers live as long
// as the carrier, and free texts, which most answers lack, are copied only
// for the questions that have some in the sample at hand.
class SampleCarrier {
public:
    SampleCarrier(Workspace& ws, const StructureEdit& edit) : ws_(ws), edit_(edit), old_(edit.Backup[0])
    {
        for (int k = 0; k < old_.QuestionCount; ++k) {
            const Integer q = edit.QnoMap[static_cast<size_t>(k)];
            if (q >= 0)
                sourceOf_[static_cast<size_t>(q)] = static_cast<Integer>(k);
            for (int slot = essayOffset(k); slot < essayOffset(k + 1); ++slot)
                essayQuestion_.push_back(static_cast<Integer>(k));
        }
        const auto oldQuestions = static_cast<size_t>(old_.QuestionCount);
        oldCounts_.resize(oldQuestions);
        oldCodes_.resize(std::max<size_t>(static_cast<size_t>(edit.oldAnswerSlotCount), oldQuestions));
        oldTexts_.resize(oldCodes_.size());
        oldFirst_.resize(oldQuestions);
        withTexts_.resize(oldQuestions);
        codes_.resize(QuestionRoom);
        texts_.resize(QuestionRoom);
        counts_.resize(ws.survey.QuestionCount);
    }

    void carry(const SampleStore& from, Long s)
    {
        readOld(from, s);
        written_ = 0;
        for (Integer q = 0; q < ws_.survey.QuestionCount; ++q)
            carryQuestion(s, q);
        for (const qsizetype i : textsRead_)
            oldTexts_[static_cast<size_t>(i)].clear();
        textsRead_.clear();
        std::fill(withTexts_.begin(), withTexts_.end(), false);
        WriteSampleAnswers(ws_, s, counts_, flatCodes_, flatTexts_);
        for (const qsizetype i : textsWritten_)
            flatTexts_[i].clear();
        textsWritten_.clear();
        CheckSampleLimits(ws_, s, false, nullptr);
    }

private:
    int essayOffset(int k) const { return edit_.oldLayout[static_cast<size_t>(k)].EssayOffset; }

    void readOld(const SampleStore& from, Long s)
    {
        zuntab::maAno_pop_verstC(old_.QuestionCount, edit_.oldLayout.data(), from.answers(s), oldCounts_.data(),
                                 oldCodes_.data());
        int first = 0;
        for (size_t k = 0; k < oldFirst_.size(); ++k) {
            oldFirst_[k] = first;
            first += oldCounts_[k];
        }
        for (const FreeTexts::Entry& entry : from.texts(s)) {
            if (entry.slot < 0 || entry.slot >= static_cast<int>(essayQuestion_.size()))
                continue;
            const auto k = static_cast<size_t>(essayQuestion_[static_cast<size_t>(entry.slot)]);
            const int i = entry.slot - essayOffset(static_cast<int>(k));
            if (i >= oldCounts_[k])
                continue;
            const qsizetype at = oldFirst_[k] + i;
            oldTexts_[static_cast<size_t>(at)] = entry.text;
            textsRead_.push_back(at);
            withTexts_[k] = true;
        }
    }

    // The answers of q's initial question with their choices renumbered (-1
    // for a deleted one), repaired and checked in the edited structure.
    void carryQuestion(Long s, Integer q)
    {
        const Integer k = sourceOf_[static_cast<size_t>(q)];
        Integer* codes = codes_.data();
        Integer n = 1;
        codes[0] = 0;
        const bool withTexts = k >= 0 && withTexts_[static_cast<size_t>(k)];
        if (k >= 0) {
            n = oldCounts_[static_cast<size_t>(k)];
            const Integer oldChoices = old_.Questions[static_cast<size_t>(k)].ChoiceCount;
            const auto first = static_cast<size_t>(oldFirst_[static_cast<size_t>(k)]);
            for (int i = 0; i < n; ++i) {
                const Integer c = oldCodes_[first + i];
                codes[i] = c >= 0 && c < oldChoices ? edit_.CnoMap(c, k) : Integer(-1);
            }
            for (int i = 0; withTexts && i < n; ++i)
                texts_[i] = oldTexts_[first + i];
        }
        const Integer read = n;
        CheckQuestionAnswers(ws_.survey, s, q, n, codes_, texts_, false, true, nullptr);
        if (flatCodes_.size() < written_ + n) {
            flatCodes_.resize(written_ + n);
            flatTexts_.resize(written_ + n);
        }
        std::copy_n(codes_.constData(), n, flatCodes_.data() + written_);
        if (withTexts) {
            // The checks only move and empty texts within the answers read.
            for (int i = 0; i < n; ++i) {
                if (texts_[i].isEmpty())
                    continue;
                flatTexts_[written_ + i] = std::move(texts_[i]);
                textsWritten_.push_back(written_ + i);
            }
            for (int i = 0; i < read; ++i)
                texts_[i].clear();
        }
        written_ += n;
        counts_[q] = n;
    }

    Workspace& ws_;
    const StructureEdit& edit_;
    const StructureSlot& old_;
    std::array<Integer, MaxQuestions> sourceOf_ = MakeFilled(-1);
    std::vector<Integer> essayQuestion_;  // the old question of each old essay slot
    std::vector<Integer> oldCounts_;
    std::vector<Integer> oldCodes_;
    std::vector<QString> oldTexts_;  // empty but where textsRead_ points
    std::vector<int> oldFirst_;
    std::vector<bool> withTexts_;  // by old question: the sample has texts in it
    std::vector<qsizetype> textsRead_;
    QVector<Integer> codes_;
    QVector<QString> texts_;  // empty between questions
    QVector<Integer> counts_;
    QVector<Integer> flatCodes_;
    QVector<QString> flatTexts_;  // empty but where textsWritten_ points
    std::vector<qsizetype> textsWritten_;
    qsizetype written_ = 0;

    static std::array<Integer, MaxQuestions> MakeFilled(Integer value)
    {
        std::array<Integer, MaxQuestions> a;
        a.fill(value);
        return a;
    }
};

// Builds the converted table beside the old one and swaps it in; false, with
// the old table back in place, when the user stopped.
bool ConvertSamples(Workspace& ws, const StructureEdit& edit)
{
    SampleTable& samples = ws.samples;
    const Long n = SampleCount(samples);
    SampleStore table;
    table.reshape(AnswerWordsPerSample(ws.survey));
    table.resize(n);
    for (Long s = 0; s < n; ++s)
        table.setId(s, samples.Samples.id(s));
    std::swap(samples.Samples, table);  // `table` now holds the samples at opening

    ShowProcessing(QStringLiteral("質問と選択肢の設定"), QStringLiteral("回答を新しい質問構成に移しています"),
                   QStringLiteral("回答"), false, true, false);
    SampleCarrier carrier(ws, edit);
    LongJob job(n, QStringLiteral("回答"));
    bool done = true;
    for (Long s = 0; s < n && done; ++s) {
        done = job.step(s);
        if (done)
            carrier.carry(table, s);
    }
    EndProcessing();
    if (!done) {
        std::swap(samples.Samples, table);
        return false;
    }
    ++samples.generation;
    return true;
}

bool AnyStoredLimitDefined(const Survey& questionnaire)
{
    for (const Condition& limit : questionnaire.LimitTable)
        if (limit[1].KindRank != 0)
            return true;
    return false;
}

void EmptyStoredLimits(Survey& questionnaire)
{
    for (Condition& limit : questionnaire.LimitTable)
        for (LimitItem& item : limit)
            item.KindRank = 0;
}

// A line that started at a slot its question no longer has starts at the
// question's last slot.
void ClampEntryLines(Survey& questionnaire)
{
    for (Integer& start : questionnaire.ParagraphStart) {
        Integer q = 0;
        Integer slot = 0;
        SplitQC(start, q, slot);
        if (q < questionnaire.QuestionCount && slot >= questionnaire.Questions[q].MaxAnswers)
            start = MakeQC(q, static_cast<Integer>(questionnaire.Questions[q].MaxAnswers - 1));
    }
}

}  // namespace

FinishResult FinishStructureEdit(Workspace& ws, StructureEdit& edit)
{
    Survey& questionnaire = ws.survey;
    if (!ComputeAnswerLayout(questionnaire)) {
        MsgBox(QStringLiteral("この構成では１サンプルの回答が32767ビットを超えるため終了できません。"
                              "質問、選択肢または回答可能数を減らしてください。"),
               vbExclamation);
        return FinishResult::TooLarge;
    }
    HourglassScope hourglass;
    const auto storedLimits = questionnaire.LimitTable;
    EmptyStoredLimits(questionnaire);
    if (edit.changed && SampleCount(ws.samples) >= 1) {
        if (!ConvertSamples(ws, edit)) {
            questionnaire.LimitTable = storedLimits;
            SaveRestoreStructure(questionnaire, edit, 1, true);
            Beep();
            return FinishResult::Stopped;
        }
    } else {
        for (Long s = 0; s < SampleCount(ws.samples); ++s)
            UpdateSampleLimits(ws, s);
    }
    if (edit.numberingChanged || edit.Backup[0].QuestionCount == 1)
        OneLinePerQuestion(questionnaire, EveryQuestionLine);
    else
        ClampEntryLines(questionnaire);
    SetModified(ws.document);
    Beep();
    return FinishResult::Finished;
}

QString FinishConfirmation(const Survey& questionnaire, bool checksSamples)
{
    QString text = QStringLiteral("終了します。");
    if (checksSamples)
        text += QStringLiteral("要回答チェックの時は時間がかかります。");
    if (AnyStoredLimitDefined(questionnaire))
        text += QStringLiteral("既成限定条件はすべて空になります。");
    return text;
}

}  // namespace kz
