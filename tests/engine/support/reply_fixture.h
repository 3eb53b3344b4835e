// A small questionnaire for the reply-notation tests, one reply-sheet line
// per row:
//   line 0  q0 (4 choices, 3 "other" with text), q1 (15 choices): single answers
//   line 1  q2 slots 0-1 (up to 3 answers; 4 "other" with text, 5 exclusive)
//   line 2  q2 slot 2: a line that begins inside a question, one slot
//   line 3  q3 (14 choices; 1 a quantity 1..10, 2 coded from codes.txt): one slot
//   line 4  q4 (up to 2, choice 1 with text, asked only when q0 is 1), q5
// and one sample at position 0.
#pragma once

#include <QFile>
#include <QTemporaryDir>

#include "model/answer_store.h"
#include "model/document.h"
#include "model/question_codes.h"
#include "reply/reply_parse.h"
#include "runtime/cp932.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"

namespace kz::test {

struct ParseResult {
    QString reply;
    QString status;
    Integer cursorQ = 0;
    Integer cursorN = 0;
    Integer caretQ = 0;
    int caret = 0;
    int findings = 0;
};

class ReplyFixture : public SurveyFixture {
protected:
    void SetUp() override
    {
        SurveyFixture::SetUp();
        AddQuestion(1, 4, {3});
        SetAttr(0, 3, AttrOther);
        AddQuestion(1, 15);
        AddQuestion(3, 6, {4});
        SetAttr(2, 4, AttrOther);
        SetAttr(2, 5, AttrExclusive);
        AddQuestion(1, 14, {1, 2});
        SetAttr(3, 1, AttrQuantity);
        survey.Choices(3, 1).Low = 1;
        survey.Choices(3, 1).High = 10;
        SetAttr(3, 2, AttrCoded);
        survey.Choices(3, 2).CodeFile = QStringLiteral("codes.txt");
        AddQuestion(2, 4, {1});
        survey.QuestionLimit[4] = MakeCondition(0, {Row(3, 0, 1)});
        AddQuestion(1, 3);
        BuildLayout();
        SetParagraphs({MakeQC(0, 0), MakeQC(2, 0), MakeQC(2, 2), MakeQC(3, 0), MakeQC(4, 0), MakeQC(6, 0)});
        AddSample(1);
        ASSERT_TRUE(folder.isValid());
        QFile codes(folder.filePath(QStringLiteral("codes.txt")));
        ASSERT_TRUE(codes.open(QIODevice::WriteOnly));
        codes.write(ToCp932(QStringLiteral("13,東京\r\n27,大阪\r\n")));
        document.CurrentFilePath = folder.filePath(QStringLiteral("survey.kz"));
    }

    void SetAttr(Integer q, Integer c, ChoiceAttr bit) { survey.Choices(q, c).Attr |= Integer(1 << bit); }

    // The listed starts, the last one repeated to the end of the table.
    void SetParagraphs(std::initializer_list<Integer> starts)
    {
        size_t k = 0;
        for (Integer start : starts)
            survey.ParagraphStart[k++] = start;
        for (; k < survey.ParagraphStart.size(); ++k)
            survey.ParagraphStart[k] = survey.ParagraphStart[k - 1];
    }

    ParseResult Parse(const QString& text, int caret = -1, ReplyView* view = nullptr)
    {
        ParseResult r;
        r.reply = text;
        r.caret = caret;
        ParseReply(workspace, 0, r.reply, r.cursorQ, r.cursorN, r.caret, r.caretQ, r.status, view, &r.findings);
        return r;
    }

    // The stored sample, question by question ("|"), answers by ",", each
    // answer's text after a "/": "2|3/x|1,4|0|0|0".
    QString Stored()
    {
        QStringList questions;
        for (Integer q = 0; q < survey.QuestionCount; ++q) {
            Integer count = 0;
            QVector<Integer> codes;
            QVector<QString> texts;
            ReadQuestionAnswers(workspace, 0, q, count, codes, texts);
            QStringList answers;
            for (int i = 0; i < count; ++i)
                answers << QString::number(codes[i]) + (texts.value(i).isEmpty() ? QString() : u'/' + texts[i]);
            questions << answers.join(u',');
        }
        return questions.join(u'|');
    }

    ScriptedUi ui;
    QTemporaryDir folder;
};

}  // namespace kz::test
