#include "imports/network_answers.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "host/ui_seam.h"
#include "imports/answer_fields.h"
#include "model/answer_store.h"
#include "model/survey.h"
#include "reply/paragraph_table.h"
#include "reply/reply_text_form.h"
#include "runtime/rounding.h"
#include "runtime/val.h"

namespace kz {

namespace {

const QString DistField = QStringLiteral("KZDSTNCTNNAME");
const QString CrLf = QStringLiteral("\r\n");

// The number after the first `letter` from index `from` of `text`; none
// when there is no such letter.
std::optional<double> NumberAfter(const QString& text, QChar letter, qsizetype from)
{
    const qsizetype at = text.indexOf(letter, from);
    if (at < 0)
        return std::nullopt;
    return RoundHalfEven(Val(text.mid(at + 1)));
}

struct Held {
    Integer choice = 0;
    QString text;
};

// The answer being collected: a list per question, so that a file listing
// its fields out of question order still packs each answer to its question.
class AnswerCollector {
public:
    explicit AnswerCollector(const Survey& questionnaire) : questionnaire_(questionnaire) {}

    void clear()
    {
        held_.assign(size_t(questionnaire_.QuestionCount), {});
        lastHeld_ = -1;
        LastQ = -1;
    }

    // The answer rules for choice C of question Q, with `text` for a free
    // text; false when the field is not taken.
    bool take(const QString& Value, double Q, double C, const QString* text)
    {
        if (!(Q >= 0 && Q < questionnaire_.QuestionCount)) {
            MsgBox(QStringLiteral("回答データの中に存在しない質問番号があります:") + Value);
            return false;
        }
        const Integer q = Integer(Q);
        if (!(C >= 0 && C < questionnaire_.Questions[q].ChoiceCount)) {
            MsgBox(QStringLiteral("回答データの中に存在しない選択肢番号があります:") + Value);
            return false;
        }
        const Integer c = Integer(C);
        if (q == LastQ)
            return false;
        std::vector<Held>& answers = held_[size_t(q)];
        QString newText = text ? *text : QString();
        // The chosen choice comes back with its text.
        if (text && lastHeld_ == q && !answers.empty() && answers.back().text.isEmpty() && answers.back().choice == c)
            answers.pop_back();
        // A choice is never held twice; the texts of several fields of one
        // choice are all kept.
        for (auto it = answers.begin(); it != answers.end(); ++it) {
            if (it->choice != c)
                continue;
            if (text && !it->text.isEmpty())
                newText = it->text + u' ' + newText;
            else if (!text)
                newText = it->text;
            answers.erase(it);
            break;
        }
        if (Integer(answers.size()) >= questionnaire_.Questions[q].MaxAnswers) {
            MsgBox(QStringLiteral("回答可能数オーバーがありました"));
            answers.assign(1, Held{});
            LastQ = q;
            lastHeld_ = q;
            return true;
        }
        answers.push_back({c, newText});
        lastHeld_ = q;
        return true;
    }

    const QString& lastText(Integer q) const { return held_[size_t(q)].back().text; }

    WWWAnswer packed() const
    {
        WWWAnswer answer;
        for (const std::vector<Held>& answers : held_) {
            answer.Counts.push_back(Integer(answers.size()));
            for (const Held& held : answers) {
                answer.Codes.push_back(held.choice);
                answer.Texts.push_back(held.text);
            }
        }
        return answer;
    }

    Integer LastQ = -1;

private:
    const Survey& questionnaire_;
    std::vector<std::vector<Held>> held_;
    Integer lastHeld_ = -1;
};

class FileReader {
public:
    FileReader(const Workspace& ws, const QString& W, const WWWDistinction& distinction, const SendAnswer& send)
        : ws_(ws), W_(W), distinction_(distinction), send_(send), MailMode_(IsMailAnswer(W)), collector_(ws.survey)
    {}

    WWWFileRead read()
    {
        collector_.clear();
        P_ = nextAnswerStart(0);
        while (P_ < W_.size() && !ended()) {
            QString Name;
            const QString Value = NextAnswerField(W_, Name, P_, MailMode_);
            dispatch(Name, Value);
        }
        if (!ended())
            handOver();
        return result_;
    }

private:
    bool ended() const { return result_.stopped || result_.kept; }

