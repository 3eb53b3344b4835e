#include "reply/reply_parse.h"

#include <QVector>

#include <algorithm>

#include "answers/answer_check.h"
#include "answers/answer_report.h"
#include "answers/question_limit_check.h"
#include "model/answer_store.h"
#include "model/question_codes.h"
#include "model/reply_conditions.h"
#include "model/survey.h"
#include "model/useful.h"
#include "reply/reply_final_checks.h"
#include "reply/reply_lines.h"
#include "reply/reply_one_slot.h"
#include "runtime/vbstring.h"
#include "texts/choice_texts.h"
#include "texts/instr_in_line.h"

namespace kz {

namespace {

enum ReadState : int { Idle = 0, Pending = 1, Confirm = 2, Closing = 4, LineEnd = 9 };

// What has been answered in the current question.
enum QuestionState : int { NothingAnswered = 0, QuestionOpen = 1, ClosedItself = 2 };

constexpr char16_t Pilcrow = u'\u00B6';
constexpr char16_t Triangle = u'\u25BC';
constexpr Integer MaxChoiceNumber = 127;

class ReplyParser {
public:
    ReplyParser(Workspace& ws, QString& reply, int caret) : ws_(ws), reply_(reply), caret_(caret)
    {
        enterLine(0);
        counts_.resize(ws_.survey.QuestionCount + 1);
        // One spare answer index, as the spare question above.
        const int room = std::max<int>(ws_.survey.AnswerSlotCount, 0) + 1;
        codes_.resize(room);
        texts_.resize(room);
        answerPos_.resize(room);
        answerLen_.resize(room);
    }

    // False on the first error: status and errorPos tell it.
    bool read();
    // The checks' findings.
    int store(Long dno, ReplyView* view);
    void skipQuestionsNotAsked(Long dno);
    void stepPastExclusiveAnswer(Long dno);
    bool exeDllDue() const;

    Integer cursorQ = 0;
    Integer cursorN = 0;
    Integer caretQ = -1;
    int errorPos = 0;
    QString status;

private:
    bool fail(const QString& message, int position)
    {
        status = message;
        errorPos = position;
        return false;
    }
    bool failLine() { return fail(QString::number(line_ + 1) + QStringLiteral("行目の回答数が違います。"), p_ - 1); }

    bool isQuestion(int q) const { return q < ws_.survey.QuestionCount; }
    int maxAnswers(int q) const
    {
        return isQuestion(q) ? ws_.survey.Questions[static_cast<size_t>(q)].MaxAnswers : 0;
    }
    bool isExclusive(int q, Integer c) const
    {
        return isQuestion(q) && c >= 0 && c < MaxChoices
               && ChoiceHasAttr(ws_.survey, Integer(q), c, AttrExclusive) != 0;
    }
    Integer otherChoice() const
    {
        const Integer other = isQuestion(q_) ? FindOtherChoice(ws_.survey, Integer(q_)) : Integer(-1);
        return other >= 0 ? other : Integer(1);
    }
    bool roomForAnswer() { return a_ < codes_.size() || failLine(); }

    bool readCharacter(QChar ch);
    bool readFreeText();
    bool readQuestionName();
    bool readDottedNumber();
    bool readSymbol(QChar ch);
    bool setAnswer(Integer code, int pos, int len);
    void noteCaret();
    bool dispatch();
    bool recordUnanswered();
    void moveToNextQuestion();
    bool endLine();
    bool lineCheck();
    // Makes line k the current one; what the parse asks of a line for every
    // character is looked up here, once.
    void enterLine(int k);

    Workspace& ws_;
    QString& reply_;
    const int caret_;
    const int end_ = SlotOf(ws_.survey.QuestionCount, 0);

    QVector<Integer> counts_;
    QVector<Integer> codes_;
    QVector<QString> texts_;
    QVector<int> answerPos_;
    QVector<int> answerLen_;

