#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "answers/answer_report.h"
#include "support/reply_fixture.h"
#include "texts/question_texts.h"

namespace kz {
namespace {

struct Case {
    const char16_t* text;
    const char16_t* stored;     // as Stored() writes it
    const char16_t* rewritten;  // the text handed back; nullptr: unchanged
    int cursorQ;
    int cursorN;
};

class ReplyParseTest : public test::ReplyFixture {
protected:
    // Each text parsed into the sample in turn: what is stored, the text
    // handed back and where the cursor stands.
    void CheckCases(std::initializer_list<Case> cases)
    {
        for (const Case& c : cases) {
            const QString text = QString::fromUtf16(c.text);
            SCOPED_TRACE(text.toStdString());
            const auto r = Parse(text);
            EXPECT_EQ(r.status, "");
            EXPECT_EQ(Stored(), QString::fromUtf16(c.stored));
            EXPECT_EQ(r.reply, c.rewritten ? QString::fromUtf16(c.rewritten) : text);
            EXPECT_EQ(r.cursorQ, c.cursorQ);
            EXPECT_EQ(r.cursorN, c.cursorN);
        }
    }
};

TEST_F(ReplyParseTest, SymbolsTextsAndDashes)
{
    CheckCases({
        {u"", u"0|0|0|0|0|0", nullptr, 0, 0},
        {u"23", u"2|3|0|0|0|0", nullptr, 2, 0},
        {u"2-3", u"2|3|0|0|0|0", nullptr, 2, 0},
        {u"3/abc/-4", u"3/abc|4|0|0|0|0", nullptr, 2, 0},  // the "-" is absorbed
        {u"-5", u"0|5|0|0|0|0", nullptr, 2, 0},
        {u"[性別]2 ▼ [年齢]¶3", u"2|3|0|0|0|0", nullptr, 2, 0},
        {u"1.12.", u"1|12|0|0|0|0", nullptr, 2, 0},
        {u"3/*a/b*/", u"3/a/b|0|0|0|0|0", nullptr, 1, 0},
        // Texts without a choice: the other choice, or choice 1 without one.
        {u"/x/ 1\r\n/テニス/2\r\n", u"3/x|1|4/テニス,2|0|0|0", nullptr, 2, 2},
        {u"1-\r\n-\r\n\r\n-\r\n/y/", u"1|0|0|0|1/y|0", nullptr, 4, 1},
        {u"12\r\n5", u"1|2|5|0|0|0", nullptr, 3, 0},
        {u"12\r\n5\r\n\r\n4\r\n1-2", u"1|2|5|4|1|2", nullptr, 6, 0},
    });
}

TEST_F(ReplyParseTest, OneSlotLinesTakeBareValues)
{
    CheckCases({
        {u"12\r\n34\r\n1\r\n12", u"1|2|3,4,1|12|0|0", u"12\r\n34\r\n1\r\n.12.", 4, 0},
        {u"12\r\n34\r\n12", u"1|2|3,4,4/12|0|0|0", u"12\r\n34\r\n/12/", 3, 0},
        {u"12\r\n34\r\n007", u"1|2|3,4,4/007|0|0|0", u"12\r\n34\r\n/007/", 3, 0},
        {u"12\r\n34\r\n.1234.", u"1|2|3,4,4/.1234.|0|0|0", u"12\r\n34\r\n/.1234./", 3, 0},
        {u"12\r\n34\r\n*x", u"1|2|3,4,4/*x|0|0|0", u"12\r\n34\r\n/**x*/", 3, 0},
        {u"12\r\n34\r\n.2.\r\n7", u"1|2|3,4,2|7|0|0", nullptr, 4, 0},
        // The closing "-" and "¶" are no part of the value, on the last line too.
        {u"12\r\n5\r\n\r\n12-¶\r\n", u"1|2|5|12|0|0", u"12\r\n5\r\n\r\n.12.-¶\r\n", 4, 0},
        {u"12\r\n5\r\n\r\n12-¶", u"1|2|5|12|0|0", u"12\r\n5\r\n\r\n.12.-¶", 4, 0},
        {u"12\r\n34\r\n2-", u"1|2|3,4,2|0|0|0", nullptr, 3, 0},
        // Nor is the name of the question to answer next, shown after the
        // caret, or the "-" typed before it.
        {u"12\r\n5\r\n\r\n3-[名前] ", u"1|2|5|3|0|0", nullptr, 4, 0},
        {u"12\r\n5\r\n\r\n12- [名前] ", u"1|2|5|12|0|0", u"12\r\n5\r\n\r\n.12.- [名前] ", 4, 0},
        {u"12\r\n5\r\n\r\n12[名前]", u"1|2|5|12|0|0", u"12\r\n5\r\n\r\n.12.[名前]", 4, 0},
        // An empty one-slot line records no answer; on several slots it is ignored.
        {u"12\r\n5\r\n\r\n\r\n1", u"1|2|5|0|1|0", nullptr, 4, 1},
        {u"\r\n34", u"3|4|0|0|0|0", nullptr, 2, 0},
    });
}

TEST_F(ReplyParseTest, AnswersStayInTheQuestionsTheirLinesBelongTo)
{
    CheckCases({
        // Line 1 ends after one of q2's two slots there; line 2 holds its third.
        {u"12\r\n1\r\n3\r\n4", u"1|2|1,3|4|0|0", nullptr, 4, 0},
        {u"12\r\n1\r\n-\r\n4", u"1|2|1|4|0|0", nullptr, 4, 0},
        // A "-" on the line of a new question closes that question; on a line
        // that continues an exclusively answered one it is absorbed.
        {u"12\r\n-\r\n\r\n4", u"1|2|0|4|0|0", nullptr, 4, 0},
        {u"12\r\n5\r\n-\r\n4", u"1|2|5|4|0|0", nullptr, 4, 0},
        // The condition of q4 (q0 is 1) fails: the cursor skips it.
        {u"23\r\n5\r\n\r\n4", u"2|3|5|4|0|0", nullptr, 5, 0},
    });
    // Line 0 reaching into q2's first slot: the slot not typed records nothing.
    SetParagraphs({MakeQC(0, 0), MakeQC(2, 1), MakeQC(3, 0), MakeQC(4, 0), MakeQC(6, 0)});
    CheckCases({
        {u"12\r\n34", u"1|2|3,4|0|0|0", nullptr, 3, 0},
        {u"12\r\n-\r\n4", u"1|2|0|4|0|0", nullptr, 4, 0},
        {u"12\r\n", u"1|2|0|0|0|0", nullptr, 3, 0},  // q2 left at no answer is closed
        // An empty line opening that line of two slots is passed over: what
        // follows fills q2's other slots.
        {u"121\r\n\r\n4", u"1|2|1,4|0|0|0", nullptr, 2, 2},
        {u"12\r\n\r\n4-\r\n5", u"1|2|4|5|0|0", nullptr, 4, 0},
    });
    EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(ReplyParseTest, QuantitiesAndCodedTexts)
{
    CheckCases({
        {u"12\r\n5\r\n\r\n1//", u"1|2|5|1|0|0", nullptr, 4, 0},
        {u"12\r\n5\r\n\r\n1/10/", u"1|2|5|1/10|0|0", nullptr, 4, 0},
        {u"12\r\n5\r\n\r\n2/13/", u"1|2|5|2/13:東京|0|0", nullptr, 4, 0},
        {u"12\r\n5\r\n\r\n2/:大阪/", u"1|2|5|2/27:大阪|0|0", nullptr, 4, 0},
        {u"12\r\n5\r\n\r\n2/13:大阪/", u"1|2|5|2/13:東京|0|0", nullptr, 4, 0},
    });
}

TEST_F(ReplyParseTest, ErrorsNameTheirPlaceAndLeaveTheSampleAsStored)
{
    Parse(QStringLiteral("12"));
    const QString full = QStringLiteral("12\r\n5\r\n\r\n4\r\n1-2");
    const QString quantity = QStringLiteral("12\r\n5\r\n\r\n1/");
    const struct {
        QString text;
        const char16_t* status;
        int caret;
    } cases[] = {
        {"1[abc", u"質問名が[]でくくれていません。", 2},
        // A stray "[" after a one-slot value is read as a name, not taken into the value.
        {"12\r\n5\r\n\r\n4-[x", u"質問名が[]でくくれていません。", 12},
        {"12\r\n5\r\n\r\n4-[x\r\n[名前] ", u"質問名が[]でくくれていません。", 12},
        {"[a[b]", u"質問名が[]でくくれていません。", 1},
        {"1/abc", u"記述回答文が//でくくれていません。", 2},
        {"/a\r\n/", u"記述回答文が//でくくれていません。", 1},
        {"/*a/", u"記述回答文が//でくくれていません。", 1},
        {"1.1234.", u"回答番号が大きすぎます。", 2},
        {".128.", u"回答番号が大きすぎます。", 1},
        {"1.12\r\n.", u"回答番号が ..でくくれていません。", 2},
        {"1234", u"1行目の回答数が違います。", 2},
        {"123", u"1行目の回答数が違います。", 3},
        {full + '9', u"5行目の回答数が違います。", int(full.size()) + 1},
        {full + "\r\n1", u"6行目の回答数が違います。", int(full.size()) + 3},
        {quantity + "0.5/", u"数量回答が範囲1～10に納まっていません。", int(quantity.size()) + 6},
        {quantity + "abc/", u"数量回答が範囲1～10に納まっていません。", int(quantity.size()) + 6},
        {quantity + QString(308, u'1') + '/', u"数量回答が範囲1～10を大きく超えています。",
         int(quantity.size()) + 311},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const auto r = Parse(c.text);
        EXPECT_EQ(r.status, QString::fromUtf16(c.status));
        EXPECT_EQ(r.caret, c.caret);
        EXPECT_EQ(r.reply, c.text);
        EXPECT_EQ(Stored(), "1|2|0|0|0|0");
    }
    // A rewritten one-slot value comes back also when it fails.
    survey.Questions[3].ChoiceCount = 12;
    const auto r = Parse(QStringLiteral("12\r\n5\r\n\r\n12"));
    EXPECT_EQ(r.reply, "12\r\n5\r\n\r\n/12/");
    EXPECT_EQ(r.status, "数量回答が範囲1～10に納まっていません。");
}

TEST_F(ReplyParseTest, CaretQuestionAndExternalProcessLine)
{
    EXPECT_EQ(Parse(QStringLiteral("12\r\n34"), 2).caretQ, 1);
    EXPECT_EQ(Parse(QStringLiteral("12\r\n.4."), 7).caretQ, 2);
    EXPECT_EQ(Parse(QStringLiteral("12\r\n34"), 20).caretQ, 2);  // the cursor's question
    survey.ParagraphExeDLL[4] = -1;
    EXPECT_EQ(Parse(QStringLiteral("12\r\n5\r\n\r\n4\r\n")).status, "EXEDLL");
    EXPECT_EQ(Parse(QStringLiteral("12\r\n5\r\n\r\n4\r\n1")).status, "EXEDLL");
    EXPECT_EQ(Parse(QStringLiteral("12\r\n5\r\n\r\n4")).status, "");
    EXPECT_EQ(Parse(QStringLiteral("12\r\n5\r\n\r\n4\r\n1-2\r\n")).status, "");
}

class RecordingView : public ReplyView {
public:
    bool wantsReports() const override { return wants; }
    void markAnswer(int start, int length) override { marks.push_back({start, length}); }
    void restoreText() override {}
    bool wants = true;
    std::vector<std::pair<int, int>> marks;
};

TEST_F(ReplyParseTest, AnswerChecksPointAtTheTypedAnswer)
{
    RecordingView view;
    ui.expectBox(vbOK);
    Parse(QStringLiteral("2-.1./x/"), -1, &view);
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_TRUE(ui.boxes()[0].prompt.contains(QStringLiteral("(1)")));
    EXPECT_EQ(view.marks, (std::vector<std::pair<int, int>>{{4, 1}}));
    EXPECT_EQ(Stored(), "2|1|0|0|0|0");
    // A free text typed without a choice has no symbol to quote.
    ui.expectBox(vbOK);
    Parse(QStringLiteral("2-/x/"), -1, &view);
    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_EQ(ui.boxes()[1].prompt,
              QuestionHeading(survey, 1, HeadingNumber | HeadingLabel)
                  + QStringLiteral("の回答(選択肢の記号なし)は記述選択肢ではないのに記述文があります"));
    view.wants = false;
    Parse(QStringLiteral("2-.1./x/"), -1, &view);
    EXPECT_EQ(ui.boxes().size(), 2u);
}

TEST_F(ReplyParseTest, EveryFindingOfTheChecksIsCountedWhetherShownOrNot)
{
    RecordingView silent;
    silent.wants = false;
    const struct {
        const char* reply;
        int findings;
        const char* stored;
    } cases[] = {
        {"2-1\r\n12", 0, "2|1|1,2|0|0|0"},
        {"5-1", 1, "0|1|0|0|0|0"},        // no choice 5
        {"2-.1./x/", 1, "2|1|0|0|0|0"},   // a text on a choice without one
        {"2-1\r\n11", 1, "2|1|1|0|0|0"},  // the same answer twice
        {"2-1\r\n15", 1, "2|1|5|0|0|0"},  // an exclusive answer among others
        {"5-.1./x/", 2, "0|1|0|0|0|0"},
        {"2-1\r\n12\r\n\r\n\r\n1", 1, "2|1|1,2|0|1|0"},  // asked only when Q0 is 1: the given Q0 stays
    };
    for (const auto& c : cases) {
        const auto r = Parse(QString::fromUtf8(c.reply), -1, &silent);
        EXPECT_EQ(r.status, "") << c.reply;
        EXPECT_EQ(r.findings, c.findings) << c.reply;
        EXPECT_EQ(Stored(), QString::fromUtf8(c.stored)) << c.reply;
    }
    EXPECT_TRUE(ui.boxes().empty());
}

// Tables whose bounds lie past the questionnaire, or that would let a line
// overflow into a paragraph beginning inside a question, still end with it;
// random tables and texts never take the parse outside its arrays (the suite
// runs under the sanitizers) nor the cursor past the last question.
TEST_F(ReplyParseTest, DamagedParagraphTables)
{
    survey.ParagraphStart[5] = MakeQC(9, 3);
    EXPECT_EQ(Parse(QStringLiteral("12\r\n5\r\n\r\n4\r\n1-29")).status, "5行目の回答数が違います。");
    SetParagraphs({MakeQC(0, 0), MakeQC(5, 1)});
    auto r = Parse(QString(40, u'1'));
    EXPECT_EQ(r.status, "1行目の回答数が違います。");
    EXPECT_EQ(r.cursorQ, survey.QuestionCount);

    RecordingView silent;
    silent.wants = false;
    QRandomGenerator random(8);
    const QString alphabet = QStringLiteral("0123459az.//-- ¶▼[]*\r");
    for (int round = 0; round < 3000; ++round) {
        for (auto& start : survey.ParagraphStart)
            start = round % 3 == 0 ? Integer(random.bounded(65536) - 32768) : Integer(random.bounded(800));
        QString text;
        for (int i = random.bounded(40); i > 0; --i) {
            const QChar ch = alphabet.at(random.bounded(alphabet.size()));
            text += ch == u'\r' ? QStringLiteral("\r\n") : QString(ch);
        }
        r = Parse(text, random.bounded(-1, 50), &silent);
        ASSERT_LE(r.cursorQ, survey.QuestionCount) << text.toStdString();
        ASSERT_GE(r.cursorQ, 0);
    }
}

}  // namespace
}  // namespace kz
