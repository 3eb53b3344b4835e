#include "answers/answer_check.h"

#include <algorithm>

#include "model/survey.h"
#include "texts/choice_texts.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

// One question's answers in the caller's arrays, with the removal that keeps
// them packable: only the last remaining answer turns into the unanswered 0.
class QuestionAnswers {
public:
    QuestionAnswers(const Survey& questionnaire, Integer q, Integer& count, QVector<Integer>& codes,
                    QVector<QString>& texts, bool report, ReportContext* context)
        : questionnaire_(questionnaire), q_(q), count_(count), codes_(codes), texts_(texts), report_(report),
          context_(context)
    {}

    const Survey& questionnaire() const { return questionnaire_; }
    Integer count() const { return count_; }
    Integer& code(int i) { return codes_[i]; }
    QString& text(int i) { return texts_[i]; }
    bool has(int i, ChoiceAttr bit) const { return ChoiceHasAttr(questionnaire_, q_, codes_[i], bit) != 0; }
    bool isUnanswered() const { return count_ == 1 && codes_[0] == 0; }

    void report(const QString& phrase, const QString& tail, int i) const
    {
        if (report_)
            ReportAnswerProblem(QuestionHeading(questionnaire_, q_, HeadingNumber | HeadingLabel) + phrase, tail, i,
                                context_);
    }

    void remove(int i)
    {
        if (count_ == 1) {
            codes_[0] = 0;
            texts_[0].clear();
            return;
        }
        for (int k = i + 1; k < count_; ++k) {
            codes_[k - 1] = codes_[k];
            texts_[k - 1] = texts_[k];
        }
        --count_;
        RemoveReportedAnswer(context_, i);
    }

    // Answers beyond MaxAnswers cannot be packed; the lowest ranks go.
    void keepWithinMaxAnswers()
    {
        while (count_ > questionnaire_.Questions[q_].MaxAnswers && count_ > 1)
            remove(count_ - 1);
    }

private:
    const Survey& questionnaire_;
    Integer q_;
    Integer& count_;
    QVector<Integer>& codes_;
    QVector<QString>& texts_;
    bool report_;
    ReportContext* context_;
};

bool OptionSet(const Survey& questionnaire, CheckOption option) { return (questionnaire.CheckOptions & option) != 0; }

// True when an answer was removed.
bool CheckMissingChoices(QuestionAnswers& a, Integer q)
{
    const Survey& questionnaire = a.questionnaire();
    const Integer choiceCount = questionnaire.Questions[q].ChoiceCount;
    bool removed = false;
    for (int i = 0; i < a.count();) {
        if (a.code(i) >= 0 && a.code(i) < choiceCount) {
            ++i;
            continue;
        }
        a.report(QStringLiteral("の回答は存在しない選択肢"), QStringLiteral("を回答してます"), i);
        const Integer other =
            OptionSet(questionnaire, CheckMissingToOther) ? FindOtherChoice(questionnaire, q) : Integer(-1);
        if (other >= 0) {
            a.code(i) = other;
        } else {
            a.remove(i);  // the answer now at i is checked next
            removed = true;
        }
    }
    return removed;
}

void CheckMisplacedTexts(QuestionAnswers& a, Integer q)
{
    const Survey& questionnaire = a.questionnaire();
    for (int i = 0; i < a.count(); ++i) {
        if (a.text(i).isEmpty() || a.has(i, AttrEssay))
            continue;
        a.report(QStringLiteral("の回答"), QStringLiteral("は記述選択肢ではないのに記述文があります"), i);
        // The answer itself becomes the other choice, so no answer is added
        // and the count stays within MaxAnswers.
        const Integer other =
            OptionSet(questionnaire, CheckEssayToOther) ? FindOtherChoice(questionnaire, q) : Integer(-1);
        if (other >= 0 && ChoiceHasAttr(questionnaire, q, other, AttrEssay) != 0)
            a.code(i) = other;
        else
            a.text(i).clear();
    }
}

// The other choice and multiple-selection choices may be answered repeatedly
// without text.
bool MayRepeat(QuestionAnswers& a, int i)
{
    return a.text(i).isEmpty() && (a.has(i, AttrOther) || a.has(i, AttrMultiple));
}

void CheckDuplicates(QuestionAnswers& a)
{
    for (int i = 0; i < a.count(); ++i) {
        if (MayRepeat(a, i))
            continue;
        for (int j = i + 1; j < a.count();) {
            if (a.code(j) != a.code(i) || a.text(j) != a.text(i)) {
                ++j;
                continue;
            }
            a.report(QStringLiteral("の複数回答に重複"), QStringLiteral("がありました。取り除いておきます"), j);
            a.remove(j);
        }
    }
}

void CheckExclusiveAnswers(QuestionAnswers& a)
{
    if (a.count() <= 1)
        return;
    int exclusive = -1;
    for (int i = 0; i < a.count() && exclusive < 0; ++i) {
        if (a.has(i, AttrExclusive))
            exclusive = i;
    }
    if (exclusive < 0)
        return;
    const QString phrase = QStringLiteral("の複数回答に排他回答");
    if (OptionSet(a.questionnaire(), CheckDropExclusive)) {
        a.report(phrase, QStringLiteral("が混じっていました。排他回答を取り除いておきます。"), exclusive);
        // Once one answer is left it no longer stands among others.
        for (int i = 0; i < a.count() && a.count() > 1;) {
            if (a.has(i, AttrExclusive))
                a.remove(i);
            else
                ++i;
        }
    } else {
        a.report(phrase, QStringLiteral("が混じっていました。排他回答以外の回答を取り除いておきます。"), exclusive);
        for (int i = a.count() - 1; i > exclusive; --i)
            a.remove(i);
        for (int i = exclusive - 1; i >= 0; --i)
            a.remove(i);
    }
}