    int p_ = 1;
    int q_ = 0;
    int g_ = 0;         // slot of the current question the next answer takes
    int answered_ = 0;  // answers recorded in the current question
    int a_ = 0;
    int line_ = 0;
    int lineStart_ = 0;      // ReplyLineStart(line_)
    int nextLineStart_ = 0;  // ReplyLineStart(line_ + 1)
    bool oneSlotLine_ = false;
    int state_ = Idle;
    int questionState_ = NothingAnswered;
};

bool ReplyParser::read()
{
    for (;;) {
        const int len = static_cast<int>(reply_.size());
        if (p_ > len + 1)
            break;
        if (p_ > len) {
            if (state_ == Pending)
                state_ = Confirm;
        } else if (!readCharacter(reply_.at(p_ - 1))) {
            return false;
        }
        if (!dispatch())
            return false;
        if (state_ == LineEnd && !endLine())
            return false;
        if (!lineCheck())
            return false;
        ++p_;
    }
    const QString error = CheckRepliedTexts(ws_, counts_, codes_, texts_);
    if (!error.isEmpty())
        return fail(error, p_);
    if (caretQ == -1)
        caretQ = cursorQ;
    return true;
}

bool ReplyParser::readCharacter(QChar ch)
{
    switch (ch.unicode()) {
    case u'\r':
        if (state_ == Pending) {
            state_ = Confirm;
            --p_;  // the line end is read again after the commit
        } else {
            state_ = LineEnd;
            ++p_;  // the LF
        }
        return true;
    case u'/':
        return readFreeText();
    case u'-':
        state_ += Closing;
        return true;
    case u' ':
    case Pilcrow:
    case Triangle:
        return true;
    case u'[':
        return readQuestionName();
    default:
        break;
    }
    if (oneSlotLine_) {
        const Integer choiceCount =
            isQuestion(q_) ? ws_.survey.Questions[static_cast<size_t>(q_)].ChoiceCount : Integer(0);
        if (RewriteOneSlotValue(reply_, p_, choiceCount))
            return readCharacter(reply_.at(p_ - 1));
    }
    const bool read = ch == QLatin1Char('.') ? readDottedNumber() : readSymbol(ch);
    if (read)
        noteCaret();
    return read;
}

bool ReplyParser::readFreeText()
{
    const bool starred = p_ < reply_.size() && reply_.at(p_) == QLatin1Char('*');
    const QString mark = starred ? QStringLiteral("*/") : QStringLiteral("/");
    const int from = p_ + (starred ? 2 : 1);
    const int close = InStrInLine(from, reply_, mark);
    if (close == 0)
        return fail(QStringLiteral("記述回答文が//でくくれていません。"), p_);
    if (!roomForAnswer())
        return false;
    if (state_ == Idle)
        codes_[a_] = otherChoice();
    texts_[a_] = Mid(reply_, from, close - from);
    state_ = Confirm;
    p_ = close + static_cast<int>(mark.size()) - 1;
    return true;
}

bool ReplyParser::readQuestionName()
{
    const int close = InStr(p_, reply_, QStringLiteral("]"));
    const int nextOpen = InStr(p_ + 1, reply_, QStringLiteral("["));
    if (close == 0 || (nextOpen != 0 && nextOpen < close))
        return fail(QStringLiteral("質問名が[]でくくれていません。"), p_);
    p_ = close;
    return true;
}

bool ReplyParser::readDottedNumber()
{
    const int close = InStrInLine(p_ + 1, reply_, QStringLiteral("."));
    if (close == 0)
        return fail(QStringLiteral("回答番号が ..でくくれていません。"), p_);
    if (close - p_ > 4)
        return fail(QStringLiteral("回答番号が大きすぎます。"), p_);
    if (state_ == Pending) {
        state_ = Confirm;
        --p_;
        return true;
    }
    const int len = close - p_ - 1;
    const Integer code = ChoiceNumberFromCode(ws_.survey, Integer(q_), Mid(reply_, p_ + 1, len));
    if (code > MaxChoiceNumber)
        return fail(QStringLiteral("回答番号が大きすぎます。"), p_);
    if (!setAnswer(code, p_ + 1, len))
        return false;
    p_ = close;
    return true;
}

bool ReplyParser::readSymbol(QChar ch)
{
    if (state_ == Pending) {
        state_ = Confirm;
        --p_;
        return true;
    }
    return setAnswer(ChoiceNumberFromCode(ws_.survey, Integer(q_), QStringView(&ch, 1)), p_, 1);
}

bool ReplyParser::setAnswer(Integer code, int pos, int len)
{
    if (!roomForAnswer())
        return false;
    codes_[a_] = code;
    answerPos_[a_] = pos;
    answerLen_[a_] = len;
    state_ = Pending;
    return true;
}

void ReplyParser::noteCaret()
{
    if (a_ >= 1 && a_ < answerPos_.size() && answerPos_[a_] <= caret_ && caret_ <= answerPos_[a_] + answerLen_[a_])
        caretQ = Integer(q_);
}

bool ReplyParser::dispatch()
{
    if (state_ == Pending) {
        counts_[q_] = Integer(answered_ + 1);
        questionState_ = QuestionOpen;
    } else if (state_ == Confirm) {
        const Integer committed = codes_.value(a_);
        counts_[q_] = Integer(++answered_);
        ++g_;
        ++a_;
        if (!isExclusive(q_, committed) && g_ != maxAnswers(q_)) {
            questionState_ = QuestionOpen;
            cursorQ = Integer(q_);
            cursorN = Integer(g_);
        } else {
            moveToNextQuestion();
            questionState_ = ClosedItself;
        }
        state_ = Idle;
    } else if (state_ >= Closing && state_ < LineEnd) {
        if (questionState_ == QuestionOpen) {
            if (state_ == Closing + Pending)
                ++a_;
            moveToNextQuestion();
        } else if (questionState_ == NothingAnswered) {
            if (!recordUnanswered())
                return failLine();
            moveToNextQuestion();
        }
        questionState_ = NothingAnswered;
        state_ = Idle;
    }
    return true;
}

// Choice 0, no answer, for a question passed over; false without room.
bool ReplyParser::recordUnanswered()
{
    if (a_ >= codes_.size())
        return false;
    counts_[q_] = 1;
    codes_[a_] = 0;
    ++a_;
    return true;
}

void ReplyParser::moveToNextQuestion()
{
    ++q_;
    g_ = 0;
    answered_ = 0;
    cursorQ = Integer(q_);
    cursorN = 0;
}

// A line end: ignored on the empty start of a paragraph of several slots;
// otherwise the paragraph's slots not reached count as unanswered.
bool ReplyParser::endLine()
{
    state_ = Idle;
    const int here = SlotOf(q_, g_);
    const int d = g_ < maxAnswers(q_) - 1 ? 1 : SlotOf(q_ + 1, 0) - here;
    const int next = nextLineStart_;
    const int span = next - lineStart_;
    if (here == lineStart_ && span > d && span > 1)
        return true;
    if (here < next) {
        const int nextQ = next / SlotsPerQuestion;
        const int nextN = next % SlotsPerQuestion;
        for (; q_ < nextQ; ++q_) {
            if (counts_[q_] == 0 && !recordUnanswered())
                return failLine();
            g_ = 0;
            answered_ = 0;
        }
        // The slots before the next paragraph were not typed: they record
        // nothing, so what is typed next stays in this question.
        if (nextN > 0) {
            g_ = nextN;
            answered_ = counts_[q_];
            questionState_ = QuestionOpen;
        }
        cursorQ = Integer(nextQ);
        cursorN = Integer(nextN);
    }
    enterLine(line_ + 1);
    // A line that begins with the current question: a "-" on it closes this
    // question, not the one before it.
    if (g_ == 0 && lineStart_ == SlotOf(q_, 0))
        questionState_ = NothingAnswered;
    return true;
}

// More answers than the line's paragraph holds, unless the next paragraph
// begins inside a question and takes them; never past the last question.
bool ReplyParser::lineCheck()
{
    const int here = SlotOf(q_, g_);
    const int next = nextLineStart_;
    if ((here > next && next % SlotsPerQuestion == 0) || here > end_)
        return failLine();
    return true;
}

void ReplyParser::enterLine(int k)
{
    line_ = k;
    lineStart_ = ReplyLineStart(ws_.survey, k);
    nextLineStart_ = ReplyLineStart(ws_.survey, k + 1);
    oneSlotLine_ = k < MaxQuestions && IsNextChoice(ws_.survey, Integer(k)) != 0;
}

int ReplyParser::store(Long dno, ReplyView* view)
{
    ReportContext context{reply_, answerPos_, answerLen_, 0, view};
    CheckSampleAnswers(ws_.survey, dno, counts_, codes_, texts_, true, &context);
    WriteSampleAnswers(ws_, dno, counts_, codes_, texts_);
    CheckSampleLimits(ws_, dno, true, &context);
    return context.findings;
}

void ReplyParser::skipQuestionsNotAsked(Long dno)
{
    if (cursorQ >= ws_.survey.QuestionCount)
        return;
    const Integer asked = FirstApplyingQuestion(ws_, dno, cursorQ);
    if (asked != cursorQ) {
        cursorQ = asked;
        cursorN = 0;
    }
}

// An exclusive answer leaves no room in its question.
void ReplyParser::stepPastExclusiveAnswer(Long dno)
{
    if (cursorN <= 0 || cursorQ >= ws_.survey.QuestionCount)
        return;
    Integer count = 0;
    QVector<Integer> stored;
    PopQuestionAnswers(ws_, dno, cursorQ, count, stored);
    if (cursorN - 1 < count && isExclusive(cursorQ, stored.value(cursorN - 1))) {
        ++cursorQ;
        cursorN = 0;
    }
}

bool ReplyParser::exeDllDue() const
{
    return line_ < static_cast<int>(ws_.survey.ParagraphExeDLL.size())
           && ws_.survey.ParagraphExeDLL[static_cast<size_t>(line_)] != 0;
}

}  // namespace

void ParseReply(Workspace& ws, Long Dno, QString& Reply, Integer& CursorQ, Integer& CursorN, int& Caret,
                Integer& CaretQ, QString& Status, ReplyView* view, int* Findings)
{
    if (Findings != nullptr)
        *Findings = 0;
    ReplyParser parser(ws, Reply, Caret);
    const bool ok = parser.read();
    CaretQ = parser.caretQ;
    if (!ok) {
        // The answer that overran the questionnaire may have moved it on.
        const bool past = parser.cursorQ >= ws.survey.QuestionCount;
        CursorQ = past ? ws.survey.QuestionCount : parser.cursorQ;
        CursorN = past ? Integer(0) : parser.cursorN;
        Status = parser.status;
        Caret = parser.errorPos;
        return;
    }
    // Without a sample to hold them the answers are read but not kept.
    if (Dno >= 0 && Dno < SampleCount(ws.samples)) {
        const int findings = parser.store(Dno, view);
        if (Findings != nullptr)
            *Findings = findings;
        // A caret at the cursor moves on with it past the questions not
        // asked, so typing goes on in the question to answer next.
        const bool caretAtCursor = CaretQ == parser.cursorQ;
        parser.skipQuestionsNotAsked(Dno);
        if (caretAtCursor)
            CaretQ = parser.cursorQ;
        parser.stepPastExclusiveAnswer(Dno);
    }
    CursorQ = parser.cursorQ;
    CursorN = parser.cursorN;
    Status = parser.exeDllDue() ? ExeDllStatus : QString();
}

}  // namespace kz
