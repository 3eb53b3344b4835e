#include "reply/reply_final_checks.h"

#include "model/survey.h"
#include "runtime/number_format.h"
#include "runtime/val.h"
#include "texts/code_files.h"

namespace kz {

namespace {

// Longer quantities are not read as numbers at all.
constexpr int MaxQuantityLength = 308;

bool Has(const Survey& questionnaire, Integer q, Integer c, ChoiceAttr bit)
{
    return c >= 0 && c < MaxChoices && ChoiceHasAttr(questionnaire, q, c, bit) != 0;
}

QString CheckQuantity(const ChoiceRec& choice, const QString& text)
{
    const QString range =
        QStringLiteral("数量回答が範囲") + Format(choice.Low) + QStringLiteral("～") + Format(choice.High);
    if (text.size() >= MaxQuantityLength)
        return range + QStringLiteral("を大きく超えています。");
    if (text.isEmpty())
        return {};
    const double value = Val(text);
    if (value < choice.Low || value > choice.High)
        return range + QStringLiteral("に納まっていません。");
    return {};
}

QString CompletedCode(const Workspace& ws, Integer q, Integer c, const QString& text)
{
    QString code;
    QString label;
    SplitCodeLabel(text, code, label);
    // A given code decides the label.
    if (!code.isEmpty() && code != QLatin1String("?"))
        label = QStringLiteral("?");
    LookupChoiceCode(ws.survey, q, c, code, label, ws.document.CurrentFilePath);
    return code + QLatin1Char(':') + label;
}

}  // namespace

QString CheckRepliedTexts(const Workspace& ws, const QVector<Integer>& counts, const QVector<Integer>& codes,
                          QVector<QString>& texts)
{
    const Survey& questionnaire = ws.survey;
    int k = 0;
    for (Integer q = 0; q < questionnaire.QuestionCount; ++q) {
        for (int j = 0; j < counts.value(q); ++j, ++k) {
            const Integer c = codes.value(k);
            // Both qualify the free text of a choice; without it there is none.
            if (!Has(questionnaire, q, c, AttrEssay) || k >= texts.size())
                continue;
            if (Has(questionnaire, q, c, AttrQuantity)) {
                const QString error = CheckQuantity(questionnaire.Choices(q, c), texts[k]);
                if (!error.isEmpty())
                    return error;
            } else if (Has(questionnaire, q, c, AttrCoded)) {
                texts[k] = CompletedCode(ws, q, c, texts[k]);
            }
        }
    }
    return {};
}

}  // namespace kz