// A 0 among several answers would end the list when packed and hide the
// answers after it; where choice 0 is not exclusive it is dropped here.
void DropInnerZeros(QuestionAnswers& a)
{
    for (int i = 0; i < a.count() && a.count() > 1;) {
        if (a.code(i) == 0)
            a.remove(i);
        else
            ++i;
    }
}

}  // namespace

void CheckQuestionAnswers(const Survey& questionnaire, Long /*sample*/, Integer q, Integer& count,
                          QVector<Integer>& codes, QVector<QString>& texts, bool report, bool checkDuplicates,
                          ReportContext* context)
{
    if (count < 1) {
        count = 1;
        codes.resize(std::max<qsizetype>(codes.size(), 1));
        codes[0] = 0;
    }
    if (texts.size() < count)
        texts.resize(count);
    if (SoundAnswers(questionnaire, q, count, codes.constData(), texts.constData()))
        return;
    QuestionAnswers answers(questionnaire, q, count, codes, texts, report, context);
    // Answers that are gone make way before the list is cut, so a valid one
    // is never lost to them. The other choice is looked up only for an answer
    // that needs it: most answers are sound, and the checks run for every
    // answer stored.
    const bool removed = CheckMissingChoices(answers, q);
    answers.keepWithinMaxAnswers();
    if (answers.isUnanswered() && !removed) {
        // Not a real answer: nothing more to check, and no text may stay
        // beside it. A 0 left alone once missing choices are gone was given
        // beside them, and a text on it is checked as any other.
        if (!answers.has(0, AttrEssay))
            texts[0].clear();
        return;
    }
    CheckMisplacedTexts(answers, q);
    if (checkDuplicates)
        CheckDuplicates(answers);
    CheckExclusiveAnswers(answers);
    DropInnerZeros(answers);
}

bool SoundSingleAnswer(const Survey& questionnaire, Integer q, Integer code, const QString& text)
{
    return code >= 0 && code < questionnaire.Questions[q].ChoiceCount
           && (text.isEmpty() || ChoiceHasAttr(questionnaire, q, code, AttrEssay) != 0);
}

bool SoundAnswers(const Survey& questionnaire, Integer q, Integer count, const Integer* codes, const QString* texts)
{
    if (count < 1 || count > questionnaire.Questions[q].MaxAnswers)
        return false;
    for (int i = 0; i < count; ++i) {
        if (!SoundSingleAnswer(questionnaire, q, codes[i], texts[i]))
            return false;
        if (count == 1)
            return true;
        if (codes[i] == 0 || ChoiceHasAttr(questionnaire, q, codes[i], AttrExclusive) != 0)
            return false;
        for (int j = 0; j < i; ++j) {
            if (codes[j] == codes[i])
                return false;
        }
    }
    return true;
}

void CheckSampleAnswers(const Survey& questionnaire, Long sample, QVector<Integer>& counts, QVector<Integer>& codes,
                        QVector<QString>& texts, bool report, ReportContext* context)
{
    // The answers are checked where they stand, question after question.
    // The checks only take answers away, so what a question keeps moves down
    // over them; only a question without answers comes out with one, which
    // is given room first.
    if (texts.size() < codes.size())
        texts.resize(codes.size());
    QVector<Integer> workCodes;
    QVector<QString> workTexts;
    qsizetype read = 0;
    qsizetype written = 0;
    for (Integer q = 0; q < questionnaire.QuestionCount; ++q) {
        Integer n = counts[q];
        if (n < 1) {
            codes.insert(read, 0);
            texts.insert(read, QString());
            // Typed nowhere: the context gets an empty entry for it so later
            // answers stay aligned.
            if (context != nullptr && written <= context->answerStart.size()
                && written <= context->answerLength.size()) {
                context->answerStart.insert(written, 0);
                context->answerLength.insert(written, 0);
            }
            n = 1;
        }
        // Unshared by data(), they are read and written below without checks.
        Integer* code = codes.data();
        QString* text = texts.data();
        // Most answers are sound: nothing to copy or check.
        if (SoundAnswers(questionnaire, q, n, code + read, text + read)) {
            if (written != read) {
                for (int i = 0; i < n; ++i) {
                    code[written + i] = code[read + i];
                    text[written + i] = std::move(text[read + i]);
                }
            }
            read += n;
            written += n;
            counts[q] = n;
            continue;
        }
        if (workCodes.size() < n) {
            workCodes.resize(n);
            workTexts.resize(n);
        }
        for (int i = 0; i < n; ++i) {
            workCodes[i] = code[read + i];
            workTexts[i] = std::move(text[read + i]);
        }
        read += n;
        if (context != nullptr)
            context->first = static_cast<int>(written);
        CheckQuestionAnswers(questionnaire, sample, q, n, workCodes, workTexts, report, true, context);
        for (int i = 0; i < n; ++i) {
            code[written + i] = workCodes[i];
            text[written + i] = std::move(workTexts[i]);
        }
        written += n;
        counts[q] = n;
    }
}

}  // namespace kz
