#include "reply/paragraph_table.h"

#include <algorithm>

#include "model/question_codes.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

QString SlotText(const Workspace& ws, Integer q, Integer s)
{
    const Integer max = ws.survey.Questions[static_cast<size_t>(q)].MaxAnswers;
    QString text = QuestionHeading(ws.survey, q, HeadingNumber | HeadingLabel);
    if (max > 1)
        text +=
            QLatin1Char('[') + QString::number(s + 1) + QLatin1Char('/') + QString::number(max) + QLatin1Char(']');
    return text + QLatin1Char(' ') + QuestionText(ws.survey, q);
}

template <typename Table>
void ShiftUp(Table& table, Integer k)
{
    for (int i = LastParagraph; i > k; --i)
        table[static_cast<size_t>(i)] = table[static_cast<size_t>(i - 1)];
}

template <typename Table>
void ShiftDown(Table& table, Integer k)
{
    for (int i = k; i < LastParagraph; ++i)
        table[static_cast<size_t>(i)] = table[static_cast<size_t>(i + 1)];
}

}  // namespace

QString ParagraphLineText(const Workspace& ws, Integer k)
{
    const bool runsProcess = ws.survey.ParagraphExeDLL[static_cast<size_t>(k)] != 0;
    return QStringLiteral("■第") + QString::number(k + 1) + QStringLiteral("行 ")
           + (runsProcess ? QStringLiteral("▲DLL実行 - - - - - - - - -")
                          : QStringLiteral("- - - - - - - - - - - - - -"));
}

std::vector<ParagraphRow> ParagraphRows(const Workspace& ws)
{
    std::vector<ParagraphRow> rows;
    Integer k = 0;
    for (Integer q = 0; q < ws.survey.QuestionCount; ++q) {
        for (Integer s = 0; s < ws.survey.Questions[static_cast<size_t>(q)].MaxAnswers; ++s) {
            const Integer position = MakeQC(q, s);
            if (k <= LastParagraph && ws.survey.ParagraphStart[static_cast<size_t>(k)] == position) {
                rows.push_back({ParagraphRow::Line, k, 0, ParagraphLineText(ws, k)});
                ++k;
            }
            rows.push_back({ParagraphRow::Slot, k, position, SlotText(ws, q, s)});
        }
    }
    rows.push_back({ParagraphRow::End, k, 0, ParagraphLineText(ws, k) + QStringLiteral("終わり")});
    return rows;
}

bool InsertParagraph(Workspace& ws, Integer k, Integer position)
{
    if (k + 2 >= LastParagraph + 1)
        return false;
    auto& starts = ws.survey.ParagraphStart;
    ShiftUp(starts, k);
    ShiftUp(ws.survey.ParagraphExeDLL, k);
    starts[static_cast<size_t>(k)] = position;
    starts[LastParagraph] = starts[LastParagraph - 1];
    return true;
}

void RemoveParagraph(Workspace& ws, Integer k)
{
    auto& starts = ws.survey.ParagraphStart;
    ShiftDown(starts, k);
    ShiftDown(ws.survey.ParagraphExeDLL, k);
    starts[LastParagraph] = starts[LastParagraph - 1];
}

void OneLinePerQuestion(Survey& questionnaire, Integer questions)
{
    auto& starts = questionnaire.ParagraphStart;
    for (size_t k = 0; k < starts.size(); ++k)
        starts[k] = MakeQC(Integer(std::min<size_t>(k, size_t(questions))), 0);
    questionnaire.ParagraphExeDLL.fill(0);
}

}  // namespace kz
