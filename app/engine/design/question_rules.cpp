#include "design/question_rules.h"

#include <algorithm>

#include "model/survey.h"

namespace kz {

namespace {

constexpr int QuestionTextLength = 128;
const QChar CR(u'\r');

// The most choices ("無回答" included) each symbol set has symbols for; set
// 3 is one short of 27 because its last letter stays unused.
constexpr Integer MostChoicesOfStyle[] = {MaxChoices, 36, 46, 26};

}  // namespace

Integer FittingCodeStyle(Integer style, Integer choiceCount)
{
    if (style < 0 || style > 3)
        return 0;
    return choiceCount > MostChoicesOfStyle[style] ? Integer(0) : style;
}

std::pair<double, double> OrderedBounds(double low, double high)
{
    return high < low ? std::pair{high, low} : std::pair{low, high};
}

std::optional<QString> InvalidCodeTableLine(const QStringList& lines)
{
    for (const QString& line : lines) {
        if (!line.isEmpty() && !line.startsWith(u'\'') && line.count(u',') >= 2)
            return line;
    }
    return std::nullopt;
}

QString JoinQuestionText(const QString& name, const QString& sentence, const QString& limitText)
{
    return (name + CR + sentence + CR + limitText + CR).left(QuestionTextLength);
}

Integer MakeNewQuestion(Survey& questionnaire, Integer q, Integer choiceCount)
{
    QuestionRec& question = questionnaire.Questions[static_cast<size_t>(q)];
    const Integer formerStyle = question.CodeStyle;
    question.Text = JoinQuestionText(QStringLiteral("質問") + QString::number(q + 1), {}, {});
    question.MaxAnswers = 1;
    question.ChoiceCount = choiceCount;
    question.CodeStyle = 0;
    questionnaire.Choices(q, 0) = ChoiceRec{QStringLiteral("無回答"), 0, 0, {}, BitMaskI[AttrExclusive]};
    for (Integer c = 1; c < choiceCount; ++c)
        questionnaire.Choices(q, c) = ChoiceRec{};
    Condition& limit = questionnaire.QuestionLimit[static_cast<size_t>(q)];
    for (size_t k = 1; k < limit.size(); ++k)
        limit[k].KindRank = 0;
    return formerStyle;
}

void CopyParentLimit(Survey& questionnaire, Integer src, Integer dst)
{
    const Condition& from = questionnaire.QuestionLimit[static_cast<size_t>(src)];
    Condition& to = questionnaire.QuestionLimit[static_cast<size_t>(dst)];
    for (size_t k = 0; k < from.size(); ++k) {
        to[k] = from[k];
        if (k >= 1 && from[k].KindRank == 0)
            break;
    }
}

}  // namespace kz
