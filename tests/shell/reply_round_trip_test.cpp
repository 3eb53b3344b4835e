// A sample shown in the entry window reads back as itself: for random
// questionnaires, reply-sheet lines and samples, the displayed rich text,
// taken as plain text from the rich text box and parsed, stores the same
// answers and free texts, with or without question names and line marks.
#include <gtest/gtest.h>

#include <QStringList>

#include <random>

#include "model/answer_store.h"
#include "model/question_codes.h"
#include "reply/reply_parse.h"
#include "reply/reply_rtf.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"
#include "widgets/rich_text_box.h"

namespace kz::test {
namespace {

const QStringList Names = {QStringLiteral("色"),  QStringLiteral("[趣味]"), QStringLiteral("a]b"),
                           QStringLiteral("x[y"), QStringLiteral("1/2"),    QStringLiteral("-¶ .3.")};
// Texts that read back exactly; "*/" and line breaks are changed on purpose
// and tested with the text forms.
const QStringList Texts = {QString(),
                           QStringLiteral("abc"),
                           QStringLiteral("a/b"),
                           QStringLiteral("*x"),
                           QStringLiteral("x*"),
                           QStringLiteral(" 表 "),
                           QStringLiteral("東京[-]¶"),
                           QStringLiteral("ｶﾀｶﾅ.12."),
                           QStringLiteral("/"),
                           QStringLiteral("**")};

struct Stored {
    QVector<Integer> counts;
    QVector<Integer> codes;
    QVector<QString> texts;
};

class ReplyRoundTrip : public SurveyFixture {
protected:
    // "max answers per question | line starts as q.s", for failure messages.
    QString Layout()
    {
        QString s;
        for (int q = 0; q < survey.QuestionCount; ++q)
            s += QString::number(survey.Questions[q].MaxAnswers) + QLatin1Char(' ');
        s += QLatin1Char('|');
        for (size_t k = 0;
             k + 1 < survey.ParagraphStart.size() && survey.ParagraphStart[k] != survey.ParagraphStart[k + 1]; ++k)
            s += QStringLiteral(" %1.%2").arg(survey.ParagraphStart[k] / 128).arg(survey.ParagraphStart[k] % 128);
        return s;
    }

    Stored Read(Long dno)
    {
        Stored s;
        ReadSampleAnswers(workspace, dno, s.counts, s.codes, s.texts);
        return s;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random); }

    void BuildQuestionnaire()
    {
        const int questions = pick(1, 7);
        for (int q = 0; q < questions; ++q) {
            const Integer maxAnswers = static_cast<Integer>(pick(1, 4));
            const Integer choices = static_cast<Integer>(chance(0.2) ? pick(20, 60) : pick(2, 14));
            AddQuestion(maxAnswers, choices);
            survey.Questions[q].CodeStyle = static_cast<Integer>(pick(0, 3));
            SetQuestionText(static_cast<Integer>(q), Names[pick(0, int(Names.size()) - 1)]);
            for (int c = 1; c < choices; ++c) {
                if (chance(0.3))
                    survey.Choices(q, c).Attr |= 1 << AttrEssay;
                if (chance(0.1))
                    survey.Choices(q, c).Attr |= 1 << AttrExclusive;
            }
            survey.Choices(q, pick(1, choices - 1)).Attr |= 1 << AttrOther;
            if (q > 0 && chance(0.25))
                survey.QuestionLimit[q] = MakeCondition(0, {Row(3, 0, 1)});
        }
        BuildLayout();
        // Lines begin at question starts and, now and then, inside a question.
        size_t k = 1;
        survey.ParagraphStart[0] = 0;
        for (int q = 0; q < questions; ++q)
            for (int s = 0; s < survey.Questions[q].MaxAnswers; ++s)
                if ((q > 0 || s > 0) && chance(s == 0 ? 0.6 : 0.25))
                    survey.ParagraphStart[k++] = MakeQC(static_cast<Integer>(q), static_cast<Integer>(s));
        for (; k < survey.ParagraphStart.size(); ++k)
            survey.ParagraphStart[k] = MakeQC(static_cast<Integer>(questions), 0);
    }

    // Answers the checks keep as they are: distinct choices, an exclusive
    // one alone, texts only with choices that take them, and nothing where
    // the question is not asked.
    void FillSample(Long dno)
    {
        QVector<Integer> counts;
        QVector<Integer> codes;
        QVector<QString> texts;
        bool firstIsOne = false;
        for (int q = 0; q < survey.QuestionCount; ++q) {
            const QuestionRec& question = survey.Questions[q];
            const bool asked = survey.QuestionLimit[q][1].KindRank == 0 || firstIsOne;
            QVector<Integer> chosen;
            const int wanted = asked ? pick(0, question.MaxAnswers) : 0;
            while (chosen.size() < wanted) {
                const Integer c = static_cast<Integer>(pick(1, question.ChoiceCount - 1));
                if (chosen.contains(c))
                    break;
                if (ChoiceHasAttr(survey, Integer(q), c, AttrExclusive)) {
                    chosen = {c};
                    break;
                }
                chosen << c;
            }
            if (chosen.isEmpty())
                chosen << 0;
            if (q == 0)
                firstIsOne = chosen.contains(1);
            counts << Integer(chosen.size());
            for (Integer c : chosen) {
                codes << c;
                texts << (ChoiceHasAttr(survey, Integer(q), c, AttrEssay) ? Texts[pick(0, int(Texts.size()) - 1)]
                                                                          : QString());
            }
        }
        WriteSampleAnswers(workspace, dno, counts, codes, texts);
    }

    std::mt19937 random{20240608};
    ScriptedUi ui;
};

TEST_F(ReplyRoundTrip, DisplayedSamplesParseToTheSameAnswers)
{
    widgets::RichTextBox box;
    for (int round = 0; round < 300; ++round) {
        Reset();
        BuildQuestionnaire();
        AddSample(1);
        AddSample(2);
        FillSample(0);
        const Stored shown = Read(0);
        for (int flags = 0; flags <= (ReplyShowNames | ReplyShowReturns); ++flags) {
            int caret = 0;
            box.setTextRTF(BuildReplyRTF(workspace, settings, 0, survey.QuestionCount, 0, caret, -1, {}, flags));
            QString reply = box.text();
            const QString displayed = reply;
            Integer cursorQ = 0, cursorN = 0, caretQ = -1;
            int parseCaret = 1;
            QString status;
            ParseReply(workspace, 1, reply, cursorQ, cursorN, parseCaret, caretQ, status);
            const Stored parsed = Read(1);
            const QString context =
                QStringLiteral("round %1, flags %2, layout %3:\n%4").arg(round).arg(flags).arg(Layout(), displayed);
            ASSERT_EQ(status, QString()) << qPrintable(context);
            ASSERT_EQ(parsed.counts, shown.counts) << qPrintable(context);
            ASSERT_EQ(parsed.codes.mid(0, shown.codes.size()), shown.codes) << qPrintable(context);
            ASSERT_EQ(parsed.texts, shown.texts) << qPrintable(context);
            ASSERT_EQ(cursorQ, survey.QuestionCount) << qPrintable(context);
            ASSERT_EQ(cursorN, 0) << qPrintable(context);
            ASSERT_TRUE(ui.boxes().empty()) << qPrintable(ui.boxes().front().prompt + context);
        }
    }
}

}  // namespace
}  // namespace kz::test
