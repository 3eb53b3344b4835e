// The question and choice editor's record of a structure change: where every
// question and choice that existed at opening stands now, and the structure
// at opening kept for Cancel. Every insert and delete goes through
// ShiftStructure, which keeps the maps, the tables and the questions'
// conditions in step; the finish (design/structure_finish.h) then carries the
// stored samples over by the maps.
#pragma once

#include <array>
#include <vector>

#include "model/survey.h"

namespace kz {

// One copy of the structure: questions, their choices and their conditions.
struct StructureSlot {
    Integer QuestionCount = 0;
    std::array<QuestionRec, MaxQuestions> Questions;
    ChoiceTable Choices;
    std::array<Condition, MaxQuestions> Limits{};
};

// CnoMap(c, q): where initial choice c of initial question q stands now
// within its question, -1 once deleted.
class ChoiceMap {
public:
    ChoiceMap() : map_(static_cast<size_t>(MaxQuestions) * MaxChoices, -1) {}
    Integer& operator()(int c, int q) { return map_[static_cast<size_t>(q) * MaxChoices + static_cast<size_t>(c)]; }
    Integer operator()(int c, int q) const
    {
        return map_[static_cast<size_t>(q) * MaxChoices + static_cast<size_t>(c)];
    }

private:
    std::vector<Integer> map_;
};

struct StructureEdit {
    // By initial question number: its current position, -1 once deleted.
    std::array<Integer, MaxQuestions> QnoMap{};
    ChoiceMap CnoMap;
    // Slot 0: the structure at opening; slot 1: the edited one, while the
    // finish or Cancel swaps them.
    std::array<StructureSlot, 2> Backup;
    // The packed-answer layout at opening, by which stored samples are read.
    std::array<AnswerLayoutRec, MaxQuestions + 1> oldLayout{};
    Integer oldAnswerSlotCount = 0;
    // An edit that needs the samples converted or rechecked was made.
    bool changed = false;
    // A question or choice was inserted, copied or deleted.
    bool numberingChanged = false;
};

// The editor opens: the questionnaire's structure goes to slot 0 and the maps start as the
// identity.
void OpenStructureEdit(const Survey& questionnaire, StructureEdit& edit);

// Saves the questionnaire's structure into `slot`; with swap, loads the
// other slot into the questionnaire and recomputes the answer layout.
void SaveRestoreStructure(Survey& questionnaire, StructureEdit& edit, Integer slot, bool swap);

// After an insert (delta +1, before position q or choice c) or a delete
// (delta -1, at q or c) in question q; c is -1 for a whole question. For a
// choice edit the caller has already changed q's ChoiceCount; for a question
// insert the caller fills the opened position afterwards.
void ShiftStructure(Survey& questionnaire, StructureEdit& edit, Integer q, Integer c, Integer delta);

}  // namespace kz
