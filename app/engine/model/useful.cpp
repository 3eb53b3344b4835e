#include "model/useful.h"

#include "model/question_codes.h"
#include "model/survey.h"

namespace kz {

QString PathFolder(const QString& path) { return path.left(path.lastIndexOf(QLatin1Char('/')) + 1); }

QString PathFileName(const QString& path) { return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1); }

Integer IsNextChoice(const Survey& questionnaire, Integer k)
{
    if (k < 0 || k + 1 >= static_cast<int>(questionnaire.ParagraphStart.size()))
        return 0;
    Integer q1 = 0, s1 = 0, q2 = 0, s2 = 0;
    SplitQC(questionnaire.ParagraphStart[static_cast<size_t>(k)], q1, s1);
    SplitQC(questionnaire.ParagraphStart[static_cast<size_t>(k) + 1], q2, s2);
    if (q2 == q1 && s2 == s1 + 1)
        return 1;
    // A code can name a question beyond the table; it has no last slot.
    if (q1 >= MaxQuestions)
        return 0;
    const bool lastSlotOfQ1 = s1 == questionnaire.Questions[static_cast<size_t>(q1)].MaxAnswers - 1;
    return lastSlotOfQ1 && q2 == q1 + 1 && s2 == 0 ? 1 : 0;
}

}  // namespace kz
