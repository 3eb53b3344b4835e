#include "design/structure_edit.h"

#include "design/condition_renumbering.h"
#include "design/position_shift.h"
#include "host/ui_seam.h"

namespace kz {

namespace {

// Question `to` of `dst` becomes question `from` of `src`: its record, its
// choices and its condition.
using QuestionArray = std::array<QuestionRec, MaxQuestions>;
using LimitArray = std::array<Condition, MaxQuestions>;

void CopyQuestion(QuestionArray& dstQuestions, ChoiceTable& dstChoices, LimitArray& dstLimits, int to,
                  const QuestionArray& srcQuestions, const ChoiceTable& srcChoices, const LimitArray& srcLimits,
                  int from)
{
    dstQuestions[static_cast<size_t>(to)] = srcQuestions[static_cast<size_t>(from)];
    for (int c = 0; c < srcQuestions[static_cast<size_t>(from)].ChoiceCount; ++c)
        dstChoices(to, c) = srcChoices(from, c);
    dstLimits[static_cast<size_t>(to)] = srcLimits[static_cast<size_t>(from)];
}

void MoveQuestion(Survey& questionnaire, int to, int from)
{
    CopyQuestion(questionnaire.Questions, questionnaire.Choices, questionnaire.QuestionLimit, to,
                 questionnaire.Questions, questionnaire.Choices, questionnaire.QuestionLimit, from);
}

void ShiftQuestionMaps(StructureEdit& edit, Integer q, Integer delta)
{
    for (int k = 0; k < edit.Backup[0].QuestionCount; ++k) {
        Integer& at = edit.QnoMap[static_cast<size_t>(k)];
        if (at >= 0)
            at = ShiftedPosition(at, q, delta);
    }
}

void ShiftChoiceMaps(StructureEdit& edit, Integer q, Integer c, Integer delta)
{
    for (int k = 0; k < edit.Backup[0].QuestionCount; ++k) {
        if (edit.QnoMap[static_cast<size_t>(k)] != q)
            continue;
        for (int j = 0; j < edit.Backup[0].Questions[static_cast<size_t>(k)].ChoiceCount; ++j) {
            Integer& at = edit.CnoMap(j, k);
            if (at >= 0)
                at = ShiftedPosition(at, c, delta);
        }
    }
}

void MoveRecords(Survey& questionnaire, Integer q, Integer c, Integer delta, Integer oldQuestionCount)
{
    if (c < 0 && delta > 0) {
        for (int i = oldQuestionCount; i > q; --i)
            MoveQuestion(questionnaire, i, i - 1);
    } else if (c < 0) {
        for (int i = q; i <= oldQuestionCount - 2; ++i)
            MoveQuestion(questionnaire, i, i + 1);
    } else if (delta > 0) {
        for (int j = questionnaire.Questions[q].ChoiceCount - 1; j > c; --j)
            questionnaire.Choices(q, j) = questionnaire.Choices(q, j - 1);
    } else {
        for (int j = c; j < questionnaire.Questions[q].ChoiceCount; ++j)
            questionnaire.Choices(q, j) = questionnaire.Choices(q, j + 1);
    }
}

void SaveStructure(const Survey& questionnaire, StructureSlot& saved)
{
    saved.QuestionCount = questionnaire.QuestionCount;
    for (int q = 0; q < questionnaire.QuestionCount; ++q)
        CopyQuestion(saved.Questions, saved.Choices, saved.Limits, q, questionnaire.Questions, questionnaire.Choices,
                     questionnaire.QuestionLimit, q);
}

}  // namespace

void OpenStructureEdit(const Survey& questionnaire, StructureEdit& edit)
{
    SaveStructure(questionnaire, edit.Backup[0]);
    for (int q = 0; q < MaxQuestions; ++q) {
        const bool exists = q < questionnaire.QuestionCount;
        edit.QnoMap[static_cast<size_t>(q)] = exists ? Integer(q) : Integer(-1);
        for (int c = 0; c < MaxChoices; ++c)
            edit.CnoMap(c, q) = exists && c < questionnaire.Questions[q].ChoiceCount ? Integer(c) : Integer(-1);
    }
    edit.oldLayout = questionnaire.AnswerLayout;
    edit.oldAnswerSlotCount = questionnaire.AnswerSlotCount;
    edit.changed = false;
    edit.numberingChanged = false;
}

void SaveRestoreStructure(Survey& questionnaire, StructureEdit& edit, Integer slot, bool swap)
{
    SaveStructure(questionnaire, edit.Backup[static_cast<size_t>(slot)]);
    if (!swap)
        return;
    const StructureSlot& other = edit.Backup[static_cast<size_t>(1 - slot)];
    questionnaire.QuestionCount = other.QuestionCount;
    for (int q = 0; q < other.QuestionCount; ++q)
        CopyQuestion(questionnaire.Questions, questionnaire.Choices, questionnaire.QuestionLimit, q, other.Questions,
                     other.Choices, other.Limits, q);
    ComputeAnswerLayout(questionnaire);
}

void ShiftStructure(Survey& questionnaire, StructureEdit& edit, Integer q, Integer c, Integer delta)
{
    HourglassScope hourglass;
    const Integer oldQuestionCount = questionnaire.QuestionCount;
    if (c < 0) {
        ShiftQuestionMaps(edit, q, delta);
        questionnaire.QuestionCount = static_cast<Integer>(questionnaire.QuestionCount + delta);
    } else {
        ShiftChoiceMaps(edit, q, c, delta);
    }
    MoveRecords(questionnaire, q, c, delta, oldQuestionCount);
    RenumberConditions(questionnaire, q, c, delta);
}

}  // namespace kz