    // Where the next answer's distinction-name field begins (in mail mode
    // its "#"), from `from` on; W's end when none is left.
    qsizetype nextAnswerStart(qsizetype from) const
    {
        const QString marker = MailMode_ ? u'#' + DistField : DistField;
        const qsizetype at = W_.indexOf(marker, from);
        return at < 0 ? W_.size() : at;
    }

    void dispatch(const QString& Name, const QString& Value)
    {
        if (Name == DistField) {
            handOver();
            collector_.clear();
            State_ = Value == distinction_.name ? 1 : 0;
            if (State_ == 0)
                P_ = nextAnswerStart(P_);
            return;
        }
        // Fields outside an accepted answer belong to no respondent of ours.
        if (State_ == 0)
            return;
        if (Name.startsWith(QLatin1String("KZANSQ"))) {
            std::optional<double> Q = NumberAfter(Value, u'Q', 4);
            std::optional<double> C = NumberAfter(Value, u'C', 5);
            if (!Q || !C) {
                Q = NumberAfter(Name, u'Q', 5);
                C = 0;
            }
            if (collector_.take(Value, Q.value_or(0), *C, nullptr))
                State_ = 2;
        } else if (Name.startsWith(QLatin1String("KZESQ"))) {
            const double Q = NumberAfter(Name, u'Q', 4).value_or(0);
            const double C = NumberAfter(Name, u'C', 5).value_or(0);
            if (collector_.take(Value, Q, C, &Value)) {
                State_ = 2;
                passOverRepeatedRespondent(Integer(Q));
            }
        }
    }

    void passOverRepeatedRespondent(Integer q)
    {
        if (q != distinction_.question || q == collector_.LastQ || !SampleNameExists(ws_, q, collector_.lastText(q)))
            return;
        Beep();
        MsgBox(QStringLiteral("重複サンプルがありました:") + collector_.lastText(q));
        collector_.clear();
        State_ = 0;
        P_ = nextAnswerStart(P_);
    }

    void handOver()
    {
        if (State_ != 2)
            return;
        State_ = 0;
        switch (send_(collector_.packed())) {
        case HandOver::NoIDLeft:
            result_.stopped = true;
            return;
        case HandOver::FileStays:
            result_.kept = true;
            return;
        case HandOver::Refused:
            ++result_.refused;
            break;
        case HandOver::Stored:
            break;
        }
        ++result_.Taken;
    }

    const Workspace& ws_;
    const QString& W_;
    const WWWDistinction& distinction_;
    const SendAnswer& send_;
    const bool MailMode_;
    qsizetype P_ = 0;
    int State_ = 0;
    AnswerCollector collector_;
    WWWFileRead result_;
};

}  // namespace

WWWFileRead ReadWWWAnswers(const Workspace& ws, const QString& W, const WWWDistinction& distinction,
                           const SendAnswer& send)
{
    return FileReader(ws, W, distinction, send).read();
}

bool SampleNameExists(const Workspace& ws, Integer Q, const QString& Name)
{
    if (Name.isEmpty() || Q < 0 || Q >= ws.survey.QuestionCount)
        return false;
    Integer count = 0;
    QVector<Integer> codes;
    QVector<QString> texts;
    for (Long sample = 0; sample < SampleCount(ws.samples); ++sample) {
        texts.clear();
        ReadQuestionAnswers(ws, sample, Q, count, codes, texts);
        if (!texts.isEmpty() && texts.first() == Name)
            return true;
    }
    return false;
}

QString WWWReplyText(const Survey& questionnaire, const WWWAnswer& answer)
{
    QString R;
    int paragraph = 0;
    qsizetype A = 0;
    for (Integer q = 0; q < questionnaire.QuestionCount; ++q) {
        const Integer count = answer.Counts.value(q);
        // Once the question's answers are over its "-" follows at once, so
        // that the lines of its later slots stay empty.
        bool over = false;
        for (Integer s = 0; s < questionnaire.Questions[q].MaxAnswers; ++s) {
            if (LineStartsAt(questionnaire, paragraph, q, s)) {
                ++paragraph;
                R += CrLf;
            }
            if (!over && s >= std::max<Integer>(count, 1)) {
                over = true;
                R += u'-';
            }
            if (over)
                continue;
            if (count == 0) {
                R += u'0';
                continue;
            }
            R += ReplyChoiceSymbol(questionnaire, q, answer.Codes.value(A));
            const QString text = answer.Texts.value(A);
            if (!text.isEmpty())
                R += ReplyFreeTextNotation(text);
            ++A;
        }
        if (!over)
            R += u'-';
    }
    return R;
}

}  // namespace kz
