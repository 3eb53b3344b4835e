#include "texts/choice_texts.h"

#include "model/question_codes.h"
#include "model/survey.h"
#include "runtime/number_format.h"
#include "runtime/val.h"

namespace kz {

namespace {

constexpr QChar CR = u'\r';

bool IsChoice(Integer q, Integer c) { return q >= 0 && q < MaxQuestions && c >= 0 && c < MaxChoices; }

bool HasAttr(const ChoiceRec& choice, ChoiceAttr bit) { return (choice.Attr & BitMaskI[bit]) != 0; }

QString AttributeTags(const ChoiceRec& choice)
{
    QString tags;
    if (HasAttr(choice, AttrEssay)) {
        if (HasAttr(choice, AttrQuantity))
            tags += QStringLiteral("［数値:") + Format(choice.Low) + QLatin1Char('-') + Format(choice.High)
                    + QStringLiteral("］");
        else if (HasAttr(choice, AttrCoded))
            tags += QStringLiteral("[ｺｰﾄﾞ:") + choice.CodeFile + QLatin1Char(']');
        else
            tags += QStringLiteral("［記述］");
    }
    if (HasAttr(choice, AttrExclusive))
        tags += QStringLiteral("［排他］");
    if (HasAttr(choice, AttrOther))
        tags += QStringLiteral("［その他］");
    if (HasAttr(choice, AttrMultiple))
        tags += QStringLiteral("［複数］");
    return tags;
}

}  // namespace

QString ChoiceLabel(const Survey& questionnaire, Integer q, Integer c, bool withCode, bool withTags)
{
    QString s;
    if (withCode)
        s = QLatin1Char('(') + ChoiceCodeText(questionnaire, q, c) + QLatin1Char(')');
    if (!IsChoice(q, c))
        return s;
    const ChoiceRec& choice = questionnaire.Choices(q, c);
    s += choice.Text;
    if (withTags)
        s += AttributeTags(choice);
    return s;
}

void SetChoiceText(Survey& questionnaire, Integer q, Integer c, const QString& block)
{
    ChoiceRec& choice = questionnaire.Choices(q, c);
    const qsizetype first = block.indexOf(CR);
    if (first < 0) {
        choice.Text = block;
        return;
    }
    choice.Text = block.left(first);
    const qsizetype second = block.indexOf(CR, first + 1);
    if (second < 0) {
        choice.CodeFile = block.mid(first + 1);
        return;
    }
    choice.Low = Val(block.mid(first + 1, second - first - 1));
    choice.High = Val(block.mid(second + 1));
}

QString ChoiceTextBlock(const Survey& questionnaire, Integer q, Integer c)
{
    const ChoiceRec& choice = questionnaire.Choices(q, c);
    if (!choice.CodeFile.isEmpty())
        return choice.Text + CR + choice.CodeFile;
    return choice.Text + CR + Format(choice.Low) + CR + Format(choice.High);
}

Integer FindOtherChoice(const Survey& questionnaire, Integer q, Integer except)
{
    for (Integer c = 1; c < questionnaire.Questions[q].ChoiceCount; ++c) {
        if (c != except && HasAttr(questionnaire.Choices(q, c), AttrOther))
            return c;
    }
    return -1;
}

std::vector<bool> MarkEssayQuestions(const Survey& questionnaire, bool flag)
{
    std::vector<bool> result(static_cast<size_t>(questionnaire.QuestionCount), !flag);
    for (Integer q = 0; q < questionnaire.QuestionCount; ++q) {
        for (Integer c = 1; c < questionnaire.Questions[q].ChoiceCount; ++c) {
            if (HasAttr(questionnaire.Choices(q, c), AttrEssay)) {
                result[static_cast<size_t>(q)] = true;
                break;
            }
        }
    }
    return result;
}

}  // namespace kz
