#include "reply/reply_rtf.h"

#include <QVector>

#include <algorithm>
#include <cmath>

#include "host/settings.h"
#include "model/answer_store.h"
#include "model/question_codes.h"
#include "model/reply_conditions.h"
#include "model/survey.h"
#include "reply/reply_lines.h"
#include "reply/reply_text_form.h"
#include "reply/rtf_escape.h"
#include "runtime/cp932.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

const QString Pilcrow = QStringLiteral("¶");

// Colour table entries of the reply text.
constexpr int AnswerColour = 0;
constexpr int TextColour = 1;
constexpr int NotAskedColour = 3;
constexpr int MarkColour = 4;

QString ColourEntry(Long rgb)
{
    return QStringLiteral("\\red%1\\green%2\\blue%3;").arg(rgb & 0xFF).arg((rgb >> 8) & 0xFF).arg((rgb >> 16) & 0xFF);
}

QString ColourWord(int entry) { return QStringLiteral("\\cf%1 ").arg(entry); }

// The rich text and the length of the plain text it shows.
class ReplyWriter {
public:
    // Control words: nothing shown.
    void control(const QString& words) { rtf_ += words; }
    // Shown text, escaped.
    void text(const QString& s)
    {
        rtf_ += RtfEscape(s);
        shown_ += ShownLength(s);
    }
    void lineBreak(bool marks)
    {
        if (marks) {
            control(ColourWord(MarkColour));
            text(Pilcrow);
            control(ColourWord(AnswerColour) + QStringLiteral("\\par "));
        } else {
            control(QStringLiteral("\\par "));
        }
        shown_ += 2;  // CR LF
    }
    int shown() const { return shown_; }
    QString result() const { return rtf_; }

private:
    // Characters CP932 cannot hold come back as one "?" each.
    static int ShownLength(const QString& s)
    {
        for (const QChar ch : s)
            if (ch.unicode() >= 0x80)
                return static_cast<int>(FromCp932(ToCp932(s)).size());
        return static_cast<int>(s.size());
    }

    QString rtf_;
    int shown_ = 0;
};

void WriteHeader(ReplyWriter& w, const Settings& computer)
{
    const FontRec& font = computer.FontRecs[FontSlot::Reply];
    w.control(QStringLiteral("{\\rtf1\\ansi{\\fonttbl"));
    if (!font.Name.isEmpty()) {
        const bool singleByte = Cp932Length(font.Name) == font.Name.size();
        w.control(singleByte ? QStringLiteral("{\\f1 ") : QStringLiteral("{\\f1\\fcharset128 "));
        w.control(RtfEscape(font.Name) + QStringLiteral(";}{\\f2\\fcharset128 ") + RtfEscape(font.Name)
                  + QStringLiteral(";}"));
    }
    w.control(QStringLiteral("}\\plain \\f1 "));
    if (!font.Name.isEmpty())
        w.control(QStringLiteral("\\fs%1 ").arg(static_cast<long>(std::floor(2.0 * font.Size))));
    if (font.Bold)
        w.control(QStringLiteral("\\b "));
    if (font.Italic)
        w.control(QStringLiteral("\\i "));

    w.control(QStringLiteral("{\\colortbl") + ColourEntry(font.ForeColor));
    for (ColourSlot slot : ReplyColourSlots)
        w.control(ColourEntry(computer.ColourTable[slot]));
    w.control(QStringLiteral("}") + ColourWord(AnswerColour));
}

void WriteName(ReplyWriter& w, const Survey& questionnaire, Integer q, const QString& after)
{
    w.control(ColourWord(MarkColour));
    w.text(QLatin1Char('[') + ReplyQuestionName(QuestionHeading(questionnaire, q, HeadingLabel)) + QLatin1Char(']'));
    w.control(after);
}

void WriteFreeText(ReplyWriter& w, const QString& text)
{
    const ReplyFreeTextForm form = ReplyFreeText(text);
    w.control(ColourWord(TextColour));
    w.text(form.open);
    w.control(QStringLiteral("\\f2 "));
    w.text(form.text);
    w.control(QStringLiteral("\\f1 "));
    w.text(form.close);
    w.control(ColourWord(AnswerColour));
}

}  // namespace

QString BuildReplyRTF(const Workspace& ws, const Settings& computer, Long Dno, Integer CursorQ, Integer CursorN,
                      int& Caret, Integer CaretQ, const QString& Tail, int displayFlags)
{
    const Survey& questionnaire = ws.survey;
    const bool showNames = (displayFlags & ReplyShowNames) != 0;
    const bool showReturns = (displayFlags & ReplyShowReturns) != 0;

    QVector<Integer> counts;
    QVector<Integer> codes;
    QVector<QString> texts;
    const bool known = Dno >= 0 && Dno < SampleCount(ws.samples);
    if (known)
        ReadSampleAnswers(ws, Dno, counts, codes, texts);

    ReplyWriter w;
    WriteHeader(w, computer);

    int line = 0;
    // A bound that does not move on is the end of the table: no more lines.
    auto breakDue = [&](int slot) {
        const int next = ReplyLineStart(questionnaire, line + 1);
        return slot >= next && next > ReplyLineStart(questionnaire, line);
    };
    auto breakLine = [&] {
        ++line;
        w.lineBreak(showReturns);
    };
    auto closeQuestion = [&] {
        w.control(ColourWord(MarkColour));
        w.text(QStringLiteral("-"));
        w.control(ColourWord(AnswerColour));
    };

    int answer = 0;  // flat index of the question's first answer
    const Integer lastQ = std::min<Integer>(CursorQ, static_cast<Integer>(questionnaire.QuestionCount - 1));
    for (Integer q = 0; q <= lastQ; ++q) {
        const QString colour = ColourWord(known && !QuestionApplies(ws, Dno, q) ? NotAskedColour : AnswerColour);
        w.control(colour);
        const int count = known ? counts[q] : 0;
        const int maxAnswers = questionnaire.Questions[static_cast<size_t>(q)].MaxAnswers;
        const int slotCount = q < CursorQ ? maxAnswers : std::clamp<int>(CursorN, 0, maxAnswers);
        bool closed = false;
        for (int s = 0; s < slotCount; ++s) {
            if (breakDue(SlotOf(q, s))) {
                // The "-" of a finished question stays on the line of its last
                // answer: read back, an empty line at the start of a line of
                // several slots is passed over and would not close it.
                if (q < CursorQ && s >= count && !closed) {
                    closeQuestion();
                    closed = true;
                }
                breakLine();
            }
            if (s >= count)
                continue;
            if (s == 0 && showNames)
                WriteName(w, questionnaire, q, ColourWord(AnswerColour) + colour);
            const Integer code = codes[answer + s];
            w.text(ReplyChoiceSymbol(questionnaire, q, code));
            if (ChoiceHasAttr(questionnaire, q, code, AttrEssay))
                WriteFreeText(w, texts[answer + s]);
        }
        answer += count;
        if (q < CursorQ && !closed)
            closeQuestion();
        if (q == CaretQ)
            Caret = w.shown();
    }

    if (breakDue(SlotOf(CursorQ, CursorN)))
        breakLine();
    if (CursorQ == CaretQ)
        Caret = w.shown();
    if (showNames && CursorQ >= 0 && CursorQ < questionnaire.QuestionCount) {
        WriteName(w, questionnaire, CursorQ, ColourWord(AnswerColour));
        w.text(QStringLiteral(" "));
    }
    w.text(Tail);
    w.control(QStringLiteral("\\par }"));
    return w.result();
}

}  // namespace kz
